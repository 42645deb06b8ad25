// Building a form's controls and its shared look. Every figure given here is
// for 96 DPI: the form places it in pixels for its DPI and remembers it, so
// a change of DPI places it again.
#include "resources/resource.h"
#include "toolkit/colourmode.h"
#include "toolkit/resourcemodule.h"
#include "toolkit/tform.h"

namespace zv {

void tform::Remember(HWND control, const RECT& designed) {
  if (control) placements_.push_back(tplacement{control, designed});
}

void tform::PlaceControl(HWND control, int x, int y, int w, int h) {
  if (!control) return;
  const RECT designed = {x, y, x + w, y + h};
  bool known = false;
  for (tplacement& p : placements_)
    if (p.Control == control) {
      p.Designed = designed;
      known = true;
    }
  if (!known) Remember(control, designed);
  const RECT r = scale_.Rect(designed);
  SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void tform::SetIconPicture(timage& image, int iconId, int size) {
  const int pixels = Scaled(size);
  image.SetIcon(LoadIconResource(iconId, pixels), pixels);
  for (tpicture& p : pictures_)
    if (p.Image == &image) {
      p = tpicture{&image, iconId, size, 0, false};
      return;
    }
  pictures_.push_back(tpicture{&image, iconId, size, 0, false});
}

HBITMAP tform::LoadPicture(const timage& image, int bitmapId) const {
  HBITMAP bitmap = LoadBitmapResourceForDpi(bitmapId, Dpi());
  // The title's dark grey lettering would vanish on a dark window.
  const tpalette& p = CurrentPalette();
  if (&image == titleimg && p.Mode != tcolourmode::Light) TintAlphaBitmap(bitmap, p.FormText);
  return bitmap;
}

void tform::SetBitmapPicture(timage& image, int bitmapId, bool alpha) {
  image.SetBitmap(LoadPicture(image, bitmapId), alpha);
  for (tpicture& p : pictures_)
    if (p.Image == &image) {
      p = tpicture{&image, 0, 0, bitmapId, alpha};
      return;
    }
  pictures_.push_back(tpicture{&image, 0, 0, bitmapId, alpha});
}

void tform::ReloadPictures() {
  for (const tpicture& p : pictures_) {
    if (p.IconId) {
      const int pixels = Scaled(p.IconSize);
      p.Image->SetIcon(LoadIconResource(p.IconId, pixels), pixels);
    } else if (p.BitmapId) {
      p.Image->SetBitmap(LoadPicture(*p.Image, p.BitmapId), p.Alpha);
    }
  }
}

timage& tform::AddImage(int x, int y, int w, int h) {
  auto image = std::make_unique<timage>();
  image->Designed = RECT{x, y, x + w, y + h};
  image->Bounds = scale_.Rect(image->Designed);
  timage& result = *image;
  graphics_.push_back(std::move(image));
  return result;
}

tshape& tform::AddShape(int x, int y, int w, int h) {
  auto shape = std::make_unique<tshape>();
  shape->Designed = RECT{x, y, x + w, y + h};
  shape->Bounds = scale_.Rect(shape->Designed);
  tshape& result = *shape;
  graphics_.push_back(std::move(shape));
  return result;
}

tlabel& tform::AddLabel(HWND parent, const std::string& name, const std::string& text, int x, int y,
                        int w, int h) {
  tbackground* background = this;
  if (!parent) parent = Handle();
  for (auto& c : containers_)
    if (c->Handle() == parent) background = c.get();
  auto label = std::make_unique<tlabel>(*background);
  label->AutoSize = w == 0;
  const RECT designed = {x, y, x + w, y + h};
  const RECT r = scale_.Rect(designed);
  label->Create(parent, NextId(), text, r.left, r.top, r.right - r.left, r.bottom - r.top);
  Remember(label->Handle(), designed);
  tformcomponent component;
  component.Name = name;
  component.IsLabel = true;
  component.Font = fonts_.Font;
  fonts_.Components.push_back(component);
  labelComponent_.push_back(static_cast<int>(fonts_.Components.size()) - 1);
  label->SetFont(formFont_.Get());
  tlabel& result = *label;
  labels_.push_back(std::move(label));
  return result;
}

tlabel& tform::AddOwnFontLabel(HWND parent, const std::string& name, const std::string& text, int x,
                               int y, int w, int h, const tfontdescription& font) {
  tlabel& label = AddLabel(parent, name, text, x, y, w, h);
  tformcomponent& component = fonts_.Components.back();
  component.ParentFont = false;
  component.Font = font;
  label.Colour = static_cast<COLORREF>(font.Colour);
  return label;
}

tcontainer& tform::AddGroupBox(HWND parent, const std::string& caption, int x, int y, int w, int h) {
  return AddContainer(parent, true, caption, x, y, w, h);
}

tcontainer& tform::AddPanel(HWND parent, int x, int y, int w, int h) {
  return AddContainer(parent, false, "", x, y, w, h);
}

tcontainer& tform::AddContainer(HWND parent, bool framed, const std::string& caption, int x, int y,
                                int w, int h) {
  auto box = std::make_unique<tcontainer>();
  const RECT designed = {x, y, x + w, y + h};
  const RECT r = scale_.Rect(designed);
  box->Create(parent ? parent : Handle(), framed, caption, r.left, r.top, r.right - r.left, r.bottom - r.top);
  Remember(box->Handle(), designed);
  box->SetFont(formFont_.Get());
  tcontainer& result = *box;
  containers_.push_back(std::move(box));
  return result;
}

tspeedbutton& tform::AddSpeedButton(HWND parent, int x, int y, int w, int h) {
  auto button = std::make_unique<tspeedbutton>();
  const RECT designed = {x, y, x + w, y + h};
  const RECT r = scale_.Rect(designed);
  button->Create(parent ? parent : Handle(), NextId(), r.left, r.top, r.right - r.left, r.bottom - r.top);
  Remember(button->Handle(), designed);
  tspeedbutton& result = *button;
  buttons_.push_back(std::move(button));
  return result;
}

HWND tform::AddControl(HWND parent, const char* windowClass, const std::string& text, DWORD style,
                       DWORD exStyle, int x, int y, int w, int h) {
  const RECT designed = {x, y, x + w, y + h};
  const RECT r = scale_.Rect(designed);
  HWND control = CreateWindowExA(exStyle, windowClass, text.c_str(),
                                 style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, r.left, r.top,
                                 r.right - r.left, r.bottom - r.top, parent ? parent : Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextId())),
                                 GetModuleHandleA(nullptr), nullptr);
  if (!control) return nullptr;
  Remember(control, designed);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_.Get()), FALSE);
  controls_.push_back(control);
  return control;
}

