// The real hotkey entry control and the keyboard's key names under Wine.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "model/hotkeytext.h"
#include "model/hotkeyvalue.h"
#include "platform/win32keynames.h"

using namespace zv;

TEST(HotkeyEntryControl, ValuesSurviveTheWayThroughTheControl) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_HOTKEY_CLASS};
  ASSERT_TRUE(InitCommonControlsEx(&icc));
  HWND control = CreateWindowExA(0, HOTKEY_CLASSA, "", WS_POPUP, 0, 0, 173, 19, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(control, nullptr);
  for (std::uint16_t v : {0x0041, 0x2070, 0x4060, 0x8026, 0xC058, 0xE087}) {
    SendMessageA(control, HKM_SETHOTKEY, HotkeyToControl(v).Word(), 0);
    auto word = static_cast<std::uint32_t>(SendMessageA(control, HKM_GETHOTKEY, 0, 0));
    EXPECT_EQ(HotkeyFromControlWord(word), v) << std::hex << v;
  }
  // Bits 8-12 do not reach the control.
  SendMessageA(control, HKM_SETHOTKEY, HotkeyToControl(0x4141).Word(), 0);
  EXPECT_EQ(HotkeyFromControlWord(static_cast<std::uint32_t>(SendMessageA(control, HKM_GETHOTKEY, 0, 0))),
            0x4041);
  DestroyWindow(control);
}

TEST(KeyboardKeyNames, KeysOutsideTheFixedTableAreNamedByTheLayout) {
  const twin32keynames& keyboard = Win32KeyNames();
  // The names depend on the layout; that they come through does not.
  std::string comma = keyboard.KeyName(0xBC);
  EXPECT_FALSE(comma.empty());
  EXPECT_EQ(HotkeyToText(0x40BC, keyboard), "Strg+" + comma);
  EXPECT_FALSE(keyboard.KeyName(0x10).empty());  // Shift
  // Codes without a scan code have no name and so no text.
  EXPECT_EQ(keyboard.KeyName(0x07), "");
  EXPECT_EQ(HotkeyToText(0xE007, keyboard), "");
  EXPECT_EQ(HotkeyToText(0xE0FF, keyboard), "");
  // The fixed German names win over the layout's.
  EXPECT_EQ(HotkeyToText(0x2026, keyboard), "Umsch+Nach oben");
  EXPECT_EQ(HotkeyToText(0x8008, keyboard), "Alt+R\xFC" "ck");
  EXPECT_EQ(HotkeyToText(0x406A, keyboard), "Strg+" + keyboard.KeyName(0x6A));
}
