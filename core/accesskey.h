#pragma once
// The access keys of the dialogs' labels and links: which letter a text's
// ampersand marks, the text as read aloud, and a key for a text without one.
#include <string>

namespace zv {

// Where the single ampersand before the access key stands ("&&" is a
// literal one); npos when there is none.
std::size_t AccessKeyMark(const std::string& text);
// The letter after it; 0 when there is none.
char AccessKeyOf(const std::string& text);

// The text as shown: single ampersands gone, doubled ones single.
std::string WithoutAccessKeys(const std::string& text);

// The text with an access key that is none of the letters in taken (any
// case): the first letter of its first word, else of a later word, else any
// later ASCII letter or digit. A text that has a key, or has no free letter,
// comes back as it is.
std::string WithFreeAccessKey(const std::string& text, const std::string& taken);

// "Alt+O" for "&OK": the key as screen readers announce it; "" for none.
std::string AccessKeyName(const std::string& text);

}  // namespace zv
