// The owner-drawn shortcut menu under Wine: built from a list, measured and
// drawn through the same handlers the main window forwards to, rendered
// off-screen and checked pixel by pixel; screenshots land in the build tree.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "list_helpers.h"
#include "screenshot.h"
#include "win32/appmode.h"
#include "toolkit/colourmode.h"
#include "toolkit/gdi.h"
#include "toolkit/fontman_win32.h"
#include "ui/menuchar_win32.h"
#include "ui/tpopupmenu.h"

using namespace zv;

namespace {

HIMAGELIST SystemImageList(bool large) {
  SHFILEINFOA info = {};
  return reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(
      "", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | (large ? 0 : SHGFI_SMALLICON)));
}

std::int32_t IconIndex(const std::string& path) {
  SHFILEINFOA info = {};
  const DWORD attributes = GetFileAttributesA(path.c_str());
  UINT flags = SHGFI_SYSICONINDEX;
  if (attributes == INVALID_FILE_ATTRIBUTES) flags |= SHGFI_USEFILEATTRIBUTES;
  SHGetFileInfoA(path.c_str(), 0, &info, sizeof(info), flags);
  return info.iIcon;
}

std::string WindowsDir() {
  char dir[MAX_PATH] = {};
  GetWindowsDirectoryA(dir, MAX_PATH);
  return dir;
}

std::string FakeHotkeyText(std::uint16_t hotkey) {
  return hotkey == 0x4041 ? "Strg+A" : hotkey == 0x8074 ? "Alt+F5" : "?";
}

// Application, separator, file, folder.
void FillList(tzvshortcutlist& list) {
  const std::string windows = WindowsDir();
  Append(list, MakeShortcut(stApplication, "Notepad", windows + "\\notepad.exe", 0x4041));
  Append(list, Separator());
  Append(list, MakeShortcut(stFile, "Settings file", windows + "\\win.ini", 0x8074));
  Append(list, MakeShortcut(stFolder, "Windows folder", windows));
}

struct rendered {
  std::vector<RECT> rows;
  int width = 0, height = 0;
};

// Measures every item as the system would, then draws them one under the
// other into `picture`, the item at `selected` drawn selected.
rendered Render(const tpopupmenu& menu, tbitmap& picture, int selected) {
  rendered out;
  std::vector<MEASUREITEMSTRUCT> sizes;
  for (int i = 0; i < menu.Count(); ++i) {
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = MenuCommandOfPosition(i);
    mis.itemData = menu.ItemData(i);
    EXPECT_TRUE(menu.MeasureItem(mis));
    sizes.push_back(mis);
    out.width = std::max(out.width, static_cast<int>(mis.itemWidth));
  }
  for (const MEASUREITEMSTRUCT& mis : sizes) {
    out.rows.push_back({0, out.height, out.width, out.height + static_cast<int>(mis.itemHeight)});
    out.height += static_cast<int>(mis.itemHeight);
  }
  twindowdc screen;
  picture = tbitmap(CreateCompatibleBitmap(screen.Get(), out.width, out.height));
  tmemorydc dc(screen.Get());
  tselection select(dc.Get(), picture.Get());
  for (int i = 0; i < menu.Count(); ++i) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.itemID = MenuCommandOfPosition(i);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = i == selected ? ODS_SELECTED : 0;
    dis.hwndItem = reinterpret_cast<HWND>(menu.Handle());
    dis.hDC = dc.Get();
    dis.rcItem = out.rows[static_cast<size_t>(i)];
    dis.itemData = menu.ItemData(i);
    EXPECT_TRUE(menu.DrawItem(dis));
  }
  return out;
}

class pixels {
 public:
  explicit pixels(HBITMAP bmp) : dc_(nullptr), select_(dc_.Get(), bmp) {}
  COLORREF At(int x, int y) const { return GetPixel(dc_.Get(), x, y) & 0xFFFFFF; }
  bool Ink(int x, int y) const { return At(x, y) != RGB(255, 255, 255); }
  // The columns of the row band [top, bottom) between x0 and x1 that hold
  // anything but white; -1 when there is none.
  int FirstInk(int x0, int x1, int top, int bottom) const {
    for (int x = x0; x < x1; ++x)
      for (int y = top; y < bottom; ++y)
        if (Ink(x, y)) return x;
    return -1;
  }
  int LastInk(int x0, int x1, int top, int bottom) const {
    for (int x = x1 - 1; x >= x0; --x)
      for (int y = top; y < bottom; ++y)
        if (Ink(x, y)) return x;
    return -1;
  }

