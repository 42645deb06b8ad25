// Running the editor on the program's list: copy in, copy back only on OK.
#include <gtest/gtest.h>

#include <stdexcept>

#include "editor/editshortcutlist.h"
#include "editor_rig.h"

using namespace zv;

namespace {

class scriptedwindow : public teditorwindowhost {
 public:
  tfakeprompts Prompts;
  std::function<void(teditorcommands&)> User;  // what happens while it is shown
  std::vector<std::string> Log;
  teditorcommands* Commands = nullptr;
  int Rows = -1;
  std::string Saved;

  void CreateEditorWindow(teditorcommands& c) override {
    Log.push_back("create");
    Commands = &c;
    c.Services().Prompts = &Prompts;
    c.Services().GetFileIconIndex = [](const std::string& p) { return static_cast<std::int32_t>(p.size()); };
    c.FormCreate(false);
  }
  void ApplyOutcome(const teditoroutcome& out) override {
    if (out.Refill) Rows = Commands->RowCount();
  }
  void ShowModal() override {
    Log.push_back("show " + std::to_string(Rows));
    if (User) User(*Commands);
  }
  void DestroyEditorWindow() override { Log.push_back("destroy"); }
  bool SaveResult = true;
  bool SaveToRegistry(tzvshortcutlist& list) override {
    Log.push_back("save");
    Saved = Captions(list);
    return SaveResult;
  }
};

// The window's close: runs FormClose and ends the modal loop when it may.
bool Close(teditorcommands& c, const teditoroutcome& out) { return out.Close && c.FormClose(); }

void Fill(tzvshortcutlist& list) {
  for (auto& s : Entries("A,B")) Append(list, std::move(s));
  list.GetItem(0)->HotkeyStatus = hsRegistered;
}

}  // namespace

TEST(EditShortcutList, OkTidiesCopiesBackAndStores) {
  tzvshortcutlist list;
  Fill(list);
  scriptedwindow w;
  w.User = [&](teditorcommands& c) {
    EXPECT_EQ(c.worklist.GetItem(0)->HotkeyStatus, hsRegistered);  // transient fields come along
    EXPECT_EQ(c.worklist.GetItem(1)->ImageIndex, 8);
    c.SetSelection({false, true}, 1);
    c.separatorlblClick();
    c.separatorlblClick();
    EXPECT_EQ(Captions(c.worklist), "A,-,-,B");
    EXPECT_EQ(list.Count(), 2);  // nothing reaches the caller meanwhile
    EXPECT_TRUE(Close(c, c.oklblClick()));
  };
  EXPECT_TRUE(EditShortcutList(list, w));
  EXPECT_EQ(Captions(list), "A,-,B");
  EXPECT_EQ(w.Saved, "A,-,B");
  EXPECT_EQ(w.Log, (std::vector<std::string>{"create", "show 2", "save", "destroy"}));
  EXPECT_TRUE(w.Prompts.Shown.empty());
}

TEST(EditShortcutList, FailedStoreIsReportedAndTheEditedListStays) {
  tzvshortcutlist list;
  Fill(list);
  scriptedwindow w;
  w.SaveResult = false;
  w.User = [&](teditorcommands& c) {
    c.SetSelection({true, false}, 0);
    c.separatorlblClick();
    c.SetSelection({false, false, true}, 2);
    c.separatorlblClick();
    EXPECT_TRUE(Close(c, c.oklblClick()));
  };
  EXPECT_TRUE(EditShortcutList(list, w));
  EXPECT_EQ(Captions(list), "A,-,B");
  ASSERT_EQ(w.Prompts.Shown.size(), 1u);
  EXPECT_EQ(w.Prompts.Shown[0].Title, "Save Shortcuts");
  EXPECT_EQ(w.Prompts.Shown[0].Text,
            "The shortcut list could not be stored in the registry under "
            "HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts.\r\rZorvane goes on with "
            "the edited list, but the next start may not have it. To keep a copy, open the "
            "shortcut editor again and export the list.");
  EXPECT_EQ(w.Prompts.Shown[0].Flags, mbOK | mbIconError);
  // Told while the editor window still exists, so the box has an owner.
  EXPECT_EQ(w.Log, (std::vector<std::string>{"create", "show 2", "save", "destroy"}));
}

TEST(EditShortcutList, CancelWithYesLeavesTheListAsItWas) {
  tzvshortcutlist list;
  Fill(list);
  std::string before = Describe(list);
  scriptedwindow w;
  w.Prompts.Answers = {idNo, idYes, idYes};
  w.User = [&](teditorcommands& c) {
    c.SetSelection({true, false}, 0);
    c.deletelblClick();                          // No: kept
    EXPECT_EQ(c.worklist.Count(), 2);
    c.deletelblClick();                          // Yes: gone
    EXPECT_TRUE(Close(c, c.cancellblClick()));  // Yes to the closing question
  };
  EXPECT_FALSE(EditShortcutList(list, w));
  EXPECT_EQ(Describe(list), before);
  EXPECT_EQ(w.Log, (std::vector<std::string>{"create", "show 2", "destroy"}));
}

TEST(EditShortcutList, AnErrorStillDestroysTheWindowAndLeavesTheList) {
  tzvshortcutlist list;
  Fill(list);
  scriptedwindow w;
  w.User = [](teditorcommands& c) {
    c.clearlblClick();
    throw std::runtime_error("out of resources");
  };
  EXPECT_THROW(EditShortcutList(list, w), std::runtime_error);
  EXPECT_EQ(w.Log.back(), "destroy");
  EXPECT_EQ(list.Count(), 2);
}
