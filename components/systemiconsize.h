#pragma once
// Which of the shell's image lists a window draws its icons from. The shell
// makes its lists for the screen's DPI; a window on a monitor of another
// DPI wants the system's icon size for that DPI instead.
#include <vector>

namespace zv {

// Of the image sizes of the shell's lists, the index of the one to draw an
// icon of the wanted size from: one of that size, else the smallest larger
// one (shrinking stays sharper than enlarging), else the largest; -1 when
// no size is above 0.
int ChooseSystemList(int wanted, const std::vector<int>& sizes);

}  // namespace zv
