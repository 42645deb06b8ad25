// The editor's bottom line: the status text at the left, the entry count at
// the right; both keep to the window's bottom edge.
#include <algorithm>

#include "editor/statusline.h"
#include "editor/teditordialog_win32.h"

namespace zv {

void teditordialog::PlaceCountLabel() {
  RECT client, c;
  GetClientRect(Handle(), &client);
  GetWindowRect(countlbl->Handle(), &c);
  // The right edge stays 8 pixels from the window's.
  SetWindowPos(countlbl->Handle(), nullptr, client.right - Scaled(8) - (c.right - c.left),
               client.bottom - Scaled(21), 0, 0,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
  PlaceStatusLabel();  // its room ends where the count begins
}

// Designed at 313 x 13 beside the count; at other scales a font that grew
// more than the scale (Tahoma at 150 %) takes the room up to the count
// rather than be cut.
void teditordialog::PlaceStatusLabel() {
  RECT client, count;
  GetClientRect(Handle(), &client);
  GetWindowRect(countlbl->Handle(), &count);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&count), 2);
  const RECT designed = Scale().Rect(200, 428, 313, 13);
  const SIZE text = MeasureText(FormFont(), statuslbl->Text(), true);
  const int w = StatusLineWidth(designed.left, designed.right - designed.left, text.cx, count.left,
                                Scaled(7), Dpi());
  const int h = Dpi() == DesignDpi ? designed.bottom - designed.top
                                   : std::max<int>(designed.bottom - designed.top, text.cy);
  const int top = designed.top + client.bottom - Scaled(DesignHeight);  // anchored to the bottom
  SetWindowPos(statuslbl->Handle(), nullptr, designed.left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zv
