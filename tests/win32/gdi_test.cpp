// The owning GDI handle types: each handle freed exactly once, selections
// undone, bitmaps built pixel for pixel.
#include <gtest/gtest.h>
#include <windows.h>

#include "toolkit/gdi.h"

using namespace zv;

TEST(GdiHandles, OwnershipMovesAndEndsWithTheLastOwner) {
  HFONT handle = nullptr;
  {
    tfont a(CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    handle = a.Get();
    ASSERT_NE(handle, nullptr);
    tfont b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), handle);
    tfont c;
    c = std::move(b);
    EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_FONT));
  }
  EXPECT_EQ(GetObjectType(handle), 0u);  // freed once, by the last owner

  tbrush kept(CreateSolidBrush(RGB(1, 2, 3)));
  HBRUSH raw = kept.Release();
  EXPECT_FALSE(kept);
  EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
  DeleteObject(raw);
}

TEST(GdiHandles, SelectionEndsBeforeTheObjectAndBitmapsHoldTheirPixels) {
  tmemorydc dc;
  ASSERT_TRUE(dc);
  const HGDIOBJ before = GetCurrentObject(dc.Get(), OBJ_BITMAP);
  tbitmap ramp = CreateRgbBitmap(3, 2, [](int x, int y) { return RGB(10 * x, 100 + y, 200); });
  ASSERT_TRUE(ramp);
  {
    tselection select(dc.Get(), ramp.Get());
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), ramp.Get());
    EXPECT_EQ(GetPixel(dc.Get(), 0, 0), RGB(0, 100, 200));
    EXPECT_EQ(GetPixel(dc.Get(), 2, 0), RGB(20, 100, 200));
    EXPECT_EQ(GetPixel(dc.Get(), 1, 1), RGB(10, 101, 200));  // rows run top-down
  }
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), before);
}
