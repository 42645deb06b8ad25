// Files dropped from the shell and rows dragged inside the editor's list.
#include <gtest/gtest.h>

#include "core/url.h"
#include "editor/editordrop.h"
#include "editor_rig.h"

using namespace zv;

namespace {

// Rows 20 pixels high from the top of the list.
trowhit Hit(int row, bool lower) {
  trowhit h;
  h.Row = row;
  h.Top = row * 20;
  h.Bottom = h.Top + 20;
  h.Y = h.Top + (lower ? 11 : 10);  // 10 is the middle line: upper half
  return h;
}

trowhit Nowhere() { return trowhit{}; }

}  // namespace

TEST(EditorCaptionFromFileName, CutsTheLastExtensionOnly) {
  EXPECT_EQ(CaptionFromFileName("C:\\Tools\\app.exe"), "app");
  EXPECT_EQ(CaptionFromFileName("C:\\Data\\archive.tar.gz"), "archive.tar");
  EXPECT_EQ(CaptionFromFileName("C:\\Users\\me\\.profile"), "");
  EXPECT_EQ(CaptionFromFileName("C:\\Data.old"), "Data");
  EXPECT_EQ(CaptionFromFileName("D:\\Music"), "Music");
  EXPECT_EQ(CaptionFromFileName("C:\\"), "");
  EXPECT_EQ(CaptionFromFileName("C:readme.txt"), "readme");
  EXPECT_EQ(CaptionFromFileName("x"), "x");
  EXPECT_EQ(CaptionFromFileName(""), "");
}

TEST(EditorDropFiles, TypeCaptionAndWorkingDirectoryComeFromThePath) {
  editorrig rig;
  rig.Files.Files = {"C:\\Tools\\app.exe", "C:\\app.exe", "C:\\Docs\\readme.txt", "C:\\run\\go.bat",
                     "\\\\srv\\share\\t.COM"};
  rig.Load({});
  rig.Apply(rig.Editor.shortcutslbDropFiles({"C:\\Tools\\app.exe", "C:\\app.exe", "C:\\Docs\\readme.txt",
                                             "C:\\run\\go.bat", "D:\\Backup\\Data.old", "\\\\srv\\share\\t.COM"},
                                            Nowhere()));
  EXPECT_EQ(Describe(rig.Editor.worklist),
            "1|app|1|C:\\Tools\\app.exe||C:\\Tools|0|0\n"
            "1|app|1|C:\\app.exe||C:\\|0|0\n"
            "2|readme|1|C:\\Docs\\readme.txt|||0|0\n"
            "1|go|1|C:\\run\\go.bat||C:\\run|0|0\n"
            "3|Data|1|D:\\Backup\\Data.old|||0|0\n"
            "1|t|1|\\\\srv\\share\\t.COM||\\\\srv\\share|0|0\n");
  EXPECT_EQ(rig.Editor.worklist.GetItem(0)->ImageIndex, 16);  // looked up for the dropped path
  EXPECT_EQ(rig.Rows, 6);
  EXPECT_EQ(rig.Editor.CountText(), "6 Shortcuts");
  EXPECT_TRUE(rig.Log.empty());  // no hotkey check: dropped shortcuts have none
}

