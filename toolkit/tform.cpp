#include "toolkit/tform.h"

#include "platform/runningunderwine.h"
#include "platform/win32text.h"
#include "resources/resource.h"
#include "toolkit/colourmode.h"
#include "toolkit/resourcemodule.h"

namespace zv {

namespace {

const DWORD FixedFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;

}  // namespace

bool IsClassOf(HWND wnd, const char* name) {
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof(cls));
  return lstrcmpiA(cls, name) == 0;
}

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
  // Centred on the screen, for the DPI of the monitor it then stands on.
  scale_ = tdpiscale(forcedDpi_ ? forcedDpi_ : SystemDpi());
  SIZE size = OuterSize();
  if (!Create(formClass_.c_str(), caption_.c_str(), FormStyle(), FormExStyle(), (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2,
              (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2, size.cx, size.cy))
    return false;
  if (!forcedDpi_ && WindowDpi(Handle()) != Dpi()) {
    scale_ = tdpiscale(WindowDpi(Handle()));
    size = OuterSize();
    SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FitClient(Scaled(clientWidth_), Scaled(clientHeight_));
  RealizeFonts();
  BuildControls();
  GiveLinksAccessKeys();
  RealizeFonts();
  ApplyColourMode();
  FormCreate();
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
  return true;
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
    case WM_CTLCOLORBTN: {
      const tpalette& p = CurrentPalette();
      if (p.Mode == tcolourmode::Light) {
        SetBkColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
      }
      SetBkColor(reinterpret_cast<HDC>(wp), Gdi(p.FormBackground));
      SetTextColor(reinterpret_cast<HDC>(wp), Gdi(p.FormText));
      return reinterpret_cast<LRESULT>(PaletteBrush(p.FormBackground));
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      // Light: the system's own colours, as ever.
      const tpalette& p = CurrentPalette();
      if (p.Mode == tcolourmode::Light) break;
      SetBkColor(reinterpret_cast<HDC>(wp), Gdi(p.Row));
      SetTextColor(reinterpret_cast<HDC>(wp), Gdi(p.RowText));
      return reinterpret_cast<LRESULT>(PaletteBrush(p.Row));
    }
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      if (IsColourModeChange(msg, wp, lp)) {
        RefreshColourMode();
        ApplyColourMode();
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      }
      break;
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
      reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = LeastOuterSize();
      return 0;
    case WM_DPICHANGED:
      ChangeDpi(HIWORD(wp), reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_QUERYUISTATE:
      if (RunningUnderWine()) return wineCues_;  // see ChangeCues
      break;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) savedFocus_ = focus;
      } else if (!HIWORD(wp)) {
        if (savedFocus_ && IsWindow(savedFocus_) && IsWindowVisible(savedFocus_) &&
            IsWindowEnabled(savedFocus_))
          SetFocus(savedFocus_);
        else if (HWND first = FirstFocus())
          SetFocus(first);
      }
      FormActivate(LOWORD(wp) != WA_INACTIVE);
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

void tform::ApplyColourMode() {
  ApplyTitleBarMode(Handle());
  for (HWND control : controls_) ApplyControlMode(control);
  // The band: the ramp picture in light, the palette's own ramp otherwise.
  const tpalette& p = CurrentPalette();
  if (leftimg && p.Mode == tcolourmode::Light && paletteBand_) {
    leftimg->SetBitmap(LoadBitmapResource(IDB_RAMP), false);
    paletteBand_ = false;
  } else if (leftimg && p.Mode != tcolourmode::Light) {
    leftimg->SetBitmap(
        CreateRgbBitmap(60, 1, [&p](int x, int) { return Gdi(RampColour(p.BandFrom, p.BandTo, x, 60)); }).Release(),
        false);
    paletteBand_ = true;
  }
  if (titleimg && (p.Mode != tcolourmode::Light || tintedTitle_)) ReloadPictures();
  tintedTitle_ = p.Mode != tcolourmode::Light;
  FormColourModeChanged();
}

void tform::PaintGraphics(HDC dc, const RECT& area) {
  SetBkColor(dc, Gdi(CurrentPalette().FormBackground));
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

}  // namespace zv
