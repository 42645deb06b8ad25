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
// The bitmap drawn for the artwork scale nearest to dpi (125 % and up are
// the ids id + IDB_SCALESTEP x step); the 96-DPI one where that is missing.
HBITMAP LoadBitmapResourceForDpi(int id, int dpi);

}  // namespace zv
