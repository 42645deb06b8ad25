#pragma once
// Comparing without regard to case in every script the program's users
// write in, without asking the system: the simple case folding, which maps
// one character to one, so that a text keeps its character count.
namespace zv {

// The folded form of c: the small letter of a capital (Latin, Greek,
// Cyrillic, Armenian, Georgian, Coptic, Glagolitic, fullwidth Latin and
// more), the one form of letters with two small forms (final sigma to
// sigma, long s to s); anything else is itself. Folding twice changes
// nothing more.
char32_t FoldCase(char32_t c);
// A character FoldCase changes, except the second small forms (final sigma,
// long s, micro sign, the Greek symbol variants).
bool IsCapital(char32_t c);

}  // namespace zv
