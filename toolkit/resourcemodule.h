#pragma once
// Where the program's pictures come from: the executable itself, or for
// tests a copy of the program loaded as data.
#include <windows.h>

namespace zv {

HINSTANCE ResourceModule();
void SetResourceModule(HINSTANCE module);  // null: the executable again

// Null when the picture is missing.
HICON LoadIconResource(int id, int size);
// LR_CREATEDIBSECTION, so 32-bit pictures keep their alpha.
HBITMAP LoadBitmapResource(int id);

}  // namespace zv
