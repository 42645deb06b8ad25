#pragma once
// The shortcut menu's icons: the system image list at the size for the
// menu's DPI. Under Wine each image is kept as an icon once drawn, since
// there every ImageList_Draw costs round trips to the server; on Windows it
// costs none, and the list draws them itself.
#include <windows.h>

#include "components/systemimagelist.h"
#include "platform/runningunderwine.h"
#include "ui/iconpictures_win32.h"
#include "ui/tmenupainter.h"

namespace zv {

class tsystemimageicons : public ticonsource {
 public:
  // The list must outlive this. keepIcons: drawn through kept icons.
  explicit tsystemimageicons(const TdfsSystemImageList& list, bool keepIcons = RunningUnderWine())
      : list_(list), keepIcons_(keepIcons) {}
  int IconWidth() const override { return list_.Width() > 0 ? list_.Width() : 16; }
  int IconHeight() const override { return list_.Height() > 0 ? list_.Height() : 16; }
  void DrawIcon(HDC dc, int index, int x, int y) const override {
    if (index < 0 || index >= list_.Count()) return;
    if (!keepIcons_) {
      list_.Draw(dc, x, y, index);
      return;
    }
    HICON icon = pictures_.Get(list_.Handle(), index, [&] { return static_cast<HICON>(list_.GetIcon(index)); });
    if (!icon || !DrawIconEx(dc, x, y, icon, IconWidth(), IconHeight(), 0, nullptr, DI_NORMAL))
      list_.Draw(dc, x, y, index);
  }
  // The kept icons let go, so images the shell has changed are taken anew.
  void Forget() { pictures_.Clear(); }

 private:
  const TdfsSystemImageList& list_;
  const bool keepIcons_;
  mutable ticonpictures pictures_;
};

}  // namespace zv
