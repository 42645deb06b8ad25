// The pictures built into zorvane.exe: there, of the right sizes, loadable,
// not blank, and the grey ramp exact to the pixel.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

// zorvane.exe is built next to the tests folder.
HMODULE Program() {
  static HMODULE module = [] {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string p = path;
    p = p.substr(0, p.find_last_of("\\/") + 1) + "..\\zorvane.exe";
    return LoadLibraryExA(p.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }();
  return module;
}

struct image {
  int W = 0, H = 0, Bits = 0;
  std::vector<unsigned char> Pixels;  // BGRA or BGR rows as stored, bottom-up

  const unsigned char* At(int x, int y) const {
    const int stride = ((W * Bits / 8) + 3) & ~3;
    return &Pixels[static_cast<size_t>(H - 1 - y) * stride + x * (Bits / 8)];
  }
};

const void* Raw(LPCSTR type, int id, DWORD* size) {
  HRSRC res = FindResourceA(Program(), MAKEINTRESOURCEA(id), type);
  if (!res) return nullptr;
  *size = SizeofResource(Program(), res);
  return LockResource(LoadResource(Program(), res));
}

// A bitmap as the resource holds it: header, then the pixels.
image Dib(const void* data) {
  BITMAPINFOHEADER bi;
  std::memcpy(&bi, data, sizeof(bi));
  image img;
  img.W = bi.biWidth;
  img.H = bi.biHeight;
  img.Bits = bi.biBitCount;
  const size_t bytes = static_cast<size_t>((((img.W * img.Bits / 8) + 3) & ~3)) * img.H;
  const unsigned char* px = static_cast<const unsigned char*>(data) + bi.biSize;
  img.Pixels.assign(px, px + bytes);
  return img;
}

#pragma pack(push, 2)
struct groupentry {
  BYTE Width, Height, Colours, Reserved;
  WORD Planes, BitCount;
  DWORD Bytes;
  WORD Id;
};
#pragma pack(pop)

// An icon image as the system reads it (stored as PNG): its colour bitmap,
// straight alpha, bottom-up.
image IconImage(const void* data, DWORD size) {
  image img;
  EXPECT_EQ(std::memcmp(data, "\x89PNG", 4), 0) << "icon images are stored compressed";
  HICON icon = CreateIconFromResourceEx(static_cast<PBYTE>(const_cast<void*>(data)), size, TRUE, 0x00030000, 0, 0,
                                        LR_DEFAULTCOLOR);
  ICONINFO info = {};
  if (!icon || !GetIconInfo(icon, &info)) return img;
  BITMAP bm = {};
  GetObjectA(info.hbmColor, sizeof(bm), &bm);
  img.W = bm.bmWidth;
  img.H = bm.bmHeight;
  img.Bits = 32;
  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), img.W, img.H, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  img.Pixels.resize(static_cast<size_t>(img.W) * img.H * 4);
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, info.hbmColor, 0, img.H, img.Pixels.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
  return img;
}

// The images of one icon group, in the order stored.
std::vector<image> IconImages(int id) {
  std::vector<image> images;
  DWORD size = 0;
  const unsigned char* group = static_cast<const unsigned char*>(Raw(RT_GROUP_ICON, id, &size));
  if (!group) return images;
  WORD count;
  std::memcpy(&count, group + 4, 2);
  for (WORD i = 0; i < count; ++i) {
    groupentry e;
    std::memcpy(&e, group + 6 + i * sizeof(groupentry), sizeof(e));
    const void* data = Raw(RT_ICON, e.Id, &size);
    if (data) images.push_back(IconImage(data, size));
  }
  return images;
}

image Bitmap(int id) {
  DWORD size = 0;
  const void* data = Raw(RT_BITMAP, id, &size);
  return data ? Dib(data) : image();
}

// Pictures with a shape: some pixels fully transparent, some opaque.
void ExpectDrawnWithAlpha(const image& img, const std::string& what) {
  int clear = 0, solid = 0;
  for (int y = 0; y < img.H; ++y) {
    for (int x = 0; x < img.W; ++x) {
      const unsigned char* p = img.At(x, y);
      if (p[3] == 0) ++clear;
      if (p[3] == 255) ++solid;
    }
  }
  EXPECT_GT(clear, 0) << what << " has no transparent pixel";
  EXPECT_GT(solid, 0) << what << " has no opaque pixel";
}

}  // namespace

