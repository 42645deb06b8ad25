#pragma once
// Type to choose in an owner-drawn menu: the system knows no text for its
// items, so the owner answers a typed character itself.
#include <functional>
#include <vector>

#include "ui/menuentry.h"

namespace zv {

// The character rules of the code page the menu's texts are in.
struct tcharrules {
  std::function<bool(char)> IsLetterOrDigit;
  std::function<char(char)> Lower;
};

// Plain ASCII rules, for callers without a code page of their own.
tcharrules AsciiCharRules();

enum class tmenucharaction { None, Select, Execute };

struct tmenucharanswer {
  tmenucharaction Action = tmenucharaction::None;
  int Position = -1;
};

// For a letter or digit key: the next item after current (-1: none
// highlighted), wrapping round, whose caption starts with key without regard
// to case; executed at once when it is the only such item (a group's then
// opens). Separators and disabled items never match; any other key gets no
// answer.
tmenucharanswer MenuCharChoice(const std::vector<const tmenuentry*>& items, int current, char key,
                               const tcharrules& rules);

}  // namespace zv
