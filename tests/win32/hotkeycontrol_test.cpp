// The real hotkey entry control and the keyboard's key names under Wine.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

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

TEST(KeyboardKeyNames, Probe) {
  for (int vk : {0x10, 0x14, 0x6A, 0x6B, 0x6E, 0xBA, 0xBC, 0xBD, 0xDC, 0x07, 0xE9, 0xFF, 0x00, 0x90, 0x13, 0x2C, 0x91})
    std::printf("%02X [%s] scan %u\n", vk, Win32KeyNames().KeyName(static_cast<std::uint8_t>(vk)).c_str(),
                MapVirtualKeyA(vk, 0));
}
