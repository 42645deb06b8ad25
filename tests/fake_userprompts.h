#pragma once
// Records every message box and answers from a queue (OK, or the given
// default, once the queue is empty).
#include <deque>
#include <string>
#include <vector>

#include "ui/userprompts.h"

struct tpromptcall {
  std::string Title;
  std::string Text;
  unsigned Flags = 0;
};

class tfakeuserprompts : public zv::tuserprompts {
 public:
  int ShowMessageBox(const std::string& title, const std::string& text, unsigned flags) override {
    Calls.push_back({title, text, flags});
    if (Answers.empty()) return DefaultAnswer;
    int a = Answers.front();
    Answers.pop_front();
    return a;
  }
  std::vector<tpromptcall> Calls;
  std::deque<int> Answers;
  int DefaultAnswer = zv::idOK;
};