TEST(EditorDropFiles, InternetShortcutsBecomeTheirLinksAndHostileOnesStayFiles) {
  editorrig rig;
  const std::vector<std::pair<std::string, std::string>> files = {
      {"C:\\Links\\Example.url", "\xEF\xBB\xBF[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n"
                                "[InternetShortcut]\r\nIDList=\r\n  url = https://example.org/a?b=c \r\n"
                                "IconFile=https://example.org/favicon.ico\r\nIconIndex=1\r\n"},
      {"C:\\Links\\Chat.URL", "[internetshortcut]\nURL=zvtest:room/7\nIconIndex = 2\nIconFile=C:\\Games\\chat, room.ico\n"},
      {"C:\\Links\\Other section.url", "[Other]\nURL=https://example.org/\n[InternetShortcut]\n"},
      {"C:\\Links\\Drive.url", "[InternetShortcut]\nURL=C:\\Windows\\notepad.exe\n"},
      {"C:\\Links\\Control.url", std::string("[InternetShortcut]\nURL=https://a\x01b/\n")},
      {"C:\\Links\\Long.url", "[InternetShortcut]\nURL=https://" + std::string(3000, 'a') + "\n"},
      {"C:\\Links\\Binary.url", std::string("\xFF\xFE[\0I\0n\0", 8)},
      {"C:\\Links\\Empty.url", ""},
  };
  std::vector<std::string> paths;
  for (const auto& [path, text] : files) {
    rig.Files.Files.insert(path);
    rig.Files.Contents[path] = text;
    paths.push_back(path);
  }
  rig.Load({});
  rig.Apply(rig.Editor.shortcutslbDropFiles(paths, Nowhere()));
  ASSERT_EQ(rig.Editor.worklist.Count(), 8);
  EXPECT_EQ(rig.Editor.worklist.GetItem(0)->Caption, "Example");
  EXPECT_EQ(rig.Editor.worklist.GetItem(0)->Path, "https://example.org/a?b=c");
  EXPECT_EQ(rig.Editor.worklist.GetItem(0)->ShortcutType, stFile);
  EXPECT_EQ(rig.Editor.worklist.GetItem(1)->Path, "zvtest:room/7");
  // The icon file a launcher names becomes the entry's icon; a site's
  // address is none.
  EXPECT_EQ(rig.Editor.worklist.GetItem(1)->Icon, "C:\\Games\\chat, room.ico,2");
  EXPECT_EQ(rig.Editor.worklist.GetItem(0)->Icon, "");
  EXPECT_EQ(IconOfInternetShortcut("[InternetShortcut]\nIconFile=C:\\a.ico\nIconIndex=x9"), "C:\\a.ico,0");
  EXPECT_EQ(IconOfInternetShortcut("[InternetShortcut]\nIconFile=C:\\a\tb.ico"), "");
  EXPECT_EQ(IconOfInternetShortcut("[Other]\nIconFile=C:\\a.ico"), "");
  // No URL in the section, none that is a URL, or no such section: the file itself.
  for (int i = 2; i < 8; ++i) {
    EXPECT_EQ(rig.Editor.worklist.GetItem(i)->Path, paths[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(rig.Editor.worklist.GetItem(i)->ShortcutType, stFile) << i;
  }
  // Long lines and files are read through; a one-letter scheme is a drive.
  EXPECT_EQ(UrlOfInternetShortcut("[InternetShortcut]\n" + std::string(MaxInternetShortcutBytes, ' ') + "\nURL=xy:z"),
            "xy:z");
  EXPECT_EQ(UrlOfInternetShortcut("[InternetShortcut]\nURL=x:y"), "");
}

TEST(EditorDropFiles, GoAfterTheLowerHalfOfARowInOrderSkippingDuplicatesWithoutAGap) {
  editorrig rig;
  rig.Files.Files = {"C:\\x.txt", "C:\\y.txt", "C:\\z.txt"};
  rig.Load(Entries("R0,R1,R2,R3"));
  rig.Apply(rig.Editor.shortcutslbDropFiles({"C:\\y.txt"}, Hit(3, true)));
  ASSERT_EQ(Captions(rig.Editor.worklist), "R0,R1,R2,R3,y");
  auto out = rig.Apply(rig.Editor.shortcutslbDropFiles({"C:\\x.txt", "C:\\y.txt", "C:\\z.txt"}, Hit(2, true)));
  EXPECT_EQ(Captions(rig.Editor.worklist), "R0,R1,R2,x,z,R3,y");
  EXPECT_EQ(out.Rows, (std::vector<trowchange>{{trowchange::Insert, 3, 0}, {trowchange::Insert, 4, 0}}));
  EXPECT_EQ(rig.Rows, 7);
}

TEST(EditorDropFiles, UpperHalfBelowTheRowsOffTheRowsAndAnEmptyList) {
  EXPECT_EQ(DropInsertPosition(Hit(2, false), 5), 2);
  EXPECT_EQ(DropInsertPosition(Hit(2, true), 5), 3);
  EXPECT_EQ(DropInsertPosition(Hit(5, false), 5), 5);  // below the last row
  EXPECT_EQ(DropInsertPosition(Nowhere(), 5), 5);      // on the scroll bar
  EXPECT_EQ(DropInsertPosition(Nowhere(), 0), 0);

  editorrig rig;
  rig.Load({});
  rig.Apply(rig.Editor.shortcutslbDropFiles({"C:\\A", "C:\\B"}, Hit(0, true)));
  EXPECT_EQ(Captions(rig.Editor.worklist), "A,B");
}

TEST(EditorDrag, StartsOnlyWithExactlyOneSelectedRow) {
  editorrig rig;
  rig.Load(Entries("A,B,C"));
  EXPECT_FALSE(rig.Editor.shortcutslbStartDrag());
  rig.Select({0, 1}, 1);
  EXPECT_FALSE(rig.Editor.shortcutslbStartDrag());
  rig.Select({1}, 1);
  EXPECT_TRUE(rig.Editor.shortcutslbStartDrag());
}

TEST(EditorDrag, DestinationArithmetic) {
  EXPECT_EQ(DragDestination(5, Hit(2, false), 8), 2);
  EXPECT_EQ(DragDestination(5, Hit(2, true), 8), 3);
  EXPECT_EQ(DragDestination(2, Hit(5, false), 8), 4);
  EXPECT_EQ(DragDestination(2, Hit(5, true), 8), 5);
  EXPECT_EQ(DragDestination(2, Hit(1, true), 8), 2);
  EXPECT_EQ(DragDestination(2, Hit(3, false), 8), 2);
  EXPECT_EQ(DragDestination(2, Hit(2, true), 8), 2);
  EXPECT_EQ(DragDestination(2, Nowhere(), 8), 7);
  EXPECT_EQ(DragDestination(0, Hit(0, false), 1), 0);
}

TEST(EditorDrag, StatusTextsFollowThePointerAndTheHintComesBack) {
  editorrig rig;
  rig.Load(Entries("R0,R1,-,R3,R4,R5"));
  rig.Select({5}, 5);
  EXPECT_TRUE(rig.Editor.shortcutslbDragOver(true, Hit(1, false)));
  EXPECT_EQ(rig.Editor.StatusText(), "Move shortcut \"R5\" before shortcut \"R1\"");
  rig.Editor.shortcutslbDragOver(true, Hit(2, true));
  EXPECT_EQ(rig.Editor.StatusText(), "Move shortcut \"R5\" after separator");
  rig.Editor.shortcutslbDragOver(true, Hit(5, true));  // over itself
  EXPECT_EQ(rig.Editor.StatusText(), "Move shortcut \"R5\" after shortcut \"R5\"");
  rig.Editor.shortcutslbDragOver(true, Nowhere());
  EXPECT_EQ(rig.Editor.StatusText(), "Move shortcut \"R5\" to last position...");
  rig.Editor.shortcutslbEndDrag();
  EXPECT_EQ(rig.Editor.StatusText(), "Drag a shortcut to move it; Tab/Shift+Tab: into/out of a group.");

  // Something dragged in from elsewhere is refused and changes nothing.
  EXPECT_FALSE(rig.Editor.shortcutslbDragOver(false, Hit(1, false)));
  EXPECT_EQ(rig.Editor.StatusText(), "Drag a shortcut to move it; Tab/Shift+Tab: into/out of a group.");
  rig.Select({2}, 2);
  rig.Editor.shortcutslbDragOver(true, Hit(0, false));
  EXPECT_EQ(rig.Editor.StatusText(), "Move separator before shortcut \"R0\"");
}

TEST(EditorDrag, DropMovesTheEntryAndItsRowAndKeepsItSelected) {
  struct move {
    int From;
    trowhit To;
    const char* Result;
  };
  const move moves[] = {
      {5, Hit(2, false), "R0,R1,R5,R2,R3,R4"}, {5, Hit(2, true), "R0,R1,R2,R5,R3,R4"},
      {2, Hit(5, false), "R0,R1,R3,R4,R2,R5"}, {2, Hit(5, true), "R0,R1,R3,R4,R5,R2"},
      {2, Hit(1, true), "R0,R1,R2,R3,R4,R5"},  {2, Hit(3, false), "R0,R1,R2,R3,R4,R5"},
      {1, Nowhere(), "R0,R2,R3,R4,R5,R1"},
  };
  for (const move& m : moves) {
    editorrig rig;
    rig.Load(Entries("R0,R1,R2,R3,R4,R5"));
    // The caret on another row than the one selected: the selected one moves.
    rig.Select({m.From}, 0);
    auto out = rig.Editor.shortcutslbDragDrop(m.To);
    EXPECT_EQ(Captions(rig.Editor.worklist), m.Result) << m.From << "->" << m.To.Row;
    std::string moved = "R" + std::to_string(m.From);
    int at = -1;
    for (int i = 0; i < rig.Editor.worklist.Count(); ++i)
      if (rig.Editor.worklist.GetItem(i)->Caption == moved) at = i;
    EXPECT_TRUE(rig.Editor.IsSelected(at));
    EXPECT_EQ(rig.Editor.SelectedCount(), 1);
    if (at != m.From) {
      EXPECT_EQ(out.Rows, (std::vector<trowchange>{{trowchange::Move, m.From, at}}));
      EXPECT_EQ(rig.Editor.FocusedRow(), at);
    } else {
      EXPECT_TRUE(out.Rows.empty());
    }
  }
}