 private:
  tmemorydc dc_;
  tselection select_;
};

int GreyLevel(COLORREF c) {
  return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c) ? GetRValue(c) : -1;
}

// The strip across one row [0, strip): the ramp's greys, light to lighter,
// from its dark end to its light end. How a stretch samples the 60 source
// pixels is the system's business, so the ends are checked within a few.
void ExpectStripRow(const pixels& px, int y, int strip) {
  int previous = 0;
  for (int x = 0; x < strip; ++x) {
    const int grey = GreyLevel(px.At(x, y));
    ASSERT_GE(grey, StripRampGrey(0)) << "x " << x << " y " << y;
    ASSERT_LE(grey, StripRampGrey(StripRampWidth - 1)) << "x " << x << " y " << y;
    ASSERT_GE(grey, previous) << "x " << x << " y " << y;
    previous = grey;
  }
  EXPECT_LE(GreyLevel(px.At(0, y)), StripRampGrey(3));
  EXPECT_GE(GreyLevel(px.At(strip - 1, y)), StripRampGrey(StripRampWidth - 4));
}

int MenuTextHeight() {
  tmemorydc dc;
  tfont font = CreateMenuFont();
  tselection select(dc.Get(), font.Get());
  SIZE size = {};
  GetTextExtentPoint32A(dc.Get(), "\xC2g", 2, &size);
  return size.cy;
}

int TextWidth(const std::string& text) {
  tmemorydc dc;
  tfont font = CreateMenuFont();
  tselection select(dc.Get(), font.Get());
  SIZE size = {};
  GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

TEST(ShortcutMenuWindow, BuildsOwnerDrawnItemsByPosition) {
  timagelisticons icons(SystemImageList(false));
  tmenupainter painter(icons);
  tpopupmenu menu(painter);
  tzvshortcutlist list;
  FillList(list);
  ASSERT_TRUE(RebuildShortcutMenu(menu, list, true, IconIndex, FakeHotkeyText));
  ASSERT_EQ(GetMenuItemCount(menu.Handle()), 4);
  for (int i = 0; i < 4; ++i) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID;
    ASSERT_TRUE(GetMenuItemInfoA(menu.Handle(), static_cast<UINT>(i), TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << i;
    EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, i == 1) << i;
    EXPECT_EQ(info.dwItemData, menu.ItemData(i));
    // As a screen reader reads an owner-drawn item: the MSAAMENUINFO the
    // data points at, with the caption and the hotkey shown.
    const auto* msaa = reinterpret_cast<const MSAAMENUINFO*>(info.dwItemData);
    ASSERT_NE(msaa, nullptr);
    EXPECT_EQ(msaa->dwMSAASignature, static_cast<DWORD>(MSAA_MENU_SIG)) << i;
    const std::wstring name(msaa->pszWText ? msaa->pszWText : L"", msaa->cchWText);
    const wchar_t* expected[] = {L"Notepad\tStrg+A", L"", L"Settings file\tAlt+F5", L"Windows folder"};
    EXPECT_EQ(name, expected[i]) << i;
    if (i != 1) {
      EXPECT_EQ(info.wID, MenuCommandOfPosition(i));
      ASSERT_NE(menu.EntryOfCommand(info.wID), nullptr);
      EXPECT_EQ(menu.EntryOfCommand(info.wID)->Tag, i);
    }
  }
  EXPECT_EQ(menu.EntryOfCommand(0), nullptr);
  EXPECT_EQ(menu.EntryOfCommand(MenuCommandOfPosition(1)), nullptr);  // the separator
  EXPECT_EQ(menu.EntryOfCommand(MenuCommandOfPosition(4)), nullptr);

  // A rebuild replaces everything; an empty list leaves an empty menu.
  tzvshortcutlist empty;
  ASSERT_TRUE(RebuildShortcutMenu(menu, empty, true, IconIndex, FakeHotkeyText));
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 0);
  EXPECT_EQ(menu.Count(), 0);
  EXPECT_EQ(menu.Popup(nullptr, 0, 0), nullptr);
}

