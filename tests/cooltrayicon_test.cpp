// The tray icon's logic against a recording shell: what the shell is told,
// which clicks become events, the context menu and the shared window.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "components/tcooltrayicon.h"
#include "components/ttrayiconhandler.h"
#include "trayfake.h"

using zv::TCoolTrayIcon;
using zv::TTrayIconHandler;

namespace {

void* const Owner = trayfake::Handle(0x77);
void* const AppIcon = trayfake::Handle(0x100);

// Delivers a notification the way the shell does: to the shared window, with
// the icon's identifier as wParam.
void Notify(const TCoolTrayIcon& icon, std::uint32_t notification) {
  TTrayIconHandler* handler = TTrayIconHandler::Instance();
  ASSERT_NE(handler, nullptr);
  std::intptr_t result = -1;
  EXPECT_TRUE(
      handler->WindowMessage(zv::TrayCallbackMessage, icon.IconData().ID, notification, result));
  EXPECT_EQ(result, 0);
}

void Click(const TCoolTrayIcon& icon) {
  Notify(icon, zv::tnLButtonDown);
  Notify(icon, zv::tnLButtonUp);
}

struct counted {
  int Clicks = 0, DblClicks = 0;
  void Attach(TCoolTrayIcon& icon) {
    icon.OnClick = [this](TCoolTrayIcon&) { ++Clicks; };
    icon.OnDblClick = [this](TCoolTrayIcon&) { ++DblClicks; };
  }
};

}  // namespace

TEST(CoolTrayIcon, StartsHiddenAndTheStartUpSequenceNeverAddsTheIcon) {
  trayfake shell;
  TCoolTrayIcon icon(shell, Owner);
  EXPECT_TRUE(icon.Enabled());
  EXPECT_FALSE(icon.IconVisible());
  EXPECT_TRUE(icon.ShowHint());
  EXPECT_TRUE(shell.ShellOps().empty());
  const zv::ttrayicondata& d = icon.IconData();
  EXPECT_EQ(d.Window, TTrayIconHandler::Instance()->Window());
  EXPECT_NE(d.Window, nullptr);
  EXPECT_NE(d.ID, 0u);
  EXPECT_EQ(d.Flags, 7u);
  EXPECT_EQ(d.CallbackMessage, 0x0800u);

  icon.SetHint("Zorvane");
  icon.SetIcon(AppIcon);
  icon.Loaded();
  EXPECT_EQ(shell.ShellOps(),
            (std::vector<std::string>{"modify", "modify", "modify", "delete", "version"}));
  EXPECT_EQ(shell.Last().Data.Version, 0u);
  EXPECT_EQ(shell.Last().Tip(), "Zorvane");

  // The main window's start-up: grey and disabled, then shown.
  const std::size_t before = shell.Calls.size();
  icon.SetEnabled(false);
  EXPECT_EQ(shell.Calls.size(), before);  // the gate sends nothing
  icon.SetHint("Zorvane (Disabled)");
  icon.SetIconVisible(true);
  EXPECT_EQ(shell.Last().Op, "add");
  EXPECT_EQ(shell.Last().Tip(), "Zorvane (Disabled)");
  EXPECT_TRUE(icon.IconVisible());
}

TEST(CoolTrayIcon, TipIsCutTo127CharactersAndEmptyWhenHintsAreOff) {
  trayfake shell;
  TCoolTrayIcon icon(shell, nullptr);
  std::string hint;
  for (int i = 0; i < 200; ++i) hint += static_cast<char>('a' + i % 26);
  hint[5] = '\xFC';  // Windows-1252 bytes pass unchanged
  icon.SetHint(hint);
  EXPECT_EQ(icon.Hint(), hint);
  EXPECT_EQ(shell.Last().Op, "modify");
  EXPECT_EQ(shell.Last().Tip(), hint.substr(0, 127));
  EXPECT_EQ(shell.Last().Data.Tip[127], '\0');

  auto allZero = [](const zv::ttrayicondata& d) {
    for (char c : d.Tip)
      if (c != 0) return false;
    return true;
  };
  icon.SetShowHint(false);
  EXPECT_EQ(shell.Last().Op, "modify");
  EXPECT_TRUE(allZero(shell.Last().Data));
  icon.SetShowHint(true);
  icon.SetHint(std::string(127, 'x'));
  EXPECT_EQ(shell.Last().Tip(), std::string(127, 'x'));
  icon.SetHint("");
  EXPECT_TRUE(allZero(shell.Last().Data));
}

