// Hotkey values as registrations and as the hotkey entry control sees them.
#include <gtest/gtest.h>

#include "model/hotkeyvalue.h"

using namespace zv;

TEST(HotkeyValue, RegistrationTakesTheKeyFromBitsZeroToTwelve) {
  EXPECT_EQ(HotkeyToRegistration(65), (thotkeyregistration{0, 65}));
  EXPECT_EQ(HotkeyToRegistration(0x6041), (thotkeyregistration{modShift | modControl, 0x41}));
  EXPECT_EQ(HotkeyToRegistration(0xC070), (thotkeyregistration{modControl | modAlt, 0x70}));
  EXPECT_EQ(HotkeyToRegistration(0xFFFF), (thotkeyregistration{modShift | modControl | modAlt, 0x1FFF}));
  EXPECT_EQ(HotkeyToRegistration(0), (thotkeyregistration{0, 0}));
}

TEST(HotkeyValue, FromTheEntryControlDropsTheExtendedFlagAndHighKeyBits) {
  EXPECT_EQ(HotkeyFromControl('A', hcfShift), 0x2041);
  EXPECT_EQ(HotkeyFromControl('A', hcfControl | hcfAlt), 0xC041);
  EXPECT_EQ(HotkeyFromControl(0x2E, hcfShift | hcfControl | hcfAlt | hcfExtended), 0xE02E);
  EXPECT_EQ(HotkeyFromControl(0x141, 0), 0x41);
  EXPECT_EQ(HotkeyFromControl(0, 0), 0);
  EXPECT_EQ(HotkeyFromControl(0, hcfControl | hcfAlt), 0);  // modifiers alone: no hotkey
  EXPECT_EQ(HotkeyFromControl(0x100, hcfControl), 0);
  EXPECT_EQ(HotkeyFromControlWord(0x0F70), 0xE070);  // the control's own word
  EXPECT_EQ(HotkeyFromControlWord(0x0000), 0);
  EXPECT_EQ(HotkeyFromControlWord(0x0200), 0);
}

TEST(HotkeyValue, ToTheEntryControlAndBack) {
  thotkeycontrolvalue c = HotkeyToControl(0xE041);
  EXPECT_EQ(c.KeyCode, 0x41u);
  EXPECT_EQ(c.Flags, hcfShift | hcfControl | hcfAlt);
  EXPECT_EQ(c.Word(), 0x0741);
  c = HotkeyToControl(0x4141);  // the control keeps only the low byte
  EXPECT_EQ(c.KeyCode, 0x141u);
  EXPECT_EQ(c.Word(), 0x0241);
  for (std::uint32_t v : {0x0000u, 0x0041u, 0x2070u, 0x8026u, 0xC058u, 0xE087u})
    EXPECT_EQ(HotkeyFromControlWord(HotkeyToControl(static_cast<std::uint16_t>(v)).Word()), v);
}
