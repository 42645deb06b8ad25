#pragma once
// Answers questions from a script and records what the user was shown,
// message boxes and the error dialog alike.
#include <deque>
#include <string>
#include <vector>

#include "core/userprompts.h"

struct tpromptrecord {
  zv::tpromptowner Owner;
  std::string Title;
  std::string Text;
  std::uint32_t Flags;
};

class tfakeprompts : public zv::tuserprompts {
 public:
  std::deque<int> Answers;              // for message boxes; idOK/idNo when run out
  std::deque<std::string> ChosenFiles;  // "" cancels the dialog
  std::vector<tpromptrecord> Shown;
  std::vector<zv::tfiledialog> Dialogs;

  int ShowMessageBox(zv::tpromptowner owner, const std::string& title, const std::string& text,
                 std::uint32_t flags) override {
    Shown.push_back({owner, title, text, flags});
    if (!Answers.empty()) {
      int a = Answers.front();
      Answers.pop_front();
      return a;
    }
    return (flags & zv::mbYesNo) ? zv::idNo : zv::idOK;
  }
  // Recorded as the box it shows: "Fehler", error icon, one OK button.
  void ErrorDialog(const std::string& text) override {
    Shown.push_back({zv::tpromptowner::MainWindow, "Fehler", text, zv::mbIconError | zv::mbOK});
  }
  bool FileDialog(zv::tfiledialog& dialog) override {
    std::string f;
    if (!ChosenFiles.empty()) {
      f = ChosenFiles.front();
      ChosenFiles.pop_front();
    }
    Dialogs.push_back(dialog);
    dialog.FileName = f;
    return !f.empty();
  }
};
