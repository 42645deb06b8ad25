#pragma once
// Records every message box, the framework's error dialog among them, in one
// list and answers from a queue (OK, or the given default, once it is empty).
#include <deque>
#include <string>
#include <vector>

#include "app/userprompts.h"

struct tpromptcall {
  std::string Title;
  std::string Text;
  unsigned Flags = 0;
};

class tfakeuserprompts : public zv::tuserprompts {
 public:
  int ShowMessageBox(zv::tpromptowner, const std::string& title, const std::string& text,
                     std::uint32_t flags) override {
    Calls.push_back({title, text, flags});
    if (Answers.empty()) return DefaultAnswer;
    int a = Answers.front();
    Answers.pop_front();
    return a;
  }
  void ErrorDialog(const std::string& text) override {
    Calls.push_back({"Fehler", text, zv::mbIconError | zv::mbOK});
  }
  bool FileDialog(zv::tfiledialog&) override { return false; }
  std::vector<tpromptcall> Calls;
  std::deque<int> Answers;
  int DefaultAnswer = zv::idOK;
};
