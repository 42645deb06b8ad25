#include "ui/menuchar.h"

namespace zv {

tcharrules AsciiCharRules() {
  tcharrules r;
  r.IsLetterOrDigit = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  };
  r.Lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return r;
}

tmenucharanswer MenuCharChoice(const std::vector<const tmenuentry*>& items, int current, char key,
                               const tcharrules& rules) {
  tmenucharanswer answer;
  if (!rules.IsLetterOrDigit(key)) return answer;
  const char wanted = rules.Lower(key);
  const int count = static_cast<int>(items.size());
  if (current < -1 || current >= count) current = -1;
  int matches = 0;
  for (int step = 1; step <= count; ++step) {
    const int i = (current + step) % count;
    const tmenuentry* e = items[static_cast<size_t>(i)];
    if (!e || e->Separator || e->Disabled || e->Caption.empty() || rules.Lower(e->Caption[0]) != wanted) continue;
    if (matches++ == 0) answer.Position = i;
  }
  if (matches > 0) answer.Action = matches == 1 ? tmenucharaction::Execute : tmenucharaction::Select;
  return answer;
}

}  // namespace zv
