#include "toolkit/tform.h"

#include <commctrl.h>

#include <algorithm>

#include "model/textutil.h"
#include "platform/win32text.h"
#include "resources/resource.h"
#include "toolkit/resourcemodule.h"
#include "ui/accesskey.h"
#include "ui/fontman_win32.h"

namespace zv {

namespace {

const DWORD FixedFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
const DWORD FormExStyle = WS_EX_CONTROLPARENT;

bool IsClass(HWND wnd, const char* name) {
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof(cls));
  return lstrcmpiA(cls, name) == 0;
}

struct tdisabling {
  HWND Form;
  std::vector<HWND>* Windows;
};

BOOL CALLBACK DisableOther(HWND wnd, LPARAM p) {
  auto* d = reinterpret_cast<tdisabling*>(p);
  if (wnd != d->Form && IsWindowVisible(wnd) && IsWindowEnabled(wnd)) {
    EnableWindow(wnd, FALSE);
    d->Windows->push_back(wnd);
  }
  return TRUE;
}

}  // namespace

std::string WindowTextOf(HWND wnd) { return WindowText(wnd); }

tform::tform(std::string formClass, std::string caption, int clientWidth, int clientHeight)
    : formClass_(std::move(formClass)),
      caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

void tform::SetSizeable(int minOuterWidth, int minOuterHeight) {
  sizeable_ = true;
  minOuter_ = SIZE{minOuterWidth, minOuterHeight};
}

DWORD tform::FormStyle() const {
  return sizeable_ ? FixedFormStyle | WS_THICKFRAME | WS_MAXIMIZEBOX : FixedFormStyle;
}

void tform::Fail(std::exception_ptr error) {
  if (!error_) error_ = std::move(error);
  if (modal_) modalResult_ = tmodalresult::Cancel;
}

tform::~tform() {
  // Children first, while their objects still live.
  Destroy();
}

bool tform::CreateForm() {
  if (Handle()) return true;
  if (!RegisterWindowClass(formClass_.c_str(), 0, nullptr,
                           LoadIconA(ResourceModule(), MAKEINTRESOURCEA(IDI_ZORVANE))))
    return false;
  const SIZE size = WindowSizeForClient(clientWidth_, clientHeight_, FormStyle(), FormExStyle);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
  if (!Create(formClass_.c_str(), caption_.c_str(), FormStyle(), FormExStyle, x, y, size.cx, size.cy))
    return false;
  RealizeFonts();
  BuildControls();
  RealizeFonts();
  FormCreate();
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
  return true;
}

tmodalresult tform::ShowModal() {
  if (!Handle()) return tmodalresult::Cancel;
  modalResult_ = tmodalresult::None;
  modal_ = true;
  std::vector<HWND> disabled;
  tdisabling d{Handle(), &disabled};
  EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(&d));
  // Whatever ends the loop, the other windows come back before this one
  // hides, so the activation returns to them.
  struct tguard {
    tform& Form;
    std::vector<HWND>& Disabled;
    ~tguard() {
      for (HWND w : Disabled)
        if (IsWindow(w)) EnableWindow(w, TRUE);
      if (Form.Handle()) ShowWindow(Form.Handle(), SW_HIDE);
      Form.modal_ = false;
    }
  } guard{*this, disabled};

  FormShow();
  bool quit = false;
  WPARAM quitCode = 0;
  if (modalResult_ == tmodalresult::None && Handle()) {
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    HWND focus = GetFocus();
    if (!focus || !IsChild(Handle(), focus)) {
      if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) SetFocus(first);
    }
    UpdateWindow(Handle());
  }
  MSG msg;
  while (modalResult_ == tmodalresult::None && !error_) {
    if (!Handle()) {
      modalResult_ = tmodalresult::Cancel;
      break;
    }
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      // The program is ending: close as Cancel, and leave the quit request
      // for the loop that runs the program.
      quit = true;
      quitCode = msg.wParam;
      modalResult_ = tmodalresult::Cancel;
      break;
    }
    if (got < 0) {
      modalResult_ = tmodalresult::Cancel;
      break;
    }
    if (!PreviewMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
  return modalResult_;
}

void tform::Close(tmodalresult result) {
  modalResult_ = result == tmodalresult::None ? tmodalresult::Cancel : result;
  if (!modal_ && Handle()) ShowWindow(Handle(), SW_HIDE);
}