void tform::OnCommand(HWND control, std::function<void(int)> handler) {
  if (control) commands_[GetDlgCtrlID(control)] = std::move(handler);
}

void tform::OnCommand(tlabel& label, std::function<void()> click) {
  OnCommand(label.Handle(), [click = std::move(click)](int code) {
    if (code == STN_CLICKED && click) click();
  });
}

void tform::OnDrawItem(HWND control, std::function<void(const DRAWITEMSTRUCT&)> handler) {
  if (control) drawers_[GetDlgCtrlID(control)] = std::move(handler);
}

// ---- the shared look

void tform::AddDialogLook(int bandWidth, int titleBitmap, int titleWidth, int titleHeight) {
  leftimg = &AddImage(0, 0, bandWidth, clientHeight_);
  leftimg->Drawing = timage::tdrawing::Stretched;
  // The ramp is meant to be stretched: one picture serves every scale.
  leftimg->SetBitmap(LoadBitmapResource(IDB_RAMP), false);
  zvimg = &AddImage(8, 8, 32, 32);
  titleimg = &AddImage(48, 24, titleWidth, titleHeight);
  SetBitmapPicture(*titleimg, titleBitmap, true);
}

void tform::ShowIconAndTitle() {
  if (zvimg) SetIconPicture(*zvimg, IDI_ZORVANE, 32);
  if (zvimg && titleimg) titleimg->MoveTo(zvimg->Bounds.left + Scaled(40), zvimg->Bounds.top + Scaled(16));
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

tlabel& tform::AddLinkCommand(const std::string& name, const std::string& text, int y, int labelWidth,
                              int pictureIcon, int pictureBitmap, bool bold, std::function<void()> click,
                              timage** pictureOut) {
  timage& picture = AddImage(4, y, 24, 16);
  if (pictureOut) *pictureOut = &picture;
  picture.Drawing = timage::tdrawing::Centred;
  picture.HandCursor = true;
  picture.OnClick = click;
  if (pictureIcon)
    SetIconPicture(picture, pictureIcon, 16);
  else
    SetBitmapPicture(picture, pictureBitmap, true);
  tfontdescription font = fonts_.Font;
  font.Bold = bold;
  font.Underline = true;
  font.Colour = LinkColour;
  tlabel& label = AddOwnFontLabel(nullptr, name, text, 28, y, labelWidth, 16, font);
  label.CentreVertically = true;
  label.MakeLink();
  OnCommand(label, std::move(click));
  return label;
}

}  // namespace zv