TEST(ShortcutMenuWindow, ItemsOfOtherMenusAreLeftAlone) {
  timagelisticons icons(SystemImageList(false));
  tmenupainter painter(icons);
  tpopupmenu menu(painter);
  tzvshortcutlist list;
  FillList(list);
  RebuildShortcutMenu(menu, list, false, IconIndex, nullptr);
  tmenuentry stranger = MenuEntry("Stranger", 0);
  MEASUREITEMSTRUCT mis = {};
  mis.CtlType = ODT_MENU;
  mis.itemData = reinterpret_cast<ULONG_PTR>(&stranger);
  EXPECT_FALSE(menu.MeasureItem(mis));
  mis.itemData = menu.ItemData(0);
  mis.CtlType = ODT_LISTBOX;
  EXPECT_FALSE(menu.MeasureItem(mis));
  DRAWITEMSTRUCT dis = {};
  dis.CtlType = ODT_MENU;
  dis.itemData = menu.ItemData(0);
  dis.hwndItem = nullptr;  // another menu's handle
  EXPECT_FALSE(menu.DrawItem(dis));
}

class ShortcutMenuPicture : public ::testing::TestWithParam<bool> {};

TEST_P(ShortcutMenuPicture, DrawsStripIconsCaptionsHotkeysAndSeparator) {
  const bool large = GetParam();
  timagelisticons icons(SystemImageList(large));
  ASSERT_NE(icons.List(), nullptr);
  const int iw = icons.IconWidth(), ih = icons.IconHeight();
  EXPECT_EQ(iw, large ? 32 : 16);
  tmenupainter painter(icons);
  tpopupmenu menu(painter);
  tzvshortcutlist list;
  FillList(list);
  ASSERT_TRUE(RebuildShortcutMenu(menu, list, true, IconIndex, FakeHotkeyText));

  tbitmap picture;
  const rendered r = Render(menu, picture, 2);  // the file item selected
  ASSERT_TRUE(picture);
  const std::string name = large ? "menu-large.bmp" : "menu-small.bmp";
  EXPECT_TRUE(SaveBitmapScreenshot(picture.Get(), name));
  tbitmap separatorSelected;
  Render(menu, separatorSelected, 1);
  SaveBitmapScreenshot(separatorSelected.Get(), large ? "menu-large-sep.bmp" : "menu-small-sep.bmp");

  const int text = MenuTextHeight();
  const int itemHeight = std::max(text, ih + 4);
  EXPECT_EQ(r.rows[0].bottom - r.rows[0].top, itemHeight);
  EXPECT_EQ(r.rows[1].bottom - r.rows[1].top, 5);
  EXPECT_EQ(r.rows[2].bottom - r.rows[2].top, itemHeight);
  const int widest = TextWidth("Windows folder") + iw + 16;
  const int withHotkey = TextWidth("Settings file") + iw + 16 + TextWidth("(Alt+F5)") + 8;
  EXPECT_EQ(r.width, std::max(widest, withHotkey));

  pixels px(picture.Get());
  const RECT app = r.rows[0], sep = r.rows[1], file = r.rows[2], folder = r.rows[3];
  const int strip = iw + 8;
  // Unselected item: the ramp from its left edge, white right of the strip.
  ExpectStripRow(px, app.top, strip);
  ExpectStripRow(px, app.bottom - 1, strip);
  EXPECT_EQ(px.At(0, app.top), px.At(0, app.bottom - 1));  // uniform top to bottom
  EXPECT_EQ(px.At(strip, app.top + 1), RGB(255, 255, 255));
  EXPECT_EQ(px.At(r.width - 1, app.top + 1), RGB(255, 255, 255));
  // Its icon stands in the strip at (4, 2).
  bool iconInk = false;
  for (int y = app.top + 2; y < app.top + 2 + ih; ++y)
    for (int x = 4; x < 4 + iw; ++x)
      if (px.At(x, y) != px.At(x, app.bottom - 1))
        iconInk = true;
  EXPECT_TRUE(iconInk) << "no icon drawn";
  // Caption from IW + 12; the hotkey text ends 3 pixels before the edge.
  const int textTop = app.top + (itemHeight - text) / 2;
  const int captionStart = px.FirstInk(strip, r.width, textTop, textTop + text);
  EXPECT_GE(captionStart, iw + 12);
  EXPECT_LE(captionStart, iw + 14);
  const int appHotkeyEnd = px.LastInk(strip, r.width, textTop, textTop + text);
  EXPECT_LT(appHotkeyEnd, r.width - 3);
  EXPECT_GE(appHotkeyEnd, r.width - 7);  // less the last glyph's side bearing
  // The folder has no hotkey: nothing near the right edge.
  const int folderTop = folder.top + (itemHeight - text) / 2;
  EXPECT_LT(px.LastInk(strip, r.width, folderTop, folderTop + text), iw + 12 + TextWidth("Windows folder"));

  // Selected item: highlight across the whole width, no strip.
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT) & 0xFFFFFF;
  EXPECT_EQ(px.At(0, file.top), highlight);
  EXPECT_EQ(px.At(strip - 1, file.bottom - 1), highlight);
  EXPECT_EQ(px.At(r.width - 1, file.bottom - 1), highlight);
  bool iconOnHighlight = false;
  for (int y = file.top + 2; y < file.top + 2 + ih; ++y)
    for (int x = 4; x < 4 + iw; ++x) iconOnHighlight |= px.At(x, y) != highlight;
  EXPECT_TRUE(iconOnHighlight);

  // Separator: strip, black line from x 14 up to W - 14 at y 2.
  ExpectStripRow(px, sep.top, strip);
  ExpectStripRow(px, sep.bottom - 1, strip);
  EXPECT_NE(GreyLevel(px.At(13, sep.top + 2)), 0);
  EXPECT_EQ(px.At(13, sep.top + 2), px.At(13, sep.top + 1));
  EXPECT_EQ(px.At(14, sep.top + 2), RGB(0, 0, 0));
  EXPECT_EQ(px.At(r.width - 15, sep.top + 2), RGB(0, 0, 0));
  EXPECT_EQ(px.At(r.width - 14, sep.top + 2), RGB(255, 255, 255));
  EXPECT_EQ(px.At(r.width - 15, sep.top + 1), RGB(255, 255, 255));

  // A "selected" separator looks like any other.
  pixels sepPx(separatorSelected.Get());
  for (int y = sep.top; y < sep.bottom; ++y)
    for (int x = 0; x < r.width; x += 3) ASSERT_EQ(sepPx.At(x, y), px.At(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(IconSizes, ShortcutMenuPicture, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& p) {
                           return std::string(p.param ? "Large" : "Small");
                         });

TEST(ShortcutMenuPicture, HotkeysOffMakesTheMenuNarrower) {
  timagelisticons icons(SystemImageList(false));
  tmenupainter painter(icons);
  tpopupmenu menu(painter);
  tzvshortcutlist list;
  Append(list, MakeShortcut(stApplication, "Notepad", WindowsDir() + "\\notepad.exe", 0x4041));
  RebuildShortcutMenu(menu, list, true, IconIndex, FakeHotkeyText);
  tbitmap on, off;
  const int withHotkey = Render(menu, on, -1).width;
  RebuildShortcutMenu(menu, list, false, IconIndex, FakeHotkeyText);
  const rendered r = Render(menu, off, -1);
  EXPECT_EQ(withHotkey - r.width, TextWidth("(Strg+A)") + 8);
  pixels px(off.Get());
  // Only the caption is written: its ink ends where the caption ends.
  EXPECT_LE(px.LastInk(24, r.width, 0, r.height), 28 + TextWidth("Notepad"));
}

TEST(ShortcutMenuPicture, AnItemAfterASmallerOneIsDrawnWhole) {
  // The painter keeps its picture from item to item and grows it: a
  // separator first, then taller items, must not leave them cut.
  timagelisticons icons(SystemImageList(false));
  const std::string notepad = WindowsDir() + "\\notepad.exe";
  tbitmap grown, fresh;
  tmenupainter painterA(icons), painterB(icons);
  tpopupmenu afterSeparator(painterA), alone(painterB);
  tzvshortcutlist a, b;
  Append(a, Separator());
  Append(a, MakeShortcut(stApplication, "Notepad", notepad, 0x4041));
  Append(b, MakeShortcut(stApplication, "Notepad", notepad, 0x4041));
  RebuildShortcutMenu(afterSeparator, a, true, IconIndex, FakeHotkeyText);
  RebuildShortcutMenu(alone, b, true, IconIndex, FakeHotkeyText);
  const rendered ra = Render(afterSeparator, grown, -1), rb = Render(alone, fresh, -1);
  ASSERT_EQ(ra.width, rb.width);
  const RECT& rowA = ra.rows[1];
  const RECT& rowB = rb.rows[0];
  ASSERT_EQ(rowA.bottom - rowA.top, rowB.bottom - rowB.top);
  ASSERT_GT(rowB.bottom - rowB.top, ra.rows[0].bottom - ra.rows[0].top);
  pixels pa(grown.Get()), pb(fresh.Get());
  int differing = 0;
  for (int y = 0; y < rowB.bottom - rowB.top; ++y)
    for (int x = 0; x < rb.width; ++x) differing += pa.At(x, rowA.top + y) != pb.At(x, rowB.top + y);
  EXPECT_EQ(differing, 0);
}

TEST(FontFamiliesOnThisSystem, EnumeratedOnceAndMenuFontFollowsTahoma) {
  const tfontfamilies& families = ScreenFontFamilies();
  EXPECT_EQ(&families, &ScreenFontFamilies());
  EXPECT_TRUE(families.Contains("Default"));
  EXPECT_GT(families.Names().size(), 1u);
  std::string all;
  for (const std::string& n : families.Names()) all += n + "; ";
  const bool tahoma = families.Contains("tahoma");
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  std::printf("screen font families (%u): %s\nTahoma installed: %s; system menu font: %s %ld\n",
              static_cast<unsigned>(families.Names().size()), all.c_str(), tahoma ? "yes" : "no",
              metrics.lfMenuFont.lfFaceName, static_cast<long>(metrics.lfMenuFont.lfHeight));
  LOGFONTA lf = {};
  {
    tfont font = CreateMenuFont();
    ASSERT_TRUE(GetObjectA(font.Get(), sizeof(lf), &lf));
    EXPECT_STREQ(lf.lfFaceName, tahoma ? "Tahoma" : metrics.lfMenuFont.lfFaceName);
  }
  // Both cases whatever this system has; only the face may change.
  const tfontfamilies withTahoma({"Arial", "tahoma"}), without({"Arial", "MS Sans Serif"});
  for (const tfontfamilies* installed : {&withTahoma, &without}) {
    tfont font = CreateMenuFont(*installed);
    ASSERT_TRUE(GetObjectA(font.Get(), sizeof(lf), &lf));
    EXPECT_STREQ(lf.lfFaceName, installed == &withTahoma ? "Tahoma" : metrics.lfMenuFont.lfFaceName);
    EXPECT_EQ(lf.lfHeight, metrics.lfMenuFont.lfHeight);
    EXPECT_EQ(lf.lfWeight, metrics.lfMenuFont.lfWeight);
    EXPECT_EQ(lf.lfItalic, metrics.lfMenuFont.lfItalic);
    EXPECT_EQ(lf.lfCharSet, metrics.lfMenuFont.lfCharSet);
  }

  tformfonts form;
  tformcomponent link;
  link.IsLabel = true;
  link.ParentFont = false;
  link.Font.Bold = true;
  form.Components.push_back(link);
  ApplyFontFallback(form);
  EXPECT_EQ(form.Font.Name, tahoma ? "Tahoma" : "MS Sans Serif");
  tfont made = CreateDescribedFont(form.Components[0].Font);
  ASSERT_TRUE(GetObjectA(made.Get(), sizeof(lf), &lf));
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfHeight, -11);
}