TEST(CoolTrayIcon, ShowsItsOwnCopyOfThePictureAndFreesIt) {
  trayfake shell;
  {
    TCoolTrayIcon icon(shell, nullptr);
    icon.SetIcon(AppIcon);
    void* first = shell.Last().Data.Icon;
    EXPECT_NE(first, nullptr);
    EXPECT_NE(first, AppIcon);
    // Changed while hidden: the shell is told (and refuses), the next add
    // shows the new picture.
    icon.SetIcon(trayfake::Handle(0x200));
    void* second = shell.Last().Data.Icon;
    EXPECT_EQ(shell.Last().Op, "modify");
    EXPECT_NE(second, first);
    EXPECT_EQ(shell.LiveCopies.size(), 1u);
    icon.SetIconVisible(true);
    EXPECT_EQ(shell.Last().Op, "add");
    EXPECT_EQ(shell.Last().Data.Icon, second);

    // A picture that cannot be read goes out as no icon; the call is made.
    icon.SetIcon(shell.Unreadable);
    EXPECT_EQ(shell.Last().Op, "modify");
    EXPECT_EQ(shell.Last().Data.Icon, nullptr);
    EXPECT_EQ(icon.Icon(), nullptr);
    icon.SetIcon(AppIcon);
  }
  EXPECT_TRUE(shell.LiveCopies.empty());
  EXPECT_EQ(shell.Last().Op, "delete");
}

TEST(CoolTrayIcon, VisibilityAddsAndDeletesAndDestructionRemovesTheIcon) {
  trayfake shell;
  std::uint32_t id = 0;
  {
    TCoolTrayIcon icon(shell, Owner);
    id = icon.IconData().ID;
    icon.SetIconVisible(true);
    EXPECT_EQ(shell.Last().Op, "add");
    icon.SetIconVisible(false);
    EXPECT_EQ(shell.Last().Op, "delete");
    EXPECT_FALSE(icon.IconVisible());
    icon.SetIconVisible(true);
  }
  EXPECT_EQ(shell.Last().Op, "delete");
  EXPECT_EQ(shell.Last().Data.ID, id);
}

TEST(CoolTrayIcon, ALeftClickFiresOnReleaseOnlyAfterAPressOnTheIcon) {
  trayfake shell;
  TCoolTrayIcon icon(shell, Owner);
  counted n;
  n.Attach(icon);
  Click(icon);
  EXPECT_EQ(n.Clicks, 1);

  Notify(icon, zv::tnLButtonUp);  // press happened elsewhere
  EXPECT_EQ(n.Clicks, 1);

  // Double click: down, up, double-click, up.
  Click(icon);
  Notify(icon, zv::tnLButtonDblClk);
  Notify(icon, zv::tnLButtonUp);
  EXPECT_EQ(n.Clicks, 2);
  EXPECT_EQ(n.DblClicks, 1);

  Notify(icon, zv::tnMouseMove);
  Notify(icon, zv::tnRButtonUp);
  Notify(icon, 0x0402);  // balloon notification
  EXPECT_EQ(n.Clicks, 2);
}

TEST(CoolTrayIcon, WhileDisabledClicksAndMenusAreIgnored) {
  trayfake shell;
  TCoolTrayIcon icon(shell, Owner);
  fakemenu menu;
  icon.SetPopupMenu(&menu);
  counted n;
  n.Attach(icon);
  icon.SetEnabled(false);
  Click(icon);
  Notify(icon, zv::tnLButtonDblClk);
  Notify(icon, zv::tnRButtonDown);
  EXPECT_EQ(n.Clicks, 0);
  EXPECT_EQ(n.DblClicks, 0);
  EXPECT_TRUE(menu.Popups.empty());

  // Pressed while disabled, released after re-enabling: not a click.
  Notify(icon, zv::tnLButtonDown);
  icon.SetEnabled(true);
  Notify(icon, zv::tnLButtonUp);
  EXPECT_EQ(n.Clicks, 0);
  Click(icon);
  EXPECT_EQ(n.Clicks, 1);

  // Pressed, disabled for a modal window, re-enabled: a later release alone
  // is not a click.
  Notify(icon, zv::tnLButtonDown);
  icon.SetEnabled(false);
  Notify(icon, zv::tnLButtonUp);
  icon.SetEnabled(true);
  Notify(icon, zv::tnLButtonUp);
  EXPECT_EQ(n.Clicks, 1);
}

