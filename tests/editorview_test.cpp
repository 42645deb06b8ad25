// Where the editor's list view stands after a command: the entries in sight
// stay in sight, and new rows come into view.
#include <gtest/gtest.h>

#include "editor/editorview.h"

using namespace zv;

namespace {

teditoroutcome Changes(std::vector<trowchange> rows) {
  teditoroutcome out;
  out.Rows = std::move(rows);
  out.SelectionChanged = true;
  return out;
}

// Forty rows of 36 in a view 360 high: ten rows show.
const std::vector<int> Rows40(40, 36);
constexpr int View = 360;

}  // namespace

TEST(EditorView, FilesDroppedBelowTheLastRowOfAScrolledListComeIntoView) {
  // Scrolled to row 25 of 40 (rows 25 to 34 show); three files appended.
  std::vector<int> rows = Rows40;
  rows.resize(43, 36);
  const auto drop = Changes({{trowchange::Insert, 40}, {trowchange::Insert, 41}, {trowchange::Insert, 42}});
  EXPECT_EQ(RowsToShow(drop), (trowspan{40, 42}));
  EXPECT_EQ(ViewTopAfter(25, drop, rows, View), 33);  // rows 33 to 42: the last ten
  // Dropped in sight: the view stays.
  const auto inView = Changes({{trowchange::Insert, 28}, {trowchange::Insert, 29}});
  EXPECT_EQ(ViewTopAfter(25, inView, rows, View), 25);
}

TEST(EditorView, NewAtTheTopOfAScrolledListShowsTheNewRow) {
  // Nothing selected: New puts the row at 0, above the view.
  const auto added = Changes({{trowchange::Insert, 0}});
  std::vector<int> rows = Rows40;
  rows.push_back(36);
  EXPECT_EQ(TopRowAfter(20, added), 21);  // the same entries would stay...
  EXPECT_EQ(ViewTopAfter(20, added, rows, View), 0);  // ...but the new row shows
  // Above the focused row in sight: nothing moves.
  EXPECT_EQ(ViewTopAfter(20, Changes({{trowchange::Insert, 24}}), rows, View), 20);
}

TEST(EditorView, OtherChangesKeepTheEntriesInSight) {
  // Deleted above the view: the view follows its entries up.
  EXPECT_EQ(ViewTopAfter(20, Changes({{trowchange::Delete, 3}, {trowchange::Delete, 3}}), Rows40, View), 18);
  // Deleted in or below the view, selection changes (Ctrl+A): no move.
  EXPECT_EQ(ViewTopAfter(20, Changes({{trowchange::Delete, 22}}), Rows40, View), 20);
  EXPECT_EQ(ViewTopAfter(20, Changes({}), Rows40, View), 20);
  // A row dragged from above the view (it scrolled while dragging) into it.
  EXPECT_EQ(ViewTopAfter(20, Changes({{trowchange::Move, 19, 25}}), Rows40, View), 19);
  EXPECT_EQ(TopRowAfter(20, Changes({{trowchange::Move, 25, 2}})), 21);
  // Refilled or cleared: the top.
  teditoroutcome refill;
  refill.Refill = true;
  EXPECT_EQ(ViewTopAfter(20, refill, Rows40, View), 0);
  EXPECT_EQ(TopRowAfter(20, Changes({{trowchange::Clear}})), 0);
}

TEST(EditorView, CopiesAndTheChosenRowComeIntoView) {
  // Rows 5 and 9 duplicated: copies at 6 and 11 (after the first copy).
  const auto copies = Changes({{trowchange::Insert, 6}, {trowchange::Insert, 11}});
  EXPECT_EQ(RowsToShow(copies), (trowspan{6, 11}));
  EXPECT_EQ(ViewTopAfter(0, copies, Rows40, View), 2);  // rows 2 to 11
  // More than fits: the first wins.
  EXPECT_EQ(TopRowShowing(0, {6, 30}, Rows40, View), 6);
  // A row inserted before an earlier new one moves it along.
  EXPECT_EQ(RowsToShow(Changes({{trowchange::Insert, 6}, {trowchange::Insert, 2}})), (trowspan{2, 7}));
  EXPECT_EQ(RowsToShow(Changes({{trowchange::Insert, 6}, {trowchange::Delete, 6}})), trowspan{});
  // The context-menu key chooses the last row: it comes into view.
  teditoroutcome chosen;
  chosen.SelectionChanged = true;
  chosen.ShowRow = 39;
  EXPECT_EQ(ViewTopAfter(0, chosen, Rows40, View), 30);
  // Rows of other heights: a separator row of 17 among them.
  std::vector<int> mixed = {36, 17, 36, 36, 36};
  EXPECT_EQ(TopRowShowing(0, {4, 4}, mixed, 100), 3);
  EXPECT_EQ(TopRowShowing(0, {4, 4}, mixed, 200), 0);
  // Nothing to show, or a row that is not there: the view stays.
  EXPECT_EQ(TopRowShowing(7, {}, Rows40, View), 7);
  EXPECT_EQ(TopRowShowing(7, {45, 45}, Rows40, View), 7);
}
