#pragma once
// Win32 layer: measures and draws owner-drawn menu items as the menu
// geometry lays them out. Each item is composed in a memory bitmap and
// copied onto the menu in one blit.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "toolkit/gdi.h"
#include "core/fontman.h"
#include "ui/menugeometry.h"

namespace zv {

// Where a menu's icons come from: the system image list for the shortcut
// menu, the context menu's own list for the context menu.
class ticonsource {
 public:
  virtual ~ticonsource() = default;
  virtual int IconWidth() const = 0;
  virtual int IconHeight() const = 0;
  // Draws the icon at index with its own transparency, top-left at (x, y).
  virtual void DrawIcon(HDC dc, int index, int x, int y) const = 0;
};

// An image list as icon source; the list is borrowed, never destroyed.
class timagelisticons : public ticonsource {
 public:
  explicit timagelisticons(HIMAGELIST list = nullptr) : list_(list) {}
  void SetList(HIMAGELIST list) { list_ = list; }
  HIMAGELIST List() const { return list_; }
  int IconWidth() const override;
  int IconHeight() const override;
  void DrawIcon(HDC dc, int index, int x, int y) const override;

 private:
  HIMAGELIST list_;
};

// The system's menu font with "Tahoma" as its face where that is installed
// (among the screen's families unless others are given), for a DPI (0: the
// system's).
tfont CreateMenuFont(int dpi = 0);
tfont CreateMenuFont(const tfontfamilies& installed, int dpi = 0);

class tmenupainter {
 public:
  // The icon source must outlive the painter; its size is read on every
  // request, so a changed icon size shows at the next rebuild.
  explicit tmenupainter(const ticonsource& icons);
  tmenupainter(const tmenupainter&) = delete;
  tmenupainter& operator=(const tmenupainter&) = delete;

  // The DPI the menu is shown at (0 until set: the system's).
  void SetDpi(int dpi) { dpi_ = dpi; }
  int Dpi() const;
  tmenustyle Style() const;
  void MeasureItem(const tmenuentry& entry, MEASUREITEMSTRUCT& mis) const;
  // The sizes of many items, measured with one device context.
  std::vector<tmenuitemsize> MeasureItems(const std::vector<const tmenuentry*>& entries) const;
  void DrawItem(const tmenuentry& entry, const DRAWITEMSTRUCT& dis) const;

 private:
  // The menu font, made at the first request: a long menu asks for each of
  // its items in turn.
  HFONT Font() const;
  const ticonsource& icons_;
  // The 60 x 1 ramp in the palette's strip colours; stretched, so one serves
  // every DPI; made again when the colour mode changes. Before stripDc_,
  // which holds it.
  mutable tbitmap strip_;
  mutable std::uint32_t stripFrom_ = 0, stripTo_ = 0;
  int dpi_ = 0;
  mutable tfont font_;
  mutable int fontDpi_ = 0;
  // The picture an item is composed in, selected in canvasDc_, kept from
  // item to item (a menu draws dozens at once) and grown when an item is
  // larger. False when it cannot be made.
  bool Canvas(HDC target, int w, int h) const;
  // The grey ramp, selected in stripDc_ for good.
  bool StripSource(HDC compatibleWith) const;
  // Declared before the device contexts that hold them: those go first.
  mutable tbitmap canvas_;
  mutable int canvasWidth_ = 0, canvasHeight_ = 0;
  mutable std::unique_ptr<tmemorydc> canvasDc_;
  mutable std::unique_ptr<tmemorydc> stripDc_;
};

}  // namespace zv
