// Shortcut icons kept as icon handles: made once per image, bounded, and
// drawn with the very pixels the image list draws.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/systemimageicons_win32.h"
#include "components/shellimages.h"
#include "components/systemimagelist.h"
#include "toolkit/gdi.h"
#include "ui/iconpictures_win32.h"

using namespace zv;

namespace {

HICON SomeIcon() { return CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)); }

TEST(IconPictures, EachImageIsMadeOnceAndTheKeptOnesAreBounded) {
  ticonpictures pictures;
  int made = 0;
  auto make = [&] {
    ++made;
    return SomeIcon();
  };
  int listA = 0, listB = 0;
  HICON first = pictures.Get(&listA, 3, make);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(pictures.Get(&listA, 3, make), first);
  EXPECT_EQ(made, 1);
  // Another list's image of the same index is another picture.
  EXPECT_NE(pictures.Get(&listB, 3, make), nullptr);
  EXPECT_EQ(made, 2);
  // A picture that could not be made is asked for again next time.
  EXPECT_EQ(pictures.Get(&listA, 4, [] { return HICON(nullptr); }), nullptr);
  EXPECT_EQ(pictures.Count(), 2u);
  for (int i = 0; pictures.Count() < ticonpictures::MaxKept; ++i) pictures.Get(&listA, 100 + i, make);
  EXPECT_EQ(pictures.Count(), ticonpictures::MaxKept);
  // One more lets all the others go, so GDI objects never pile up.
  pictures.Get(&listA, 99999, make);
  EXPECT_EQ(pictures.Count(), 1u);
  pictures.Clear();
  EXPECT_EQ(pictures.Count(), 0u);
  made = 0;
  pictures.Get(&listA, 3, make);
  EXPECT_EQ(made, 1);
}

std::vector<std::uint32_t> Draw(int size, const std::function<void(HDC)>& draw) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = size + 4;
  bi.bmiHeader.biHeight = -(size + 4);
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  tbitmap dib(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  tmemorydc dc;
  tselection select(dc.Get(), dib.Get());
  tbrush fill(CreateSolidBrush(RGB(0xE0, 0xD0, 0xC0)));  // a menu-like background
  RECT all = {0, 0, size + 4, size + 4};
  FillRect(dc.Get(), &all, fill.Get());
  draw(dc.Get());
  GdiFlush();
  const auto* px = static_cast<const std::uint32_t*>(bits);
  return std::vector<std::uint32_t>(px, px + (size + 4) * (size + 4));
}

// The largest difference of one colour channel between the two pictures.
int MostApart(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  if (a.size() != b.size()) return 256;
  int most = 0;
  for (std::size_t i = 0; i < a.size(); ++i)
    for (int shift = 0; shift < 24; shift += 8)
      most = std::max(most, std::abs(static_cast<int>((a[i] >> shift) & 0xFF) -
                                     static_cast<int>((b[i] >> shift) & 0xFF)));
  return most;
}

std::string WindowsDir() {
  char dir[MAX_PATH] = {};
  GetWindowsDirectoryA(dir, MAX_PATH);
  return dir;
}

TEST(IconPictures, ShortcutIconsLookAsTheSystemImageListDrawsThem) {
  const std::string windows = WindowsDir();
  const std::string paths[] = {windows + "\\notepad.exe", windows + "\\win.ini", windows,
                               "C:\\Missing\\report.txt"};
  // Kept as icons (under Wine) or drawn by the list (Windows): the same.
  for (const bool keep : {true, false})
  for (TImageSize size : {isSmall, isLarge}) {
    TdfsSystemImageList list(ProcessShellImages());
    list.SetImageSize(size);
    ASSERT_NE(list.Handle(), nullptr);
    tsystemimageicons icons(list, keep);
    const int side = icons.IconWidth();
    for (const std::string& path : paths) {
      const int index = list.GetFileIconIndex(path);
      SCOPED_TRACE(path + (size == isSmall ? ", small" : ", large") + (keep ? ", kept" : ", drawn"));
      const auto expected = Draw(side, [&](HDC dc) {
        ImageList_Draw(static_cast<HIMAGELIST>(list.Handle()), index, dc, 2, 2, ILD_NORMAL);
      });
      ASSERT_NE(expected, Draw(side, [](HDC) {})) << "the list drew nothing";
      // Twice: the first draw makes the kept icon, the second uses it. Alpha
      // blending may round one level apart, which no eye sees.
      for (int pass = 0; pass < 2; ++pass)
        EXPECT_LE(MostApart(Draw(side, [&](HDC dc) { icons.DrawIcon(dc, index, 2, 2); }), expected), 1);
    }
    // An index the list does not hold draws nothing.
    const auto empty = Draw(side, [](HDC) {});
    EXPECT_EQ(Draw(side, [&](HDC dc) { icons.DrawIcon(dc, list.Count() + 5, 2, 2); }), empty);
  }
}

}  // namespace
