// The hotkey texts users read in the menu, the editor and the properties
// dialog.
#include <gtest/gtest.h>

#include "model/hotkeytext.h"
#include "model/memorykeynames.h"

using namespace zv;

TEST(HotkeyText, FixedGermanNamesByteForByte) {
  tmemorykeynames keyboard;  // would answer something else if asked
  for (int vk = 1; vk < 256; ++vk) keyboard.Set(static_cast<std::uint8_t>(vk), "?");
  const std::pair<int, const char*> table[] = {
      {0x08, "R\xFC" "ck"}, {0x09, "Tab"},        {0x0D, "Enter"},      {0x1B, "Esc"},
      {0x20, "Leertaste"},  {0x21, "BildAuf"},    {0x22, "BildAb"},     {0x23, "Ende"},
      {0x24, "Pos1"},       {0x25, "Left"},       {0x26, "Nach oben"},  {0x27, "Rechts"},
      {0x28, "Nach unten"}, {0x2D, "Einfg"},      {0x2E, "Entf"},       {0x30, "0"},
      {0x39, "9"},          {0x41, "A"},          {0x5A, "Z"},          {0x60, "0"},
      {0x65, "5"},          {0x69, "9"},          {0x70, "F1"},         {0x79, "F10"},
      {0x87, "F24"}};
  for (auto& [vk, name] : table)
    EXPECT_EQ(HotkeyToText(static_cast<std::uint16_t>(vk), keyboard), name) << std::hex << vk;
  EXPECT_EQ(std::string("R\xFC" "ck"), std::string("R\xFC\x63k"));
  EXPECT_EQ(keyboard.TimesAsked(), 0);
}

TEST(HotkeyText, ModifiersComeFirstInAFixedOrder) {
  tmemorykeynames keyboard;
  EXPECT_EQ(HotkeyToText(0, keyboard), "");
  EXPECT_EQ(HotkeyToText(0xE041, keyboard), "Umsch+Strg+Alt+A");
  EXPECT_EQ(HotkeyToText(112, keyboard), "F1");
  EXPECT_EQ(HotkeyToText(0x2026, keyboard), "Umsch+Nach oben");
  EXPECT_EQ(HotkeyToText(0x4060, keyboard), "Strg+0");
  EXPECT_EQ(HotkeyToText(0xC070, keyboard), "Strg+Alt+F1");
  EXPECT_EQ(HotkeyToText(0xA008, keyboard), "Umsch+Alt+R\xFC" "ck");
}

TEST(HotkeyText, OtherKeysTakeTheKeyboardsNameAndNoNameGivesNoText) {
  tmemorykeynames keyboard;
  keyboard.Set(0xBC, "Komma");
  keyboard.Set(0x6A, "* (ZEHNERTASTATUR)");
  EXPECT_EQ(HotkeyToText(0x40BC, keyboard), "Strg+Komma");
  EXPECT_EQ(HotkeyToText(0x006A, keyboard), "* (ZEHNERTASTATUR)");
  EXPECT_EQ(HotkeyToText(0xE0E9, keyboard), "");  // nameless key: no modifiers either
  EXPECT_EQ(HotkeyToText(0xE000, keyboard), "");  // modifiers without a key
  EXPECT_EQ(HotkeyToText(0x4000, keyboard), "");
}

TEST(HotkeyText, BitsEightToTwelveAreIgnored) {
  tmemorykeynames keyboard;
  EXPECT_EQ(HotkeyToText(0x4141, keyboard), "Strg+A");
  EXPECT_EQ(HotkeyToText(0x1F00, keyboard), "");
}

TEST(HotkeyText, TheProcessWideSourceIsUsedWhenNoneIsGiven) {
  tmemorykeynames keyboard;
  keyboard.Set(0xBC, ",");
  EXPECT_EQ(HotkeyToText(0x40BC), "");  // no keyboard installed: only the fixed names
  EXPECT_EQ(HotkeyToText(0x4041), "Strg+A");
  UseKeyNames(&keyboard);
  EXPECT_EQ(HotkeyToText(0x40BC), "Strg+,");
  UseKeyNames(nullptr);
  EXPECT_EQ(HotkeyToText(0x40BC), "");
}