namespace {

// A hidden owner window wired the way the main window forwards the
// owner-draw messages to its menus.
struct hoststate {
  tpopupmenu* menu = nullptr;
  int measured = 0, drawn = 0, ticks = 0;
  bool shot = false;
  std::string screenshot;
  std::vector<UINT> measuredHeights;
};
hoststate host;

LRESULT CALLBACK HostProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MEASUREITEM: {
      auto& mis = *reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (host.menu && host.menu->MeasureItem(mis)) {
        ++host.measured;
        host.measuredHeights.push_back(mis.itemHeight);
        return TRUE;
      }
      break;
    }
    case WM_DRAWITEM:
      if (host.menu && host.menu->DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lp))) {
        ++host.drawn;
        return TRUE;
      }
      break;
    case WM_TIMER: {
      ++host.ticks;
      HWND popup = FindWindowA("#32768", nullptr);
      if (popup && IsWindowVisible(popup) && host.drawn > 0 && !host.shot) {
        host.shot = SaveWindowScreenshot(popup, host.screenshot);
        EndMenu();
      } else if (host.ticks > 100) {
        EndMenu();  // never wait for ever
      }
      return 0;
    }
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace

// Pops the menu of `list` up for a hidden owner, takes a screenshot once
// items are drawn and closes it again.
hoststate RunPopup(const tzvshortcutlist& list, const std::string& screenshot,
                   const tmenuentry** chosen) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "zvmenuhosttest";
  RegisterClassA(&wc);
  HWND owner = CreateWindowExA(0, wc.lpszClassName, "menu host", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, wc.hInstance, nullptr);
  timagelisticons icons(SystemImageList(false));
  tmenupainter painter(icons);
  tpopupmenu menu(painter);
  RebuildShortcutMenu(menu, list, true, IconIndex, FakeHotkeyText);
  host = hoststate();
  host.menu = &menu;
  host.screenshot = screenshot;
  SetTimer(owner, 1, 100, nullptr);
  *chosen = menu.Popup(owner, 100, 100);
  KillTimer(owner, 1);
  host.menu = nullptr;
  DestroyWindow(owner);
  return host;
}

