#pragma once
// Saves pictures as 24-bit BMP files, for looking at windows and drawn
// items after a test run (the tests and the window driver).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

// The bitmap must not be selected into a DC while it is saved.
inline bool SaveBitmapScreenshot(HBITMAP bmp, const std::string& file) {
  BITMAP info = {};
  if (!bmp || !GetObjectA(bmp, sizeof(info), &info)) return false;
  const int w = info.bmWidth, h = info.bmHeight;
  BITMAPINFOHEADER bi = {};
  bi.biSize = sizeof(bi);
  bi.biWidth = w;
  bi.biHeight = h;
  bi.biPlanes = 1;
  bi.biBitCount = 24;
  const int stride = (w * 3 + 3) & ~3;
  std::vector<unsigned char> pixels(static_cast<size_t>(stride) * h);
  HDC screen = GetDC(nullptr);
  const int rows =
      GetDIBits(screen, bmp, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != h) return false;
  BITMAPFILEHEADER bf = {};
  bf.bfType = 0x4D42;
  bf.bfOffBits = sizeof(bf) + sizeof(bi);
  bf.bfSize = static_cast<DWORD>(bf.bfOffBits + pixels.size());
  FILE* f = std::fopen(file.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(&bf, sizeof(bf), 1, f) == 1 && std::fwrite(&bi, sizeof(bi), 1, f) == 1 &&
                  std::fwrite(pixels.data(), 1, pixels.size(), f) == pixels.size();
  return std::fclose(f) == 0 && ok;
}

// What a window shows on the screen.
inline bool SaveWindowScreenshot(HWND wnd, const std::string& file) {
  RECT r;
  if (!GetWindowRect(wnd, &r)) return false;
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  const bool saved = SaveBitmapScreenshot(bmp, file);
  DeleteObject(bmp);
  return saved;
}
