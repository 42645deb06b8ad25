#pragma once
// The access key of a label's text, as the dialogs underline it.
#include <string>

namespace zv {

// The letter after a single ampersand ("&&" is a literal one); 0 when there
// is none.
char AccessKeyOf(const std::string& text);

}  // namespace zv
