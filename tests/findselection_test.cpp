#include "app/findselection.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

// The keys of the find window over 30 rows with 10 in view: Up and Down by
// one, the pages by nine (the row last in view comes first), stopping at
// the ends; none selected starts at the first row; no rows, no selection.
TEST(FindSelection, KeysMoveWithinTheRowsAndEnterTakesTheSelectedOrTheFirst) {
  EXPECT_EQ(MoveFindSelection(0, 30, 10, tfindmove::Down), 1);
  EXPECT_EQ(MoveFindSelection(5, 30, 10, tfindmove::Up), 4);
  EXPECT_EQ(MoveFindSelection(0, 30, 10, tfindmove::Up), 0);
  EXPECT_EQ(MoveFindSelection(29, 30, 10, tfindmove::Down), 29);
  EXPECT_EQ(MoveFindSelection(0, 30, 10, tfindmove::PageDown), 9);
  EXPECT_EQ(MoveFindSelection(9, 30, 10, tfindmove::PageDown), 18);
  EXPECT_EQ(MoveFindSelection(25, 30, 10, tfindmove::PageDown), 29);
  EXPECT_EQ(MoveFindSelection(18, 30, 10, tfindmove::PageUp), 9);
  EXPECT_EQ(MoveFindSelection(4, 30, 10, tfindmove::PageUp), 0);
  // A list too short to show a whole row still pages by one.
  EXPECT_EQ(MoveFindSelection(3, 30, 0, tfindmove::PageDown), 4);
  EXPECT_EQ(MoveFindSelection(-1, 30, 10, tfindmove::Down), 0);
  EXPECT_EQ(MoveFindSelection(-1, 30, 10, tfindmove::PageDown), 0);
  EXPECT_EQ(MoveFindSelection(40, 30, 10, tfindmove::Up), 0);
  EXPECT_EQ(MoveFindSelection(0, 0, 10, tfindmove::Down), -1);

  EXPECT_EQ(FindRowToStart(-1, 3), 0);
  EXPECT_EQ(FindRowToStart(2, 3), 2);
  EXPECT_EQ(FindRowToStart(3, 3), 0);
  EXPECT_EQ(FindRowToStart(-1, 0), -1);
  EXPECT_EQ(FindRowToStart(0, 0), -1);
}

}  // namespace
}  // namespace zv
