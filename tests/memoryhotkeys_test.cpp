// What only the in-memory hotkey table can show: how often the check asks the
// system.
#include <gtest/gtest.h>

#include "list_helpers.h"
#include "model/hotkeyvalue.h"
#include "model/memoryhotkeys.h"

using namespace zv;

TEST(HotkeyProbes, AValueKnownToBeTakenIsNeverProbedAgain) {
  tmemoryhotkeys system;
  ASSERT_TRUE(system.HoldForOtherProgram(modAlt, 'X'));
  tzvshortcutlist list;
  for (int i = 0; i < 4; ++i) Append(list, MakeShortcut(stApplication, "S", "", 0xC058));
  EXPECT_EQ(list.CheckHotkeys(system, true), 1);
  // Own hotkey once; then Alt+X (held) and Shift+Alt+X; then Ctrl+X.
  // The fourth entry goes straight to Shift+Ctrl+X.
  EXPECT_EQ(system.RegisterCalls(), 5);
  EXPECT_EQ(list.GetItem(3)->Hotkey, 0x6058);
  EXPECT_EQ(system.RegistrationCount(), 0);

  tmemoryhotkeys fresh;
  tzvshortcutlist marking;
  for (int i = 0; i < 4; ++i) Append(marking, MakeShortcut(stApplication, "S", "", 0xC058));
  EXPECT_EQ(marking.CheckHotkeys(fresh, false), -1);
  EXPECT_EQ(fresh.RegisterCalls(), 1);
}

TEST(HotkeyProbes, UnusableKeysAreNeverOfferedToTheSystem) {
  tmemoryhotkeys system;
  tzvshortcutlist list;
  for (std::uint16_t h : {0x0141, 0xDF58, 0x4000})
    Append(list, MakeShortcut(stApplication, "S", "", h));
  EXPECT_EQ(list.CheckHotkeys(system, true), -1);
  EXPECT_EQ(list.RegisterHotkeys(system), 3);
  EXPECT_EQ(system.RegisterCalls(), 0);
  EXPECT_EQ(list.GetItem(0)->Hotkey, 0x0141);
}

TEST(HotkeyProbes, UnregisteringReleasesExactlyTheRegisteredIdentifiers) {
  tmemoryhotkeys system;
  tzvshortcutlist list;
  for (std::uint16_t h : {0xC058, 0, 0xC058, 0x8041})
    Append(list, MakeShortcut(stApplication, "S", "", h));
  EXPECT_EQ(list.RegisterHotkeys(system), 1);
  EXPECT_TRUE(system.IsRegistered(0));
  EXPECT_FALSE(system.IsRegistered(2));
  EXPECT_TRUE(system.IsRegistered(3));
  ASSERT_TRUE(system.Register(MenuHotkeyId, modWin, 'Q'));
  list.UnregisterHotkeys(system);
  EXPECT_EQ(system.RegistrationCount(), 1);
  EXPECT_TRUE(system.IsRegistered(MenuHotkeyId));
}

TEST(HotkeyProbes, NoEntrySharesTheMenuOrFindHotkeysIdentifier) {
  tmemoryhotkeys system;
  tzvshortcutlist list;
  for (int i = 0; i < MenuHotkeyId + 2; ++i) Append(list, Separator());
  list.GetItem(FindHotkeyId - 1)->Hotkey = 0xC041;
  list.GetItem(FindHotkeyId)->Hotkey = 0xC044;
  list.GetItem(MenuHotkeyId)->Hotkey = 0xC042;
  list.GetItem(MenuHotkeyId + 1)->Hotkey = 0xC043;
  ASSERT_TRUE(system.Register(MenuHotkeyId, modWin, 'Q'));
  ASSERT_TRUE(system.Register(FindHotkeyId, modWin | modShift, 'Q'));
  EXPECT_EQ(list.RegisterHotkeys(system), 3);
  EXPECT_EQ(list.GetItem(FindHotkeyId - 1)->HotkeyStatus, hsRegistered);
  EXPECT_EQ(list.GetItem(FindHotkeyId)->HotkeyStatus, hsFailed);
  EXPECT_EQ(list.GetItem(MenuHotkeyId)->HotkeyStatus, hsFailed);
  EXPECT_EQ(list.GetItem(MenuHotkeyId + 1)->HotkeyStatus, hsFailed);
  EXPECT_FALSE(system.IsHeld(modControl | modAlt, 'B'));
  // Releasing the list leaves the menu and find hotkeys alone.
  list.UnregisterHotkeys(system);
  EXPECT_EQ(system.RegistrationCount(), 2);
  EXPECT_TRUE(system.IsHeld(modWin, 'Q'));
  EXPECT_TRUE(system.IsHeld(modWin | modShift, 'Q'));
}