TEST(ShortcutMenuWindow, RealPopupAsksTheOwnerForEverySizeAndPicture) {
  tzvshortcutlist list;
  FillList(list);
  const tmenuentry* chosen = nullptr;
  hoststate h = RunPopup(list, "menu-popup.bmp", &chosen);
  EXPECT_EQ(chosen, nullptr);  // closed without a choice
  EXPECT_EQ(h.measured, 4);    // the separator included
  EXPECT_GE(h.drawn, 4);
  EXPECT_TRUE(h.shot);
  ASSERT_EQ(h.measuredHeights.size(), 4u);
  EXPECT_EQ(h.measuredHeights[1], 5u);

  // Separators only: a menu of lines that pops up all the same.
  tzvshortcutlist lines;
  Append(lines, Separator());
  Append(lines, Separator());
  h = RunPopup(lines, "menu-popup-lines.bmp", &chosen);
  EXPECT_EQ(chosen, nullptr);
  EXPECT_EQ(h.measured, 2);
  EXPECT_GE(h.drawn, 2);
  EXPECT_TRUE(h.shot);
}

TEST(ContextMenuPicture, SixItemsWithSmallIconsAndNoHotkeyPart) {
  // Any 16 x 16 list serves for the layout; the program's own pictures
  // stand at indices 0 to 3.
  timagelisticons icons(SystemImageList(false));
  tmenupainter painter(icons);
  tpopupmenu menu(painter);
  ASSERT_TRUE(menu.Rebuild({MenuEntry("Shortcut Editor...", 0), MenuEntry("-", -1),
                            MenuEntry("Options...", 1), MenuEntry("About...", 2),
                            MenuEntry("-", -1), MenuEntry("Exit", 3)}));
  tbitmap picture;
  const rendered r = Render(menu, picture, 3);
  EXPECT_TRUE(SaveBitmapScreenshot(picture.Get(), "contextmenu.bmp"));
  const int text = MenuTextHeight(), itemHeight = std::max(text, 20);
  const int heights[] = {itemHeight, 5, itemHeight, itemHeight, 5, itemHeight};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(r.rows[i].bottom - r.rows[i].top, heights[i]) << i;
  EXPECT_EQ(r.width, TextWidth("Shortcut Editor...") + 32);
  pixels px(picture.Get());
  const int top = r.rows[0].top + (itemHeight - text) / 2;
  const int captionStart = px.FirstInk(24, r.width, top, top + text);
  EXPECT_GE(captionStart, 28);
  EXPECT_LE(captionStart, 30);
  EXPECT_GE(GreyLevel(px.At(23, r.rows[5].top)), StripRampGrey(0));  // a 24-pixel strip
  EXPECT_EQ(px.At(24, r.rows[5].top), RGB(255, 255, 255));
}