TEST(CoolTrayIcon, MouseEventsCarryButtonModifiersAndCursor) {
  trayfake shell;
  TCoolTrayIcon icon(shell, nullptr);
  std::vector<std::string> seen;
  auto name = [](zv::tmousebutton b) {
    return b == zv::tmousebutton::mbLeft ? "L" : b == zv::tmousebutton::mbRight ? "R" : "M";
  };
  icon.OnMouseDown = [&](TCoolTrayIcon&, zv::tmousebutton b, unsigned s, int x, int y) {
    seen.push_back(std::string("down ") + name(b) + " " + std::to_string(s) + " " +
                   std::to_string(x) + "," + std::to_string(y));
  };
  icon.OnMouseUp = [&](TCoolTrayIcon&, zv::tmousebutton b, unsigned, int, int) {
    seen.push_back(std::string("up ") + name(b));
  };
  icon.OnMouseMove = [&](TCoolTrayIcon&, unsigned, int, int) { seen.push_back("move"); };
  icon.OnClick = [&](TCoolTrayIcon&) { seen.push_back("click"); };
  shell.Shift = zv::ssCtrl | zv::ssShift;
  shell.CursorX = 10;
  shell.CursorY = 20;
  Notify(icon, zv::tnMouseMove);
  Click(icon);
  Notify(icon, zv::tnMButtonDown);
  Notify(icon, zv::tnMButtonUp);
  EXPECT_EQ(seen, (std::vector<std::string>{"move", "down L 5 10,20", "click", "up L",
                                            "down M 5 10,20", "up M"}));
}

TEST(CoolTrayIcon, RightPressPopsTheMenuUpAtTheCursorInTheForeground) {
  trayfake shell;
  TCoolTrayIcon icon(shell, Owner);
  fakemenu menu(&shell);
  icon.SetPopupMenu(&menu);
  shell.Calls.clear();
  Notify(icon, zv::tnRButtonDown);
  ASSERT_EQ(menu.Popups.size(), 1u);
  EXPECT_EQ(menu.Popups[0].X, 1200);
  EXPECT_EQ(menu.Popups[0].Y, 1000);
  EXPECT_EQ(menu.PopupComponent, &icon);
  EXPECT_EQ(shell.Ops(), (std::vector<std::string>{"foreground", "process", "popup", "postnull"}));
  EXPECT_EQ(shell.Calls[0].Window, Owner);
  EXPECT_EQ(shell.Calls[3].Window, Owner);

  // No menu when the cursor cannot be read, or the menu pops up by itself no more.
  shell.CursorReadable = false;
  Notify(icon, zv::tnRButtonDown);
  shell.CursorReadable = true;
  menu.AutoPopup = false;
  Notify(icon, zv::tnRButtonDown);
  EXPECT_EQ(menu.Popups.size(), 1u);

  // A double click runs the menu's default item, if the menu pops up by itself.
  Notify(icon, zv::tnLButtonDblClk);
  EXPECT_EQ(menu.DefaultClicks, 0);
  menu.AutoPopup = true;
  Notify(icon, zv::tnLButtonDblClk);
  EXPECT_EQ(menu.DefaultClicks, 1);
}

TEST(CoolTrayIcon, ADestroyedMenuIsForgotten) {
  trayfake shell;
  TCoolTrayIcon icon(shell, Owner);
  TCoolTrayIcon other(shell, Owner);
  auto menu = std::make_unique<fakemenu>();
  icon.SetPopupMenu(menu.get());
  other.SetPopupMenu(menu.get());
  menu.reset();
  EXPECT_EQ(icon.PopupMenu(), nullptr);
  EXPECT_EQ(other.PopupMenu(), nullptr);
  shell.Calls.clear();
  Notify(icon, zv::tnRButtonDown);
  EXPECT_TRUE(shell.Calls.empty());

  // And a destroyed icon is taken off the menu it used.
  fakemenu kept;
  {
    TCoolTrayIcon shortLived(shell, nullptr);
    shortLived.SetPopupMenu(&kept);
    Notify(shortLived, zv::tnRButtonDown);
    EXPECT_EQ(kept.PopupComponent, &shortLived);
  }
  EXPECT_EQ(kept.PopupComponent, nullptr);
}