bool tform::PreviewMessage(MSG& msg) {
  if (!Handle() || (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))) return false;
  if (msg.message == WM_KEYDOWN && FormKeyDown(msg.wParam)) return true;
  HWND focus = GetFocus();
  const bool hotkeyFocused = focus && IsClass(focus, HOTKEY_CLASSA);
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) &&
      GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
    // Only the character goes on, to the form's key preview.
    TranslateMessage(&msg);
    return true;
  }
  if (msg.message == WM_CHAR) {
    char key = static_cast<char>(msg.wParam);
    FormKeyPress(key);
    if (key == 0) return true;
    msg.wParam = static_cast<unsigned char>(key);
  }
  if (msg.message == WM_SYSCHAR && hotkeyFocused) return true;  // Alt+letter is a hotkey there
  if (msg.message == WM_SYSCHAR ||
      (msg.message == WM_CHAR && focus &&
       !(SendMessageA(focus, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&msg)) & DLGC_WANTCHARS))) {
    if (LabelAccessKey(static_cast<char>(msg.wParam))) return true;
  }
  return IsDialogMessageA(Handle(), &msg) != FALSE;
}

bool tform::LabelAccessKey(char key) {
  for (auto& label : labels_) {
    HWND target = label->FocusControl;
    if (!target || !label->Handle()) continue;
    const char accel = AccessKeyOf(label->Text());
    if (!accel || AsciiUpper(accel) != AsciiUpper(key)) continue;
    if (!IsWindowVisible(label->Handle()) || !IsWindowVisible(target) || !IsWindowEnabled(target))
      continue;
    SetFocus(target);
    if (IsClass(target, "Edit")) SendMessageA(target, EM_SETSEL, 0, -1);
    return true;
  }
  return false;
}

LRESULT tform::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  try {
    return FormProc(msg, wp, lp);
  } catch (...) {
    // Errors must not unwind through the system's frames: the modal loop
    // ends and throws it on.
    if (!error_) error_ = std::current_exception();
    if (modal_) modalResult_ = tmodalresult::Cancel;
    return 0;
  }
}

LRESULT tform::FormProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      tbufferedpaint paint(Handle());
      PaintGraphics(paint.Get(), paint.Client());
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_COMMAND: {
      if (lp) {
        auto it = commands_.find(LOWORD(wp));
        if (it != commands_.end() && it->second) it->second(HIWORD(wp));
      }
      return 0;
    }
    case WM_DRAWITEM: {
      auto it = drawers_.find(static_cast<int>(wp));
      if (it == drawers_.end()) break;
      it->second(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wp) == Handle() && LOWORD(lp) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(Handle(), &p);
        tgraphic* g = GraphicAt(p);
        if (g && g->HandCursor) {
          SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: {
      tgraphic* g = msg == WM_CAPTURECHANGED ? nullptr : ClickableAt(lp);
      if (TrackClick(Handle(), pictureClick_, g, msg)) g->OnClick();
      return 0;
    }
    case WM_CLOSE:
      if (FormCloseQuery()) Close(tmodalresult::Cancel);
      return 0;
    case WM_GETMINMAXINFO:
      if (!sizeable_) break;
      reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = POINT{minOuter_.cx, minOuter_.cy};
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) savedFocus_ = focus;
      } else if (!HIWORD(wp)) {
        if (savedFocus_ && IsWindow(savedFocus_) && IsWindowVisible(savedFocus_) &&
            IsWindowEnabled(savedFocus_))
          SetFocus(savedFocus_);
        else if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE))
          SetFocus(first);
      }
      return 0;
    case WM_NEXTDLGCTL: {
      HWND target = LOWORD(lp) ? reinterpret_cast<HWND>(wp)
                               : GetNextDlgTabItem(Handle(), GetFocus(), wp != 0);
      if (target) SetFocus(target);
      return 0;
    }
    default:
      break;
  }
  return FormMessage(msg, wp, lp);
}

LRESULT tform::FormMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

void tform::PaintGraphics(HDC dc, const RECT& area) {
  SetBkColor(dc, RGB(255, 255, 255));
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
  for (auto& g : graphics_) {
    RECT common;
    if (g->Visible && IntersectRect(&common, &g->Bounds, &area)) g->Paint(dc);
  }
}

void tform::PaintBackground(HDC dc, HWND child) {
  RECT r;
  GetClientRect(child, &r);
  MapWindowPoints(child, Handle(), reinterpret_cast<POINT*>(&r), 2);
  POINT old;
  OffsetViewportOrgEx(dc, -r.left, -r.top, &old);
  PaintGraphics(dc, r);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

tgraphic* tform::GraphicAt(POINT p) {
  for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it)
    if ((*it)->Contains(p)) return it->get();
  return nullptr;
}

