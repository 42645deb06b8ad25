// Duplicate-hotkey checks and registrations as the user meets them: the same
// cases run on the in-memory hotkey table and, under Wine, on the real one,
// where "another program" is a window of a second thread.
#include <vector>

#include "hotkey_fixture.h"
#include "list_helpers.h"
#include "model/hotkeyvalue.h"

using namespace zv;

namespace {

constexpr std::uint16_t CtrlAltX = 0xC058, AltX = 0x8058, ShiftAltX = 0xA058, CtrlX = 0x4058;
constexpr std::uint16_t ShiftCtrlX = 0x6058, ShiftCtrlAltX = 0xE058;

void AddWithHotkeys(tzvshortcutlist& list, const std::vector<std::uint16_t>& hotkeys) {
  for (std::uint16_t h : hotkeys)
    Append(list, MakeShortcut(stApplication, "S" + std::to_string(list.Count()), "", h));
}

std::vector<std::uint16_t> Hotkeys(const tzvshortcutlist& list) {
  std::vector<std::uint16_t> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.GetItem(i)->Hotkey);
  return out;
}

std::vector<int> Statuses(const tzvshortcutlist& list) {
  std::vector<int> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.GetItem(i)->HotkeyStatus);
  return out;
}

}  // namespace

TEST_P(HotkeyContract, ACombinationHasOneHolderUntilItIsReleased) {
  ASSERT_TRUE(Window().Register(5, modControl | modAlt, 'X'));
  EXPECT_FALSE(HoldElsewhere(CtrlAltX));
  EXPECT_FALSE(Window().Register(6, modControl | modAlt, 'X'));
  EXPECT_TRUE(Window().Register(6, modAlt, 'X'));  // other modifiers, other hotkey
  Window().Unregister(5);
  Window().Unregister(6);
  EXPECT_TRUE(HoldElsewhere(CtrlAltX));
  EXPECT_FALSE(Window().Register(5, modControl | modAlt, 'X'));
  EXPECT_FALSE(CanRegisterHotkey(Window(), CtrlAltX));
}

TEST_P(HotkeyContract, TheProbeLeavesNothingRegistered) {
  EXPECT_TRUE(CanRegisterHotkey(Window(), CtrlAltX));
  EXPECT_TRUE(CanRegisterHotkey(Window(), CtrlAltX));
  EXPECT_TRUE(HoldElsewhere(CtrlAltX));
}

TEST_P(HotkeyContract, MarkingKeepsTheFirstAndMarksTheLaterUsersOfAHotkey) {
  tzvshortcutlist list;
  AddWithHotkeys(list, {CtrlAltX, 0, CtrlAltX, CtrlAltX});
  list.GetItem(1)->HotkeyStatus = hsInvalid;  // left over from an earlier check
  EXPECT_EQ(list.CheckHotkeys(Window(), false), -1);
  EXPECT_EQ(Statuses(list), (std::vector<int>{hsNone, hsNone, hsInvalid, hsInvalid}));
  EXPECT_EQ(Hotkeys(list), (std::vector<std::uint16_t>{CtrlAltX, 0, CtrlAltX, CtrlAltX}));
  EXPECT_TRUE(HoldElsewhere(CtrlAltX)) << "the check must not keep what it tried";
}

TEST_P(HotkeyContract, MarkingTreatsAHotkeyOfAnotherProgramAsTaken) {
  ASSERT_TRUE(HoldElsewhere(CtrlAltX));
  tzvshortcutlist list;
  AddWithHotkeys(list, {0x8041, CtrlAltX});
  EXPECT_EQ(list.CheckHotkeys(Window(), false), -1);
  EXPECT_EQ(Statuses(list), (std::vector<int>{hsNone, hsInvalid}));
}

TEST_P(HotkeyContract, AListWithoutConflictsChecksAsUsable) {
  tzvshortcutlist list;
  AddWithHotkeys(list, {CtrlAltX, AltX, 0x8041});
  Append(list, Separator());
  EXPECT_EQ(list.CheckHotkeys(Window(), false), 0);
  EXPECT_EQ(list.CheckHotkeys(Window(), true), 0);
  EXPECT_EQ(Statuses(list), (std::vector<int>{hsNone, hsNone, hsNone, hsNone}));
}

TEST_P(HotkeyContract, ResolvingMovesLaterUsersToTheNextFreeModifiers) {
  tzvshortcutlist list;
  AddWithHotkeys(list, {CtrlAltX, CtrlAltX, CtrlAltX});
  EXPECT_EQ(list.CheckHotkeys(Window(), true), 1);
  EXPECT_EQ(Hotkeys(list), (std::vector<std::uint16_t>{CtrlAltX, AltX, ShiftAltX}));
  EXPECT_EQ(Statuses(list), (std::vector<int>{hsNone, hsNone, hsNone}));
  // The moved hotkeys are free for the list to register.
  EXPECT_EQ(list.RegisterHotkeys(Window()), 0);
  list.UnregisterHotkeys(Window());
}

TEST_P(HotkeyContract, ResolvingSkipsWhatAnotherProgramHolds) {
  ASSERT_TRUE(HoldElsewhere(AltX));
  tzvshortcutlist list;
  AddWithHotkeys(list, {CtrlAltX, CtrlAltX, CtrlAltX});
  EXPECT_EQ(list.CheckHotkeys(Window(), true), 1);
  EXPECT_EQ(Hotkeys(list), (std::vector<std::uint16_t>{CtrlAltX, ShiftAltX, CtrlX}));
}