TEST(Artwork, ProgramIconHas32And16PixelImagesThatLoad) {
  ASSERT_NE(Program(), nullptr) << "zorvane.exe not found next to the tests folder";
  std::vector<image> images = IconImages(IDI_ZORVANE);
  // 32 and 16 first, then both drawn at 125 to 200 % (16 at 200 % is the
  // 32 already there).
  const int sizes[] = {32, 16, 40, 20, 48, 24, 56, 28, 64};
  ASSERT_EQ(images.size(), std::size(sizes));
  for (std::size_t i = 0; i < images.size(); ++i) {
    EXPECT_EQ(images[i].W, sizes[i]);
    EXPECT_EQ(images[i].H, sizes[i]);
  }
  for (const image& img : images) {
    EXPECT_EQ(img.Bits, 32);
    ExpectDrawnWithAlpha(img, "program icon");
  }
  for (int size : {16, 32, 24, 48, 64}) {
    HICON icon = static_cast<HICON>(
        LoadImageA(Program(), MAKEINTRESOURCEA(IDI_ZORVANE), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm;
    GetObjectA(info.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST(Artwork, SmallIconsAreThereWithTheirSizes) {
  ASSERT_NE(Program(), nullptr);
  struct {
    int Id, Size;
    const char* Name;
  } icons[] = {
      {IDI_TRAYACTIVE, 16, "active tray"},   {IDI_TRAYDISABLED, 16, "disabled tray"},
      {IDI_MENUEDITOR, 16, "editor item"},   {IDI_MENUOPTIONS, 16, "options item"},
      {IDI_MENUABOUT, 16, "about item"},     {IDI_MENUEXIT, 16, "exit item"},
      {IDI_MENUFIND, 16, "find item"},
      {IDI_CHECKMARK, 16, "check mark"},     {IDI_CROSS, 16, "cross"},
      {IDI_LINKARROW, 16, "link arrow"},     {IDI_TIP, 16, "tip"},
      {IDI_HOTKEYWARNING, 22, "warning"},    {IDI_HOTKEYWARNINGSMALL, 11, "warning badge"},
      {IDI_TYPEAPPLICATION, 16, "application"}, {IDI_TYPEFILE, 16, "file"},
      {IDI_TYPEFOLDER, 16, "folder"},        {IDI_VIEWMINIMIZED, 16, "minimized"},
      {IDI_VIEWNORMAL, 16, "normal"},        {IDI_VIEWMAXIMIZED, 16, "maximized"},
  };
  for (const auto& i : icons) {
    std::vector<image> images = IconImages(i.Id);
    // The designed size first, then 125, 150, 175 and 200 % of it.
    ASSERT_EQ(images.size(), 5u) << i.Name;
    int k = 0;
    for (int percent : {100, 125, 150, 175, 200}) {
      const image& img = images[static_cast<std::size_t>(k++)];
      const int size = (i.Size * percent + 50) / 100;
      EXPECT_EQ(img.W, size) << i.Name << " " << percent;
      EXPECT_EQ(img.H, size) << i.Name << " " << percent;
      EXPECT_EQ(img.Bits, 32) << i.Name;
      HICON icon = static_cast<HICON>(
          LoadImageA(Program(), MAKEINTRESOURCEA(i.Id), IMAGE_ICON, size, size, 0));
      EXPECT_NE(icon, nullptr) << i.Name;
      if (icon) DestroyIcon(icon);
    }
  }
}

TEST(Artwork, DisabledTrayIconIsAGreyOfTheActiveOne) {
  ASSERT_NE(Program(), nullptr);
  const image active = IconImages(IDI_TRAYACTIVE).at(0);
  const image grey = IconImages(IDI_TRAYDISABLED).at(0);
  int colourful = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const unsigned char* a = active.At(x, y);
      const unsigned char* g = grey.At(x, y);
      EXPECT_EQ(a[3] > 0, g[3] > 0) << "same outline at " << x << "," << y;
      EXPECT_LE(std::abs(g[0] - g[2]) + std::abs(g[1] - g[2]), 2) << "grey at " << x << "," << y;
      if (a[3] == 255 && a[0] > a[2] + 60) ++colourful;
    }
  }
  EXPECT_GT(colourful, 40) << "the active icon is blue";
}

TEST(Artwork, GreyRampIsExact) {
  ASSERT_NE(Program(), nullptr);
  const image ramp = Bitmap(IDB_RAMP);
  ASSERT_EQ(ramp.W, 60);
  ASSERT_EQ(ramp.H, 1);
  ASSERT_EQ(ramp.Bits, 24);
  for (int x = 0; x < 60; ++x) {
    const unsigned char* p = ramp.At(x, 0);
    EXPECT_EQ(p[0], 195 + x);
    EXPECT_EQ(p[1], 195 + x);
    EXPECT_EQ(p[2], 195 + x);
  }
  // As the dialogs load it.
  HBITMAP bmp = static_cast<HBITMAP>(LoadImageA(Program(), MAKEINTRESOURCEA(IDB_RAMP),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(bmp, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bmp);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(195, 195, 195));
  EXPECT_EQ(GetPixel(dc, 59, 0), RGB(254, 254, 254));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bmp);
}

TEST(Artwork, AlphaBitmapsHaveTheirSizesAndPremultipliedPixels) {
  ASSERT_NE(Program(), nullptr);
  struct {
    int Id, W, H;
    const char* Name;
  } bitmaps[] = {
      {IDB_LINKARROW, 24, 16, "link arrow"},      {IDB_FOLDERGLYPH, 17, 10, "folder glyph"},
      {IDB_TITLEABOUT, 49, 16, "About title"},    {IDB_TITLEOPTIONS, 64, 18, "Options title"},
      {IDB_TITLEEDITOR, 125, 16, "Shortcut Editor title"},
  };
  for (const auto& b : bitmaps) {
    const image img = Bitmap(b.Id);
    EXPECT_EQ(img.W, b.W) << b.Name;
    EXPECT_EQ(img.H, b.H) << b.Name;
    ASSERT_EQ(img.Bits, 32) << b.Name;
    ExpectDrawnWithAlpha(img, b.Name);
    int badPixels = 0;
    for (int y = 0; y < img.H; ++y)
      for (int x = 0; x < img.W; ++x) {
        const unsigned char* p = img.At(x, y);
        if (p[0] > p[3] || p[1] > p[3] || p[2] > p[3]) ++badPixels;
      }
    EXPECT_EQ(badPixels, 0) << b.Name << " is not premultiplied";
  }
}

// Drawn again for every display scale, not stretched: each step has its own
// bitmap of the scaled size, and the DPI picks the nearest step.
TEST(Artwork, AlphaBitmapsAreDrawnForEveryScale) {
  ASSERT_NE(Program(), nullptr);
  struct {
    int Id, W, H;
    const char* Name;
  } bitmaps[] = {
      {IDB_LINKARROW, 24, 16, "link arrow"},      {IDB_FOLDERGLYPH, 17, 10, "folder glyph"},
      {IDB_TITLEABOUT, 49, 16, "About title"},    {IDB_TITLEOPTIONS, 64, 18, "Options title"},
      {IDB_TITLEEDITOR, 125, 16, "Shortcut Editor title"},
  };
  for (const auto& b : bitmaps) {
    for (int step = 1; step <= 4; ++step) {
      const int percent = 100 + 25 * step;
      const image img = Bitmap(b.Id + IDB_SCALESTEP * step);
      EXPECT_EQ(img.W, (b.W * percent + 50) / 100) << b.Name << " " << percent;
      EXPECT_EQ(img.H, (b.H * percent + 50) / 100) << b.Name << " " << percent;
      ASSERT_EQ(img.Bits, 32) << b.Name;
      ExpectDrawnWithAlpha(img, b.Name);
    }
  }
}

// Everything drawn the way the dialogs draw it, on the band stretched from
// the ramp, into artwork-preview.bmp for looking at. Transparent parts must
// leave the band as it was.
TEST(Artwork, DrawsCleanlyOnTheBand) {
  ASSERT_NE(Program(), nullptr);
  const int w = 200, h = 150;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP target = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldTarget = SelectObject(dc, target);
  RECT all = {0, 0, w, h};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

  auto loadBitmap = [](int id) {
    return static_cast<HBITMAP>(LoadImageA(Program(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                                           LR_CREATEDIBSECTION));
  };
  HDC src = CreateCompatibleDC(dc);
  HBITMAP ramp = loadBitmap(IDB_RAMP);
  HGDIOBJ oldSrc = SelectObject(src, ramp);
  StretchBlt(dc, 0, 0, 140, h, src, 0, 0, 60, 1, SRCCOPY);
  const COLORREF bandUnderTitle = GetPixel(dc, 100, 24);

  auto blend = [&](int id, int x, int y) {
    HBITMAP bmp = loadBitmap(id);
    ASSERT_NE(bmp, nullptr) << id;
    BITMAP bm;
    GetObjectA(bmp, sizeof(bm), &bm);
    SelectObject(src, bmp);
    BLENDFUNCTION bf = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    EXPECT_TRUE(AlphaBlend(dc, x, y, bm.bmWidth, bm.bmHeight, src, 0, 0, bm.bmWidth, bm.bmHeight,
                           bf));
    SelectObject(src, ramp);
    DeleteObject(bmp);
  };
  auto icon = [&](int id, int size, int x, int y) {
    HICON i = static_cast<HICON>(
        LoadImageA(Program(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
    ASSERT_NE(i, nullptr) << id;
    DrawIconEx(dc, x, y, i, size, size, 0, nullptr, DI_NORMAL);
    DestroyIcon(i);
  };

  icon(IDI_ZORVANE, 32, 8, 8);
  blend(IDB_TITLEEDITOR, 48, 24);
  blend(IDB_TITLEOPTIONS, 48, 44);
  blend(IDB_TITLEABOUT, 120, 44);
  const int links[] = {IDI_CHECKMARK, IDI_CROSS, IDI_LINKARROW, IDI_TIP};
  for (int i = 0; i < 4; ++i) icon(links[i], 16, 8 + i * 20, 70);
  blend(IDB_LINKARROW, 4, 90);
  blend(IDB_FOLDERGLYPH, 40, 93);
  icon(IDI_HOTKEYWARNING, 22, 64, 88);
  icon(IDI_HOTKEYWARNINGSMALL, 11, 92, 93);
  const int menu[] = {IDI_TRAYACTIVE,  IDI_TRAYDISABLED, IDI_MENUEDITOR,
                      IDI_MENUOPTIONS, IDI_MENUABOUT,    IDI_MENUEXIT};
  for (int i = 0; i < 6; ++i) icon(menu[i], 16, 8 + i * 20, 112);
  for (int i = 0; i < 6; ++i) icon(IDI_TYPEAPPLICATION + i, 16, 8 + i * 20, 132);
  GdiFlush();

  // The title's own background is transparent: the band shows through.
  EXPECT_EQ(GetPixel(dc, 100, 24), bandUnderTitle);
  EXPECT_NE(GetPixel(dc, 8 + 16, 8 + 16), bandUnderTitle) << "the icon is drawn";

  SelectObject(src, oldSrc);
  DeleteObject(ramp);
  DeleteDC(src);
  BITMAPFILEHEADER bf = {};
  bf.bfType = 0x4D42;
  bf.bfOffBits = sizeof(bf) + sizeof(bi.bmiHeader);
  const DWORD size = ((w * 3 + 3) & ~3) * h;
  bf.bfSize = bf.bfOffBits + size;
  if (FILE* f = std::fopen("artwork-preview.bmp", "wb")) {
    std::fwrite(&bf, sizeof(bf), 1, f);
    std::fwrite(&bi.bmiHeader, sizeof(bi.bmiHeader), 1, f);
    std::fwrite(bits, 1, size, f);
    std::fclose(f);
  }
  SelectObject(dc, oldTarget);
  DeleteObject(target);
  DeleteDC(dc);
}
