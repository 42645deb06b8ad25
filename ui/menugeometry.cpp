#include "ui/menugeometry.h"

#include <algorithm>

#include "core/codepage.h"
#include "core/dpiscale.h"

namespace zv {

int MenuSeparatorHeightForDpi(int dpi) { return ScaleForDpi(MenuSeparatorHeight, dpi); }

std::string MenuHotkeyLabel(const std::string& hotkeyText) { return "(" + hotkeyText + ")"; }

namespace {

const std::string& CaptionOf(const tmenuentry& entry) {
  static const std::string separator = SeparatorCaption;
  return entry.Separator ? separator : entry.Caption;
}

}  // namespace

tmenuitemsize MeasureMenuItem(const tmenuentry& entry, const tmenustyle& style,
                              const ttextmeasure& measure) {
  auto px = [&style](int figure) { return ScaleForDpi(figure, style.Dpi); };
  tmenuitemsize size;
  size.Width = measure.TextWidth(CaptionOf(entry)) + style.IconWidth + px(16);
  if (!entry.Separator && entry.ShowsHotkey())
    size.Width += measure.TextWidth(MenuHotkeyLabel(entry.HotkeyText)) + px(8);
  if (entry.Group) size.Width += px(MenuArrowRoom);
  size.Height = entry.Separator
                    ? MenuSeparatorHeightForDpi(style.Dpi)
                    : std::max(measure.TextHeight(ProgramText(MenuHeightProbe)), style.IconHeight + px(4));
  return size;
}

tmenuitemlayout LayoutMenuItem(const tmenuentry& entry, const tmenustyle& style, int width,
                               int height, bool selected, const ttextmeasure& measure) {
  auto px = [&style](int figure) { return ScaleForDpi(figure, style.Dpi); };
  tmenuitemlayout l;
  l.Width = width;
  l.Height = height;
  // A separator or a disabled item cannot be chosen, so it never shows as
  // selected.
  l.Highlighted = selected && !entry.Separator && !entry.Disabled;
  l.Grayed = entry.Disabled;
  l.HasStrip = !l.Highlighted;
  l.StripRight = style.IconWidth + px(8);
  l.IconX = px(4);
  l.IconY = px(2);
  l.HasIcon = !entry.Separator && entry.ImageIndex >= 0;
  l.ImageIndex = l.HasIcon ? entry.ImageIndex : -1;
  if (entry.Separator) {
    l.HasLine = true;
    l.LineFromX = px(14);
    l.LineToX = width - px(14);
    l.LineY = px(2);
    l.LineWidth = px(1);
    return l;
  }
  l.HasCaption = true;
  l.Caption = entry.Caption;
  l.CaptionX = style.IconWidth + px(12);
  l.TextY = (height - measure.TextHeight(ProgramText(MenuHeightProbe))) / 2;
  if (entry.ShowsHotkey()) {
    l.HasHotkey = true;
    l.HotkeyLabel = MenuHotkeyLabel(entry.HotkeyText);
    l.HotkeyX = width - measure.TextWidth(l.HotkeyLabel) - px(3);
  }
  return l;
}

}  // namespace zv
