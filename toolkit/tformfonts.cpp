// A form's fonts: the dialog face with its fallback, at the form's DPI, and
// the controls fitted to a face wider than the one the layout was made for.
#include <algorithm>

#include "toolkit/tform.h"
#include "toolkit/fontman_win32.h"

namespace zv {

namespace {

// The described font with its 96-DPI height in pixels for the DPI.
tfont CreateFontAtDpi(tfontdescription font, const tdpiscale& scale) {
  font.Height = scale(font.Height);
  return CreateDescribedFont(font);
}

}  // namespace

void tform::ApplyFontFallback() {
  ::zv::ApplyFontFallback(fonts_);
  RealizeFonts();
}

void tform::RealizeFonts() {
  tfont form = CreateFontAtDpi(fonts_.Font, scale_);
  std::vector<tfont> own(fonts_.Components.size());
  for (std::size_t i = 0; i < fonts_.Components.size(); ++i)
    if (!fonts_.Components[i].ParentFont) own[i] = CreateFontAtDpi(fonts_.Components[i].Font, scale_);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    const int c = labelComponent_[i];
    const bool ownFont = c >= 0 && !fonts_.Components[static_cast<std::size_t>(c)].ParentFont;
    labels_[i]->SetFont(ownFont ? own[static_cast<std::size_t>(c)].Get() : form.Get());
  }
  for (auto& c : containers_) c->SetFont(form.Get());
  for (HWND control : controls_) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(form.Get()), TRUE);
  formFont_ = std::move(form);
  ownFonts_ = std::move(own);
  FitToFonts();
}

// A substitute face may be wider than the one the layout was made for:
// check boxes grow to their captions, and containers and the form grow to
// what they hold, so no text is cut. With the designed face nothing moves.
void tform::FitToFonts() {
  if (!Handle()) return;
  for (HWND control : controls_) {
    if (!IsClassOf(control, "Button")) continue;
    const LONG style = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    if (style != BS_AUTOCHECKBOX && style != BS_CHECKBOX) continue;
    RECT r;
    GetWindowRect(control, &r);
    const int need = MeasureText(formFont_.Get(), WindowTextOf(control)).cx +
                     SystemMetricForDpi(SM_CXMENUCHECK, Dpi()) + Scaled(6);
    if (need > r.right - r.left)
      SetWindowPos(control, nullptr, 0, 0, need, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // A control on the row of its label moves right of a label that grew, and
  // keeps its right edge.
  const int gap = Scaled(4);
  for (auto& label : labels_) {
    HWND target = label->FocusControl;
    if (!target || GetParent(target) != GetParent(label->Handle())) continue;
    RECT l, t;
    GetWindowRect(label->Handle(), &l);
    GetWindowRect(target, &t);
    const bool sameRow = l.top < t.bottom && t.top < l.bottom;
    if (!sameRow || t.left < l.left || l.right + gap <= t.left) continue;
    const int shift = l.right + gap - t.left;
    MapWindowPoints(nullptr, GetParent(target), reinterpret_cast<POINT*>(&t), 2);
    SetWindowPos(target, nullptr, t.left + shift, t.top, std::max<int>(t.right - t.left - shift, Scaled(20)),
                 t.bottom - t.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  auto widestChild = [](HWND parent) {
    int right = 0;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      RECT r;
      GetWindowRect(c, &r);
      MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
      right = std::max<int>(right, r.right);
    }
    return right;
  };
  for (auto it = containers_.rbegin(); it != containers_.rend(); ++it) {
    HWND box = (*it)->Handle();
    RECT r;
    GetClientRect(box, &r);
    const bool framed = GetWindowTextLengthA(box) > 0;
    int need = widestChild(box) + (framed ? Scaled(8) : 0);
    if (framed) need = std::max<int>(need, MeasureText(formFont_.Get(), WindowTextOf(box), true).cx + Scaled(16));
    if (need > r.right)
      SetWindowPos(box, nullptr, 0, 0, need, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT client;
  GetClientRect(Handle(), &client);
  const int need = widestChild(Handle()) + Scaled(8);
  if (need > client.right) {
    const SIZE size = WindowSizeForClientAtDpi(need, client.bottom, FormStyle(), FormExStyle(), Dpi());
    SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace zv