TEST(CoolTrayIcon, MessagesPendingBeforeTheMenuMayDestroyTheIconOrTheMenu) {
  trayfake shell;
  auto menu = std::make_unique<fakemenu>();
  auto icon = std::make_unique<TCoolTrayIcon>(shell, Owner);
  icon->SetPopupMenu(menu.get());
  shell.WhileProcessing = [&] { menu.reset(); };
  Notify(*icon, zv::tnRButtonDown);
  EXPECT_EQ(shell.Last().Op, "process");

  fakemenu second;
  icon->SetPopupMenu(&second);
  shell.WhileProcessing = [&] { icon.reset(); };
  std::uint32_t id = icon->IconData().ID;
  std::intptr_t result;
  TTrayIconHandler::Instance()->WindowMessage(zv::TrayCallbackMessage, id, zv::tnRButtonDown,
                                              result);
  EXPECT_TRUE(second.Popups.empty());
  EXPECT_EQ(TTrayIconHandler::Instance(), nullptr);
}

TEST(CoolTrayIcon, AClickHandlerMayDestroyTheIcon) {
  trayfake shell;
  auto icon = std::make_unique<TCoolTrayIcon>(shell, Owner);
  bool upAfterwards = false;
  icon->OnClick = [&](TCoolTrayIcon&) { icon.reset(); };
  icon->OnMouseUp = [&](TCoolTrayIcon&, zv::tmousebutton, unsigned, int, int) {
    upAfterwards = true;
  };
  std::uint32_t id = icon->IconData().ID;
  std::intptr_t result;
  TTrayIconHandler::Instance()->WindowMessage(zv::TrayCallbackMessage, id, zv::tnLButtonDown,
                                              result);
  TTrayIconHandler::Instance()->WindowMessage(zv::TrayCallbackMessage, id, zv::tnLButtonUp, result);
  EXPECT_EQ(icon, nullptr);
  EXPECT_FALSE(upAfterwards);
  EXPECT_EQ(shell.Last().Op, "delete");
  EXPECT_EQ(shell.DestroyedWindows.size(), 1u);
}

TEST(CoolTrayIcon, TaskbarRestartAddsTheIconAgainOnlyWhenVisible) {
  trayfake shell;
  TCoolTrayIcon shown(shell, nullptr);
  TCoolTrayIcon hidden(shell, nullptr);
  shown.SetIcon(AppIcon);
  shown.SetHint("Zorvane (Active)");
  shown.SetIconVisible(true);
  hidden.SetHint("hidden");
  shell.Calls.clear();
  std::intptr_t result = 0;
  EXPECT_FALSE(TTrayIconHandler::Instance()->WindowMessage(shell.TaskbarCreated, 0, 0, result));
  ASSERT_EQ(shell.ShellOps(), std::vector<std::string>{"add"});
  EXPECT_EQ(shell.Last().Data.ID, shown.IconData().ID);
  EXPECT_EQ(shell.Last().Tip(), "Zorvane (Active)");
  EXPECT_EQ(shell.Last().Data.Icon, shown.Icon());
  EXPECT_NE(shown.Icon(), nullptr);
}

TEST(CoolTrayIcon, WithoutTheRestartMessageNothingIsTakenForIt) {
  trayfake shell;
  shell.TaskbarCreated = 0;  // shell too old to send it
  TCoolTrayIcon icon(shell, nullptr);
  icon.SetIconVisible(true);
  shell.Calls.clear();
  std::intptr_t result = 0;
  EXPECT_FALSE(TTrayIconHandler::Instance()->WindowMessage(0, 0, 0, result));
  EXPECT_TRUE(shell.Calls.empty());
  EXPECT_FALSE(zv::ShellSendsTaskbarCreated(0x00040046));  // 4.70
  EXPECT_TRUE(zv::ShellSendsTaskbarCreated(0x00040047));   // 4.71
  EXPECT_TRUE(zv::ShellSendsTaskbarCreated(0x00060000));   // 6.0
  EXPECT_FALSE(zv::ShellSendsTaskbarCreated(0x00010050));
}

