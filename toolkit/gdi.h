#pragma once
// Owning wrappers for GDI handles: each frees its handle once, copies are
// refused, moves hand the handle on. Selections put the previous object
// back when they end, so a DC never holds a freed object.
#include <windows.h>

#include <utility>

namespace zv {

// Fonts, bitmaps, brushes, pens and regions: all freed with DeleteObject.
template <typename H>
class tgdiobject {
 public:
  tgdiobject() = default;
  explicit tgdiobject(H handle) : handle_(handle) {}
  ~tgdiobject() { Reset(); }
  tgdiobject(const tgdiobject&) = delete;
  tgdiobject& operator=(const tgdiobject&) = delete;
  tgdiobject(tgdiobject&& other) noexcept : handle_(other.Release()) {}
  tgdiobject& operator=(tgdiobject&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives the handle up without freeing it.
  H Release() { return std::exchange(handle_, nullptr); }
  void Reset(H handle = nullptr) {
    if (handle_ && handle_ != handle) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  H handle_ = nullptr;
};

using tfont = tgdiobject<HFONT>;
using tbitmap = tgdiobject<HBITMAP>;
using tbrush = tgdiobject<HBRUSH>;
using tpen = tgdiobject<HPEN>;
using tregion = tgdiobject<HRGN>;

// A memory DC compatible with another DC (null: with the screen).
class tmemorydc {
 public:
  explicit tmemorydc(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~tmemorydc() {
    if (dc_) DeleteDC(dc_);
  }
  tmemorydc(const tmemorydc&) = delete;
  tmemorydc& operator=(const tmemorydc&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// A window's DC (null: the screen), released when it ends.
class twindowdc {
 public:
  explicit twindowdc(HWND wnd = nullptr) : wnd_(wnd), dc_(GetDC(wnd)) {}
  ~twindowdc() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  twindowdc(const twindowdc&) = delete;
  twindowdc& operator=(const twindowdc&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND wnd_;
  HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class tpaintdc {
 public:
  explicit tpaintdc(HWND wnd) : wnd_(wnd), dc_(BeginPaint(wnd, &paint_)) {}
  ~tpaintdc() { EndPaint(wnd_, &paint_); }
  tpaintdc(const tpaintdc&) = delete;
  tpaintdc& operator=(const tpaintdc&) = delete;

  HDC Get() const { return dc_; }
  const RECT& Dirty() const { return paint_.rcPaint; }

 private:
  HWND wnd_;
  PAINTSTRUCT paint_ = {};
  HDC dc_;
};

// Selects an object into a DC for one scope. Declare it after the object it
// selects, so the selection ends before the object is freed.
class tselection {
 public:
  tselection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~tselection() {
    if (previous_) SelectObject(dc_, previous_);
  }
  tselection(const tselection&) = delete;
  tselection& operator=(const tselection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// One WM_PAINT drawn off screen: everything goes into a bitmap of the
// client size, and the dirty part is copied to the window when the scope
// ends, so nothing flickers while it is built up.
class tbufferedpaint {
 public:
  explicit tbufferedpaint(HWND wnd) : paint_(wnd), mem_(paint_.Get()) {
    GetClientRect(wnd, &client_);
    buffer_ = tbitmap(CreateCompatibleBitmap(paint_.Get(), client_.right, client_.bottom));
    previous_ = SelectObject(mem_.Get(), buffer_.Get());
  }
  ~tbufferedpaint() {
    const RECT& dirty = paint_.Dirty();
    BitBlt(paint_.Get(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, mem_.Get(),
           dirty.left, dirty.top, SRCCOPY);
    if (previous_) SelectObject(mem_.Get(), previous_);
  }
  tbufferedpaint(const tbufferedpaint&) = delete;
  tbufferedpaint& operator=(const tbufferedpaint&) = delete;

  // The off-screen DC to draw into.
  HDC Get() const { return mem_.Get(); }
  const RECT& Client() const { return client_; }

 private:
  tpaintdc paint_;
  tmemorydc mem_;
  tbitmap buffer_;
  RECT client_ = {};
  HGDIOBJ previous_ = nullptr;
};

// A device-independent 24-bit bitmap whose pixel (x, y) is the COLORREF
// pixel(x, y) gives; empty when the system refuses it.
template <typename PixelFn>
tbitmap CreateRgbBitmap(int width, int height, PixelFn pixel) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  tbitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return tbitmap();
  const int stride = (width * 3 + 3) & ~3;
  auto* rows = static_cast<unsigned char*>(bits);
  for (int y = 0; y < height; ++y) {
    unsigned char* p = rows + static_cast<size_t>(y) * stride;
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = pixel(x, y);
      *p++ = GetBValue(colour);
      *p++ = GetGValue(colour);
      *p++ = GetRValue(colour);
    }
  }
  GdiFlush();
  return bitmap;
}

}  // namespace zv