// Groups as the system sees them: each opens a submenu of its own items,
// an empty one holds a grey "(Empty)", the identifiers stay list indexes,
// and typing in a submenu chooses among its items only.
TEST(ShortcutMenuWindow, GroupsOpenSubmenusOfTheirOwnItems) {
  timagelisticons icons(SystemImageList(false));
  tmenupainter painter(icons);
  tpopupmenu menu(painter);
  tzvshortcutlist list;
  const std::string windows = WindowsDir();
  Append(list, Group("Tools"));                                                        // 0
  Append(list, AtLevel(MakeShortcut(stApplication, "Notepad", windows + "\\notepad.exe"), 1));  // 1
  Append(list, Group("Deep", 1));                                                      // 2
  Append(list, AtLevel(MakeShortcut(stFolder, "Windows", windows), 2));                // 3
  Append(list, Group("Empty"));                                                        // 4
  Append(list, MakeShortcut(stFile, "Win.ini", windows + "\\win.ini"));                // 5
  ASSERT_TRUE(RebuildShortcutMenu(menu, list, true, IconIndex, FakeHotkeyText, [] { return 3; }));
  EXPECT_EQ(menu.Count(), 6);
  ASSERT_EQ(GetMenuItemCount(menu.Handle()), 3);
  HMENU tools = menu.SubmenuOf(0), deep = menu.SubmenuOf(2), empty = menu.SubmenuOf(4);
  ASSERT_TRUE(tools && deep && empty);
  EXPECT_EQ(GetSubMenu(menu.Handle(), 0), tools);
  EXPECT_EQ(GetSubMenu(tools, 1), deep);
  EXPECT_EQ(GetSubMenu(menu.Handle(), 1), empty);
  EXPECT_EQ(menu.SubmenuOf(1), nullptr);
  EXPECT_EQ(GetMenuItemCount(tools), 2);
  EXPECT_EQ(GetMenuItemCount(deep), 1);
  EXPECT_EQ(GetMenuItemID(deep, 0), MenuCommandOfPosition(3));
  ASSERT_NE(menu.EntryOfCommand(MenuCommandOfPosition(3)), nullptr);
  EXPECT_EQ(menu.EntryOfCommand(MenuCommandOfPosition(3))->Tag, 3);
  EXPECT_EQ(menu.EntryOfCommand(MenuCommandOfPosition(2)), nullptr) << "a group is no command";
  EXPECT_EQ(menu.Entry(0)->ImageIndex, 3);

  ASSERT_EQ(GetMenuItemCount(empty), 1);
  EXPECT_TRUE(GetMenuState(empty, 0, MF_BYPOSITION) & MF_GRAYED);
  const tmenuentry* placeholder = menu.ItemsOf(empty)->at(0);
  EXPECT_EQ(placeholder->Caption, "(Empty)");
  EXPECT_TRUE(placeholder->Disabled);
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_DATA | MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoA(deep, 0, TRUE, &info));
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  EXPECT_EQ(info.dwItemData, menu.ItemData(3));

  // Items of submenus are measured and drawn like the top level's.
  tbitmap picture;
  for (HMENU in : {tools, deep, empty}) {
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    MENUITEMINFOA item = {};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfoA(in, 0, TRUE, &item));
    mis.itemData = item.dwItemData;
    EXPECT_TRUE(menu.MeasureItem(mis));
    twindowdc screen;
    tmemorydc dc(screen.Get());
    picture = tbitmap(CreateCompatibleBitmap(screen.Get(), static_cast<int>(mis.itemWidth), 40));
    tselection select(dc.Get(), picture.Get());
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.hwndItem = reinterpret_cast<HWND>(in);
    dis.hDC = dc.Get();
    dis.rcItem = {0, 0, static_cast<int>(mis.itemWidth), static_cast<int>(mis.itemHeight)};
    dis.itemData = mis.itemData;
    EXPECT_TRUE(menu.DrawItem(dis));
  }

  // Typed letters: N in Tools starts Notepad, D opens Deep, E on the top
  // level opens the group of that name; "(Empty)" never answers.
  LRESULT result = 0;
  ASSERT_TRUE(AnswerMenuChar(menu, nullptr, 'n', reinterpret_cast<LPARAM>(tools), result));
  EXPECT_EQ(result, MAKELRESULT(0, MNC_EXECUTE));
  ASSERT_TRUE(AnswerMenuChar(menu, nullptr, 'd', reinterpret_cast<LPARAM>(tools), result));
  EXPECT_EQ(result, MAKELRESULT(1, MNC_EXECUTE));
  ASSERT_TRUE(AnswerMenuChar(menu, nullptr, 'e', reinterpret_cast<LPARAM>(menu.Handle()), result));
  EXPECT_EQ(result, MAKELRESULT(1, MNC_EXECUTE));
  ASSERT_TRUE(AnswerMenuChar(menu, nullptr, 'e', reinterpret_cast<LPARAM>(empty), result));
  EXPECT_EQ(result, 0);
  HMENU other = CreatePopupMenu();
  EXPECT_FALSE(AnswerMenuChar(menu, nullptr, 'n', reinterpret_cast<LPARAM>(other), result));
  DestroyMenu(other);

  // A new DPI makes the submenus anew, in the same places.
  menu.UseDpi(painter.Dpi() == 144 ? 96 : 144);
  ASSERT_NE(menu.SubmenuOf(2), nullptr);
  EXPECT_EQ(GetSubMenu(menu.SubmenuOf(0), 1), menu.SubmenuOf(2));
  EXPECT_EQ(GetMenuItemCount(menu.SubmenuOf(4)), 1);
}

