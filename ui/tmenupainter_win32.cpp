#include "ui/tmenupainter.h"

#include <algorithm>
#include <string>

#include "platform/win32text.h"
#include "toolkit/colourmode.h"
#include "toolkit/dpi.h"
#include "toolkit/fontman_win32.h"

namespace zv {

namespace {

class tdcmeasure : public ttextmeasure {
 public:
  explicit tdcmeasure(HDC dc) : dc_(dc) {}
  int TextWidth(const std::string& text) const override { return Extent(text).cx; }
  int TextHeight(const std::string& text) const override { return Extent(text).cy; }

 private:
  SIZE Extent(const std::string& text) const {
    return TextExtent(dc_, text);
  }
  HDC dc_;
};

}  // namespace

int timagelisticons::IconWidth() const {
  int w = 16, h = 16;
  if (list_) ImageList_GetIconSize(list_, &w, &h);
  return w;
}

int timagelisticons::IconHeight() const {
  int w = 16, h = 16;
  if (list_) ImageList_GetIconSize(list_, &w, &h);
  return h;
}

void timagelisticons::DrawIcon(HDC dc, int index, int x, int y) const {
  if (list_ && index >= 0 && index < ImageList_GetImageCount(list_))
    ImageList_Draw(list_, index, dc, x, y, ILD_TRANSPARENT);
}

tfont CreateMenuFont(int dpi) { return CreateMenuFont(ScreenFontFamilies(), dpi); }

tfont CreateMenuFont(const tfontfamilies& installed, int dpi) {
  LOGFONTA font = MenuLogFontForDpi(dpi > 0 ? dpi : SystemDpi());
  const std::string face = MenuFontFace(font.lfFaceName, installed);
  lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
  return tfont(CreateFontIndirectA(&font));
}

tmenupainter::tmenupainter(const ticonsource& icons) : icons_(icons) {}

int tmenupainter::Dpi() const { return dpi_ > 0 ? dpi_ : SystemDpi(); }

HFONT tmenupainter::Font() const {
  const int dpi = Dpi();
  if (!font_ || fontDpi_ != dpi) {
    font_ = CreateMenuFont(dpi);
    fontDpi_ = dpi;
  }
  return font_.Get();
}

tmenustyle tmenupainter::Style() const { return {icons_.IconWidth(), icons_.IconHeight(), Dpi()}; }

void tmenupainter::MeasureItem(const tmenuentry& entry, MEASUREITEMSTRUCT& mis) const {
  tmemorydc dc;
  tselection selectFont(dc.Get(), Font());
  const tmenuitemsize size = MeasureMenuItem(entry, Style(), tdcmeasure(dc.Get()));
  mis.itemWidth = static_cast<UINT>(size.Width);
  mis.itemHeight = static_cast<UINT>(size.Height);
}

std::vector<tmenuitemsize> tmenupainter::MeasureItems(const std::vector<const tmenuentry*>& entries) const {
  std::vector<tmenuitemsize> sizes;
  sizes.reserve(entries.size());
  tmemorydc dc;
  tselection selectFont(dc.Get(), Font());
  const tmenustyle style = Style();
  const tdcmeasure measure(dc.Get());
  for (const tmenuentry* e : entries) sizes.push_back(MeasureMenuItem(*e, style, measure));
  return sizes;
}

void tmenupainter::DrawItem(const tmenuentry& entry, const DRAWITEMSTRUCT& dis) const {
  const RECT& r = dis.rcItem;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  if (!Canvas(dis.hDC, w, h)) return;
  const tmemorydc& dc = *canvasDc_;
  tselection selectFont(dc.Get(), Font());

  const tmenuitemlayout l =
      LayoutMenuItem(entry, Style(), w, h, (dis.itemState & ODS_SELECTED) != 0, tdcmeasure(dc.Get()));
  const tpalette& p = CurrentPalette();
  const COLORREF background = Gdi(l.Highlighted ? p.MenuSelection : p.MenuBackground);
  const COLORREF text = Gdi(l.Highlighted ? p.MenuSelectionText : l.Grayed ? p.MenuDisabledText : p.MenuText);
  {
    tbrush fill(CreateSolidBrush(background));
    RECT all = {0, 0, w, h};
    FillRect(dc.Get(), &all, fill.Get());
  }
  if (l.HasStrip && StripSource(dc.Get())) {
    SetStretchBltMode(dc.Get(), COLORONCOLOR);
    StretchBlt(dc.Get(), 0, 0, l.StripRight, h, stripDc_->Get(), 0, 0, StripRampWidth, 1, SRCCOPY);
  }
  if (l.HasIcon) icons_.DrawIcon(dc.Get(), l.ImageIndex, l.IconX, l.IconY);
  SetTextColor(dc.Get(), text);
  SetBkColor(dc.Get(), background);
  SetBkMode(dc.Get(), OPAQUE);
  if (l.HasCaption)
    TextOutText(dc.Get(), l.CaptionX, l.TextY, l.Caption);
  if (l.HasHotkey)
    TextOutText(dc.Get(), l.HotkeyX, l.TextY, l.HotkeyLabel);
  if (l.HasLine) {
    tpen pen(CreatePen(PS_SOLID, l.LineWidth, Gdi(p.MenuLine)));
    tselection selectPen(dc.Get(), pen.Get());
    MoveToEx(dc.Get(), l.LineFromX, l.LineY, nullptr);
    LineTo(dc.Get(), l.LineToX, l.LineY);
  }
  BitBlt(dis.hDC, r.left, r.top, w, h, dc.Get(), 0, 0, SRCCOPY);
  // The system draws a group's submenu arrow after this, as a glyph in the
  // item's text and background colours: the ones used here.
  SetTextColor(dis.hDC, text);
  SetBkColor(dis.hDC, background);
}

// The pictures stay selected in their device contexts from item to item:
// under Wine each selection of a bitmap is a round trip to the server.
bool tmenupainter::Canvas(HDC target, int w, int h) const {
  if (!canvasDc_) canvasDc_ = std::make_unique<tmemorydc>(target);
  if (!*canvasDc_) {
    canvasDc_.reset();
    return false;
  }
  if (canvas_ && w <= canvasWidth_ && h <= canvasHeight_) return true;
  const int width = std::max(w, canvasWidth_), height = std::max(h, canvasHeight_);
  tbitmap grown(CreateCompatibleBitmap(target, width, height));
  if (!grown) return false;
  SelectObject(canvasDc_->Get(), grown.Get());
  canvas_ = std::move(grown);  // the smaller one, no longer selected, goes
  canvasWidth_ = width;
  canvasHeight_ = height;
  return true;
}

bool tmenupainter::StripSource(HDC compatibleWith) const {
  const tpalette& p = CurrentPalette();
  if (!strip_ || stripFrom_ != p.StripFrom || stripTo_ != p.StripTo) {
    stripDc_.reset();
    strip_ = CreateRgbBitmap(StripRampWidth, 1, [&p](int x, int) {
      return Gdi(RampColour(p.StripFrom, p.StripTo, x, StripRampWidth));
    });
    stripFrom_ = p.StripFrom, stripTo_ = p.StripTo;
  }
  if (!strip_) return false;
  if (!stripDc_) {
    stripDc_ = std::make_unique<tmemorydc>(compatibleWith);
    if (!*stripDc_ || !SelectObject(stripDc_->Get(), strip_.Get())) {
      stripDc_.reset();
      return false;
    }
  }
  return true;
}

}  // namespace zv
