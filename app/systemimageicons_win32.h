#pragma once
// The shortcut menu's icons: the system image list at the size for the
// menu's DPI.
#include <windows.h>

#include "components/systemimagelist.h"
#include "ui/tmenupainter.h"

namespace zv {

class tsystemimageicons : public ticonsource {
 public:
  // The list must outlive this.
  explicit tsystemimageicons(const TdfsSystemImageList& list) : list_(list) {}
  int IconWidth() const override { return list_.Width() > 0 ? list_.Width() : 16; }
  int IconHeight() const override { return list_.Height() > 0 ? list_.Height() : 16; }
  void DrawIcon(HDC dc, int index, int x, int y) const override {
    if (index >= 0 && index < list_.Count()) list_.Draw(dc, x, y, index);
  }

 private:
  const TdfsSystemImageList& list_;
};

}  // namespace zv