TEST_P(HotkeyContract, ResolvingMovesAHotkeyOfAnotherProgramEvenForTheFirstUser) {
  ASSERT_TRUE(HoldElsewhere(CtrlAltX));
  tzvshortcutlist list;
  AddWithHotkeys(list, {CtrlAltX});
  EXPECT_EQ(list.CheckHotkeys(Window(), true), 1);
  EXPECT_EQ(Hotkeys(list), (std::vector<std::uint16_t>{AltX}));
}

TEST_P(HotkeyContract, ResolvingLeavesTheHotkeyOfALaterEntryAlone) {
  tzvshortcutlist list;
  AddWithHotkeys(list, {CtrlAltX, CtrlAltX, AltX});
  EXPECT_EQ(list.CheckHotkeys(Window(), true), 1);
  EXPECT_EQ(Hotkeys(list), (std::vector<std::uint16_t>{CtrlAltX, ShiftAltX, AltX}));
  // With every other candidate owned further down, the clash stays marked.
  tzvshortcutlist crowded;
  AddWithHotkeys(crowded, {CtrlAltX, CtrlAltX, AltX, ShiftAltX, CtrlX, ShiftCtrlX, ShiftCtrlAltX});
  EXPECT_EQ(crowded.CheckHotkeys(Window(), true), -1);
  EXPECT_EQ(Hotkeys(crowded), (std::vector<std::uint16_t>{CtrlAltX, CtrlAltX, AltX, ShiftAltX, CtrlX,
                                                          ShiftCtrlX, ShiftCtrlAltX}));
  EXPECT_EQ(Statuses(crowded),
            (std::vector<int>{hsNone, hsInvalid, hsNone, hsNone, hsNone, hsNone, hsNone}));
}

TEST_P(HotkeyContract, AKeyWithAllSixCandidatesGoneStaysAndIsMarked) {
  tzvshortcutlist list;
  // Ctrl+Alt+X itself is one of the six, so five later users can move.
  AddWithHotkeys(list, {CtrlAltX, CtrlAltX, CtrlAltX, CtrlAltX, CtrlAltX, CtrlAltX, CtrlAltX,
                        0xC059, 0xC059});
  Append(list, Separator());
  list.GetItem(9)->HotkeyStatus = hsFailed;
  EXPECT_EQ(list.CheckHotkeys(Window(), true), -1);
  EXPECT_EQ(Hotkeys(list),
            (std::vector<std::uint16_t>{CtrlAltX, AltX, ShiftAltX, CtrlX, ShiftCtrlX, ShiftCtrlAltX,
                                        CtrlAltX, 0xC059, 0x8059, 0}));
  EXPECT_EQ(Statuses(list), (std::vector<int>{hsNone, hsNone, hsNone, hsNone, hsNone, hsNone,
                                              hsInvalid, hsNone, hsNone, hsNone}));
}

TEST_P(HotkeyContract, RegisteringASharedHotkeyFailsForTheLaterEntry) {
  tzvshortcutlist list;
  AddWithHotkeys(list, {CtrlAltX, 0, CtrlAltX, 0x8041});
  list.GetItem(1)->HotkeyStatus = hsInvalid;
  EXPECT_EQ(list.RegisterHotkeys(Window()), 1);
  EXPECT_EQ(Statuses(list), (std::vector<int>{hsRegistered, hsInvalid, hsFailed, hsRegistered}));
  EXPECT_FALSE(HoldElsewhere(CtrlAltX));
  EXPECT_FALSE(HoldElsewhere(0x8041));

  list.UnregisterHotkeys(Window());
  EXPECT_EQ(Statuses(list), (std::vector<int>{hsNone, hsInvalid, hsFailed, hsNone}));
  EXPECT_TRUE(HoldElsewhere(CtrlAltX));
  EXPECT_TRUE(HoldElsewhere(0x8041));
}

TEST_P(HotkeyContract, KeyCodesNoKeyboardSendsAreKeptButNeverUsable) {
  // Bits 8-12 set, or no key under the modifiers: only damaged or hand-made
  // data holds these.
  const std::vector<std::uint16_t> odd = {0x0141, 0xDF58, 0x4000, 0x1F00};
  for (bool resolve : {false, true}) {
    tzvshortcutlist list;
    AddWithHotkeys(list, odd);
    AddWithHotkeys(list, {CtrlAltX});
    EXPECT_EQ(list.CheckHotkeys(Window(), resolve), -1) << resolve;
    EXPECT_EQ(Hotkeys(list), (std::vector<std::uint16_t>{0x0141, 0xDF58, 0x4000, 0x1F00, CtrlAltX}))
        << resolve;
    EXPECT_EQ(Statuses(list), (std::vector<int>{hsInvalid, hsInvalid, hsInvalid, hsInvalid, hsNone}))
        << resolve;
  }
  tzvshortcutlist list;
  AddWithHotkeys(list, odd);
  AddWithHotkeys(list, {CtrlAltX});
  EXPECT_EQ(list.RegisterHotkeys(Window()), 4);
  EXPECT_EQ(Statuses(list),
            (std::vector<int>{hsFailed, hsFailed, hsFailed, hsFailed, hsRegistered}));
  list.UnregisterHotkeys(Window());
  EXPECT_TRUE(HoldElsewhere(CtrlAltX));
}