TEST(TrayIconHandler, OneWindowSharedByCountAndNotificationsReachTheirIcon) {
  trayfake shell;
  EXPECT_EQ(TTrayIconHandler::Instance(), nullptr);
  auto a = std::make_unique<TCoolTrayIcon>(shell, nullptr);
  auto b = std::make_unique<TCoolTrayIcon>(shell, nullptr);
  TTrayIconHandler* handler = TTrayIconHandler::Instance();
  ASSERT_NE(handler, nullptr);
  EXPECT_EQ(handler->RefCount(), 2);
  EXPECT_EQ(shell.WindowsCreated, 1);
  EXPECT_EQ(a->IconData().Window, b->IconData().Window);
  EXPECT_NE(a->IconData().ID, b->IconData().ID);

  counted na, nb;
  na.Attach(*a);
  nb.Attach(*b);
  Click(*b);
  EXPECT_EQ(na.Clicks, 0);
  EXPECT_EQ(nb.Clicks, 1);

  const std::uint32_t goneId = a->IconData().ID;
  a.reset();
  EXPECT_EQ(handler->RefCount(), 1);
  EXPECT_TRUE(shell.DestroyedWindows.empty());
  // A notification still queued for the destroyed icon is dropped.
  std::intptr_t result = -1;
  EXPECT_TRUE(handler->WindowMessage(zv::TrayCallbackMessage, goneId, zv::tnLButtonDown, result));
  EXPECT_TRUE(handler->WindowMessage(zv::TrayCallbackMessage, 0, zv::tnLButtonUp, result));

  void* window = b->IconData().Window;
  b.reset();
  EXPECT_EQ(TTrayIconHandler::Instance(), nullptr);
  EXPECT_EQ(shell.DestroyedWindows, std::vector<void*>{window});

  // The next icon makes a new window; a new icon never reuses an identifier.
  TCoolTrayIcon c(shell, nullptr);
  EXPECT_EQ(shell.WindowsCreated, 2);
  EXPECT_NE(c.IconData().ID, goneId);
  EXPECT_EQ(TTrayIconHandler::Instance()->RefCount(), 1);
}

TEST(TrayIconHandler, NeitherClosesNorBlocksTheEndOfTheSession) {
  trayfake shell;
  TCoolTrayIcon icon(shell, nullptr);
  TTrayIconHandler* handler = TTrayIconHandler::Instance();
  for (std::uint32_t msg : {0x0002u, 0x0010u, 0x0011u, 0x0012u, 0x0016u, 0x0082u}) {
    std::intptr_t result = 0;
    EXPECT_TRUE(handler->WindowMessage(msg, 0, 0, result)) << msg;
    EXPECT_EQ(result, 1) << msg;
  }
  std::intptr_t result = 0;
  EXPECT_FALSE(handler->WindowMessage(0x000F, 0, 0, result));  // WM_PAINT: default
  EXPECT_EQ(TTrayIconHandler::Instance(), handler);
}

TEST(CoolTrayIcon, OwnerWindowIsHookedForItsLifeAndComesForwardWhenShown) {
  trayfake shell;
  {
    TCoolTrayIcon icon(shell, Owner);
    EXPECT_EQ(shell.Hooked, std::vector<void*>{Owner});
    shell.Calls.clear();
    icon.OwnerMessage(0x0018, 1, 0);  // WM_SHOWWINDOW by a direct show call
    icon.OwnerMessage(0x0018, 1, 3);  // shown because its owner was restored
    icon.OwnerMessage(0x0018, 0, 0);  // hidden
    ASSERT_EQ(shell.Ops(), std::vector<std::string>{"foreground"});
    EXPECT_EQ(shell.Calls[0].Window, Owner);
  }
  EXPECT_EQ(shell.Unhooked, std::vector<void*>{Owner});
  TCoolTrayIcon ownerless(shell, nullptr);
  EXPECT_EQ(shell.Hooked.size(), 1u);
}
