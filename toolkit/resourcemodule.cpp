#include "toolkit/resourcemodule.h"

#include "resources/resource.h"
#include "core/dpiscale.h"

namespace zv {

namespace {
HINSTANCE chosenModule = nullptr;
}

HINSTANCE ResourceModule() { return chosenModule ? chosenModule : GetModuleHandleA(nullptr); }

void SetResourceModule(HINSTANCE module) { chosenModule = module; }

HICON LoadIconResource(int id, int size) {
  return static_cast<HICON>(
      LoadImageA(ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}

HBITMAP LoadBitmapResource(int id) {
  return static_cast<HBITMAP>(
      LoadImageA(ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HBITMAP LoadBitmapResourceForDpi(int id, int dpi) {
  const int step = (ArtworkScalePercent(dpi) - 100) / 25;
  if (step > 0)
    if (HBITMAP scaled = LoadBitmapResource(id + IDB_SCALESTEP * step)) return scaled;
  return LoadBitmapResource(id);
}

}  // namespace zv
