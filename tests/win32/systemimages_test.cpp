// The shell's real system image lists under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "components/systemimagelist.h"
#include "core/iconlocation.h"
#include "toolkit/dpi.h"
#include "tempfolder.h"

TEST(Win32SystemImageList, SizesFollowTheShellsTwoLists) {
  zv::TdfsSystemImageList il(zv::ProcessShellImages());
  ASSERT_NE(il.Handle(), nullptr);
  EXPECT_EQ(il.Width(), GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(il.Height(), GetSystemMetrics(SM_CYICON));
  EXPECT_GT(il.Count(), 0);
  void* large = il.Handle();
  il.SetImageSize(zv::isSmall);
  EXPECT_NE(il.Handle(), large);
  EXPECT_EQ(il.Width(), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(il.Height(), GetSystemMetrics(SM_CYSMICON));
  il.SetImageSize(zv::isLarge);
  EXPECT_EQ(il.Handle(), large);
  EXPECT_EQ(il.Width(), GetSystemMetrics(SM_CXICON));
}

TEST(Win32SystemImageList, IndexIsTheSameForBothSizesAndForDeletedDocuments) {
  ttempfolder work("zv icons");
  const std::string doc = work.Path + "letter.txt";
  HANDLE f = CreateFileA(doc.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  CloseHandle(f);
  zv::TdfsSystemImageList il(zv::ProcessShellImages());
  const int existing = il.GetFileIconIndex(doc);
  const int folderIcon = il.GetFileIconIndex(work.Bare());
  il.SetImageSize(zv::isSmall);
  EXPECT_EQ(il.GetFileIconIndex(doc), existing);
  EXPECT_EQ(il.GetFileIconIndex(work.Bare()), folderIcon);
  DeleteFileA(doc.c_str());
  EXPECT_EQ(il.GetFileIconIndex(doc), existing) << "a deleted document keeps its type's icon";
  EXPECT_EQ(il.GetFileIconIndex("Q:\\nowhere\\other.txt"), existing);
  EXPECT_GE(il.GetFileIconIndex(""), 0);
  EXPECT_LT(existing, il.Count());
  HICON icon = static_cast<HICON>(il.GetIcon(existing));
  EXPECT_NE(icon, nullptr);
  if (icon) DestroyIcon(icon);
}

namespace {

// The right- and bottom-most pixel the image at index covers when drawn at
// (0, 0) on a 96 x 96 marker background, plus one: how large it came out.
SIZE DrawnExtent(const zv::TdfsSystemImageList& il, int index) {
  const COLORREF marker = RGB(1, 2, 3);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 96, 96);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bmp);
  HBRUSH brush = CreateSolidBrush(marker);
  RECT all = {0, 0, 96, 96};
  FillRect(dc, &all, brush);
  il.Draw(dc, 0, 0, index);
  SIZE extent = {0, 0};
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x)
      if (GetPixel(dc, x, y) != marker) {
        extent.cx = std::max<LONG>(extent.cx, x + 1);
        extent.cy = std::max<LONG>(extent.cy, y + 1);
      }
  SelectObject(dc, old);
  DeleteObject(brush);
  DeleteObject(bmp);
  DeleteDC(dc);
  return extent;
}

}  // namespace

TEST(Win32SystemImageList, AtAWindowsDpiIconsAreDrawnAtTheSystemSizeForIt) {
  ttempfolder work("zv icons dpi");
  zv::TdfsSystemImageList il(zv::ProcessShellImages());
  const int folder = il.GetFileIconIndex(work.Bare());
  for (zv::TImageSize size : {zv::isSmall, zv::isLarge}) {
    il.SetImageSize(size);
    const int metric = size == zv::isSmall ? SM_CXSMICON : SM_CXICON;
    for (int dpi : {144, 192, 96}) {
      il.SetDpi(dpi);
      const int wanted = zv::SystemMetricForDpi(metric, dpi);
      EXPECT_EQ(il.Width(), wanted) << dpi;
      EXPECT_EQ(il.Height(), wanted) << dpi;
      ASSERT_NE(il.Handle(), nullptr);
      // Drawn at that size, not at the list's: nothing beyond it, and more
      // than the next smaller size covers (the folder icon fills its box).
      const SIZE drawn = DrawnExtent(il, folder);
      EXPECT_LE(drawn.cx, wanted) << dpi;
      EXPECT_LE(drawn.cy, wanted) << dpi;
      EXPECT_GT(drawn.cx, wanted * 3 / 4) << dpi;
    }
  }
  // The screen's own DPI: the shell's list of the size, as it is.
  il.SetImageSize(zv::isSmall);
  il.SetDpi(zv::SystemDpi());
  EXPECT_EQ(il.Handle(), zv::ProcessShellImages().SystemList(zv::isSmall));
}

TEST(Win32SystemImageList, AnOwnIconComesIntoTheListsAndOneThatCannotLoadFallsBackToThePaths) {
  // The build's own pictures lie beside the tests folder.
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string root(self);
  root.resize(root.find_last_of('\\'));
  root.resize(root.find_last_of('\\'));
  const std::string cross = root + "\\art\\cross.ico";
  ASSERT_NE(GetFileAttributesA(cross.c_str()), INVALID_FILE_ATTRIBUTES) << cross;
  zv::TdfsSystemImageList il(zv::ProcessShellImages());
  il.SetImageSize(zv::isSmall);
  const std::string path = "C:\\nowhere\\letter.txt";
  const int plain = il.GetFileIconIndex(path);
  const int own = il.GetFileIconIndex(zv::IconSourceText(cross + ",0", path));
  EXPECT_NE(own, plain);
  EXPECT_EQ(il.GetFileIconIndex(zv::IconSourceText("\"" + cross + "\", 0", path)), own);
  for (const std::string& bad : {cross + ",4", std::string("C:\\nowhere\\gone.ico"), std::string("?")})
    EXPECT_EQ(il.GetFileIconIndex(zv::IconSourceText(bad, path)), plain) << bad;

  // What is drawn is the icon's red cross.
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT all = {0, 0, 16, 16};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  il.Transparent = true;
  ASSERT_TRUE(il.Draw(dc, 0, 0, own));
  int red = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      if (GetRValue(c) > 150 && GetGValue(c) < 110 && GetBValue(c) < 110) ++red;
    }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EXPECT_GT(red, 20);
}
