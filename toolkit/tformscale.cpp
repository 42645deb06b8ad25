// A form on a monitor of another DPI: the size the system suggests, then
// fonts, controls and pictures again for the new DPI.
#include "toolkit/tform.h"

namespace zv {

SIZE tform::OuterSize() const {
  return WindowSizeForClientAtDpi(Scaled(clientWidth_), Scaled(clientHeight_), FormStyle(), FormExStyle(), Dpi());
}

POINT tform::LeastOuterSize() const {
  // The least client area is the one the least outer size leaves at 96 DPI,
  // scaled; the frame is the one the window has. Frames do not grow in step
  // with the DPI, so scaling the outer size would not keep the same client.
  const SIZE frame96 = WindowSizeForClientAtDpi(0, 0, FormStyle(), FormExStyle(), DesignDpi);
  RECT outer = {}, client = {};
  GetWindowRect(Handle(), &outer);
  GetClientRect(Handle(), &client);
  const int frameW = outer.right - outer.left - client.right, frameH = outer.bottom - outer.top - client.bottom;
  return POINT{Scaled(minOuter_.cx - frame96.cx) + frameW, Scaled(minOuter_.cy - frame96.cy) + frameH};
}

void tform::FitClient(int w, int h) {
  // The frame the window really has may differ from the one the system
  // computes for the DPI (a window laid out for another monitor's DPI).
  RECT outer, client;
  GetWindowRect(Handle(), &outer);
  GetClientRect(Handle(), &client);
  if (client.right == w && client.bottom == h) return;
  SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left + w - client.right,
               outer.bottom - outer.top + h - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void tform::ChangeDpi(int dpi, const RECT* suggested) {
  if (dpi <= 0 || !Handle()) return;
  const bool changed = dpi != Dpi();
  scale_ = tdpiscale(dpi);
  // A sizeable form takes the suggested rectangle; a fixed one keeps its
  // designed client size, at the suggested place.
  if (suggested) {
    const SIZE size = sizeable_ ? SIZE{suggested->right - suggested->left, suggested->bottom - suggested->top}
                                : OuterSize();
    SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (!sizeable_) FitClient(Scaled(clientWidth_), Scaled(clientHeight_));
  if (changed) {
    for (const tplacement& p : placements_) {
      const RECT r = scale_.Rect(p.Designed);
      for (auto& label : labels_)
        if (label->Handle() == p.Control) label->SetBox(r.right - r.left, r.bottom - r.top);
      SetWindowPos(p.Control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (auto& g : graphics_) g->Bounds = scale_.Rect(g->Designed);
    ReloadPictures();
    ShowIconAndTitle();
    RealizeFonts();
  }
  FormDpiChanged();
  InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace zv
