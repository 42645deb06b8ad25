#include "screencapture_win32.h"

#include "toolkit/dpi.h"

namespace zvbench {

tpicture Capture(HWND wnd) {
  tpicture p;
  RECT r;
  if (!GetWindowRect(wnd, &r)) return p;
  p.Width = r.right - r.left;
  p.Height = r.bottom - r.top;
  if (p.Width <= 0 || p.Height <= 0) return p;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = p.Width;
  bi.bmiHeader.biHeight = -p.Height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, p.Width, p.Height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const auto* px = static_cast<const std::uint32_t*>(bits);
  p.Pixels.assign(px, px + static_cast<std::size_t>(p.Width) * p.Height);
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return p;
}

int ScreenDpi() {
  // The screen's own pixels, as the program (aware of the DPI) draws them.
  zv::EnableDpiAwareness();
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

ticoncount CountMenuIcons(const tpicture& p) {
  static const int dpi = ScreenDpi();
  auto px = [](int figure) { return (figure * dpi * 2 + 96) / 192; };
  const int box = GetSystemMetrics(SM_CXSMICON) > 0 ? GetSystemMetrics(SM_CXSMICON) : px(16);
  ticoncount c;
  std::vector<int> lines;
  int left = -1;
  for (int y = 0; y < p.Height; ++y) {
    for (int x = px(10); x < px(40) && x + px(40) < p.Width; ++x) {
      bool line = (p.At(x - 1, y) & 0xFFFFFF) != 0;  // where a line begins
      for (int k = 0; line && k < px(40); ++k) line = (p.At(x + k, y) & 0xFFFFFF) == 0;
      if (line && !lines.empty() && lines.back() >= y - px(2)) break;  // a thicker line's next row
      if (line) {
        lines.push_back(y);
        left = x - px(14);
        break;
      }
    }
  }
  if (lines.size() < 2 || left < 0) return c;
  const int separator = px(5);
  const int itemHeight = (lines[1] - lines[0] - separator) / 9;
  if (itemHeight < box) return c;
  for (std::size_t s = 0; s < lines.size(); ++s) {
    const int separatorTop = lines[s] - px(2);
    for (int j = 1; j <= 9; ++j) {
      const int top = separatorTop - j * itemHeight;
      if (top < 0 || (s > 0 && top < lines[s - 1] + px(3))) break;
      ++c.Rows;
      bool icon = false;
      for (int y = top + px(2); y < top + px(2) + box && !icon; ++y)
        for (int x = left + px(4); x < left + px(4) + box && !icon; ++x)
          icon = (p.At(x, y) & 0xFFFFFF) != (p.At(x, separatorTop) & 0xFFFFFF);
      if (!icon) ++c.WithoutIcon;
    }
  }
  return c;
}

namespace {

bool StripEdgeGrey(std::uint32_t c) {
  const std::uint32_t r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
  return r == g && g == b && r >= 195 && r <= 200;
}

}  // namespace

ticoncount CountRowIcons(const tpicture& p, int rows) {
  static const int dpi = ScreenDpi();
  auto px = [](int figure) { return (figure * dpi * 2 + 96) / 192; };
  const int box = GetSystemMetrics(SM_CXSMICON) > 0 ? GetSystemMetrics(SM_CXSMICON) : px(16);
  ticoncount c;
  if (rows <= 0 || p.Height == 0) return c;
  int left = -1;
  for (int x = 0; x < p.Width / 2 && left < 0; ++x)
    if (StripEdgeGrey(p.At(x, p.Height / 2))) left = x;
  if (left < 0) return c;
  int top = -1, bottom = -1;
  for (int y = 0; y < p.Height; ++y) {
    if (!StripEdgeGrey(p.At(left, y))) continue;
    if (top < 0) top = y;
    bottom = y;
  }
  const int height = (bottom - top + 1) / rows;
  if (top < 0 || height < box || height * rows != bottom - top + 1) return c;
  c.Top = top;
  c.RowHeight = height;
  for (int r = 0; r < rows; ++r) {
    const int rowTop = top + r * height;
    ++c.Rows;
    bool icon = false;
    for (int y = rowTop + px(2); y < rowTop + px(2) + box && !icon; ++y)
      for (int x = left + px(4); x < left + px(4) + box && !icon; ++x)
        icon = p.At(x, y) != p.At(x, rowTop);
    if (!icon) ++c.WithoutIcon;
  }
  return c;
}

void Click(int x, int y) {
  SetCursorPos(x, y);
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
}

void PressEscape() {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = VK_ESCAPE;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
}

}  // namespace zvbench
