#include "ui/menugeometry.h"

#include <algorithm>

#include "model/codepage.h"

namespace zv {

std::string MenuHotkeyLabel(const std::string& hotkeyText) { return "(" + hotkeyText + ")"; }

namespace {

const std::string& CaptionOf(const tmenuentry& entry) {
  static const std::string separator = SeparatorCaption;
  return entry.Separator ? separator : entry.Caption;
}

}  // namespace

tmenuitemsize MeasureMenuItem(const tmenuentry& entry, const tmenustyle& style,
                              const ttextmeasure& measure) {
  tmenuitemsize size;
  size.Width = measure.TextWidth(CaptionOf(entry)) + style.IconWidth + 16;
  if (!entry.Separator && entry.ShowsHotkey())
    size.Width += measure.TextWidth(MenuHotkeyLabel(entry.HotkeyText)) + 8;
  size.Height = entry.Separator
                    ? MenuSeparatorHeight
                    : std::max(measure.TextHeight(ProgramText(MenuHeightProbe)), style.IconHeight + 4);
  return size;
}

tmenuitemlayout LayoutMenuItem(const tmenuentry& entry, const tmenustyle& style, int width,
                               int height, bool selected, const ttextmeasure& measure) {
  tmenuitemlayout l;
  l.Width = width;
  l.Height = height;
  // A separator cannot be chosen, so it never shows as selected.
  l.Highlighted = selected && !entry.Separator;
  l.HasStrip = !l.Highlighted;
  l.StripRight = style.IconWidth + 8;
  l.HasIcon = !entry.Separator && entry.ImageIndex >= 0;
  l.ImageIndex = l.HasIcon ? entry.ImageIndex : -1;
  if (entry.Separator) {
    l.HasLine = true;
    l.LineToX = width - 14;
    return l;
  }
  l.HasCaption = true;
  l.Caption = entry.Caption;
  l.CaptionX = style.IconWidth + 12;
  l.TextY = (height - measure.TextHeight(ProgramText(MenuHeightProbe))) / 2;
  if (entry.ShowsHotkey()) {
    l.HasHotkey = true;
    l.HotkeyLabel = MenuHotkeyLabel(entry.HotkeyText);
    l.HotkeyX = width - measure.TextWidth(l.HotkeyLabel) - 3;
  }
  return l;
}

}  // namespace zv