tgraphic* tform::ClickableAt(LPARAM lp) {
  tgraphic* g = GraphicAt(POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
  return g && g->OnClick ? g : nullptr;
}

void tform::ApplyFontFallback() {
  ::zv::ApplyFontFallback(fonts_);
  RealizeFonts();
}

void tform::RealizeFonts() {
  tfont form = CreateDescribedFont(fonts_.Font);
  std::vector<tfont> own(fonts_.Components.size());
  for (std::size_t i = 0; i < fonts_.Components.size(); ++i)
    if (!fonts_.Components[i].ParentFont) own[i] = CreateDescribedFont(fonts_.Components[i].Font);
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
    if (!IsClass(control, "Button")) continue;
    const LONG style = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    if (style != BS_AUTOCHECKBOX && style != BS_CHECKBOX) continue;
    RECT r;
    GetWindowRect(control, &r);
    const int need = MeasureText(formFont_.Get(), WindowTextOf(control)).cx +
                     GetSystemMetrics(SM_CXMENUCHECK) + 6;
    if (need > r.right - r.left)
      SetWindowPos(control, nullptr, 0, 0, need, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // A control on the row of its label moves right of a label that grew, and
  // keeps its right edge.
  for (auto& label : labels_) {
    HWND target = label->FocusControl;
    if (!target || GetParent(target) != GetParent(label->Handle())) continue;
    RECT l, t;
    GetWindowRect(label->Handle(), &l);
    GetWindowRect(target, &t);
    const bool sameRow = l.top < t.bottom && t.top < l.bottom;
    if (!sameRow || t.left < l.left || l.right + 4 <= t.left) continue;
    const int shift = l.right + 4 - t.left;
    MapWindowPoints(nullptr, GetParent(target), reinterpret_cast<POINT*>(&t), 2);
    SetWindowPos(target, nullptr, t.left + shift, t.top, std::max<int>(t.right - t.left - shift, 20),
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
    int need = widestChild(box) + (framed ? 8 : 0);
    if (framed) need = std::max<int>(need, MeasureText(formFont_.Get(), WindowTextOf(box), true).cx + 16);
    if (need > r.right)
      SetWindowPos(box, nullptr, 0, 0, need, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const int need = widestChild(Handle()) + 8;
  if (need > clientWidth_) {
    clientWidth_ = need;
    const SIZE size = WindowSizeForClient(clientWidth_, clientHeight_, FormStyle(), FormExStyle);
    SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// ---- building

timage& tform::AddImage(int x, int y, int w, int h) {
  auto image = std::make_unique<timage>();
  image->Bounds = RECT{x, y, x + w, y + h};
  timage& result = *image;
  graphics_.push_back(std::move(image));
  return result;
}

tshape& tform::AddShape(int x, int y, int w, int h) {
  auto shape = std::make_unique<tshape>();
  shape->Bounds = RECT{x, y, x + w, y + h};
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
  label->Create(parent, NextId(), text, x, y, w, h);
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
  auto box = std::make_unique<tcontainer>();
  box->Create(parent ? parent : Handle(), true, caption, x, y, w, h);
  box->SetFont(formFont_.Get());
  tcontainer& result = *box;
  containers_.push_back(std::move(box));
  return result;
}

tcontainer& tform::AddPanel(HWND parent, int x, int y, int w, int h) {
  auto panel = std::make_unique<tcontainer>();
  panel->Create(parent ? parent : Handle(), false, "", x, y, w, h);
  panel->SetFont(formFont_.Get());
  tcontainer& result = *panel;
  containers_.push_back(std::move(panel));
  return result;
}

tspeedbutton& tform::AddSpeedButton(HWND parent, int x, int y, int w, int h) {
  auto button = std::make_unique<tspeedbutton>();
  button->Create(parent ? parent : Handle(), NextId(), x, y, w, h);
  tspeedbutton& result = *button;
  buttons_.push_back(std::move(button));
  return result;
}

HWND tform::AddControl(HWND parent, const char* windowClass, const std::string& text, DWORD style,
                       DWORD exStyle, int x, int y, int w, int h) {
  HWND control = CreateWindowExA(exStyle, windowClass, text.c_str(),
                                 style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, w, h,
                                 parent ? parent : Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextId())),
                                 GetModuleHandleA(nullptr), nullptr);
  if (!control) return nullptr;
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
  leftimg->SetBitmap(LoadBitmapResource(IDB_RAMP), false);
  zvimg = &AddImage(8, 8, 32, 32);
  titleimg = &AddImage(48, 24, titleWidth, titleHeight);
  titleimg->SetBitmap(LoadBitmapResource(titleBitmap), true);
}

void tform::ShowIconAndTitle() {
  if (zvimg) zvimg->SetIcon(LoadIconResource(IDI_ZORVANE, 32), 32);
  if (zvimg && titleimg) titleimg->MoveTo(zvimg->Bounds.left + 40, zvimg->Bounds.top + 16);
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
    picture.SetIcon(LoadIconResource(pictureIcon, 16), 16);
  else
    picture.SetBitmap(LoadBitmapResource(pictureBitmap), true);
  tfontdescription font = fonts_.Font;
  font.Bold = bold;
  font.Underline = true;
  font.Colour = LinkColour;
  tlabel& label = AddOwnFontLabel(nullptr, name, text, 28, y, labelWidth, 16, font);
  label.CentreVertically = true;
  label.HandCursor = true;
  OnCommand(label, std::move(click));
  return label;
}

}  // namespace zv