TEST(ShortcutMenuPicture, DarkAppModeDrawsTheDarkPaletteAndLightComesBackAsBefore) {
  timagelisticons icons(SystemImageList(false));
  tmenupainter painter(icons);
  tpopupmenu menu(painter);
  tzvshortcutlist list;
  FillList(list);
  ASSERT_TRUE(RebuildShortcutMenu(menu, list, true, IconIndex, FakeHotkeyText));
  tbitmap before;
  const rendered light = Render(menu, before, 2);
  {
    tappmode dark(0);
    ASSERT_EQ(CurrentPalette().Mode, tcolourmode::Dark);
    const tpalette& p = CurrentPalette();
    tbitmap picture;
    const rendered r = Render(menu, picture, 2);
    pixels px(picture.Get());
    const RECT& row = r.rows[0];
    EXPECT_EQ(px.At(row.right - 3, row.top + 2), Gdi(p.MenuBackground));
    EXPECT_EQ(px.At(r.rows[2].right - 3, r.rows[2].top + 2), Gdi(p.MenuSelection)) << "the selected row";
    EXPECT_LE(GreyLevel(px.At(1, row.top + 1)), 42) << "the strip";
    // The caption's letters are light on the dark row.
    int lightest = 0;
    for (int x = 30; x < row.right - 10; ++x)
      for (int y = row.top; y < row.bottom; ++y) lightest = std::max(lightest, static_cast<int>(GetGValue(px.At(x, y))));
    EXPECT_GE(lightest, 200);
    // The separator line in the palette's line colour.
    bool line = false;
    for (int y = r.rows[1].top; y < r.rows[1].bottom; ++y) line = line || px.At(30, y) == Gdi(p.MenuLine);
    EXPECT_TRUE(line);
  }
  // Light again: the same picture as before, pixel for pixel.
  ASSERT_EQ(CurrentPalette().Mode, tcolourmode::Light);
  tbitmap after;
  const rendered again = Render(menu, after, 2);
  ASSERT_EQ(again.width, light.width);
  ASSERT_EQ(again.height, light.height);
  pixels a(before.Get()), b(after.Get());
  for (int y = 0; y < light.height; ++y)
    for (int x = 0; x < light.width; ++x) ASSERT_EQ(a.At(x, y), b.At(x, y)) << x << "," << y;
}
