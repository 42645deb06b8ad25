#pragma once
// What accessibility tools read of a command link: the system's own object
// for the window, but with the link role, its text without the access
// key's ampersand as name, the key as its keyboard shortcut and a click as
// its default action. oleacc is loaded when a tool first asks.
#include <windows.h>

namespace zv {

// The answer to WM_GETOBJECT for the link window (its client object); 0,
// as DefWindowProc would answer, for other objects or without oleacc.
LRESULT AnswerLinkObject(HWND link, WPARAM wp, LPARAM lp);

}  // namespace zv
