// The tips of the notification area's icons, as another program can read
// them: they live in tooltip controls of the process that shows the area,
// read through memory lent in that process. Used by the window driver and
// the start-up benchmark.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace zvtray {

struct ttool {
  std::uint64_t Wnd = 0;  // the tool's window and identifier: one of them is the icon's window
  std::uint64_t Id = 0;
  std::string Text;
};

// A 32-bit reader may look into a 64-bit explorer, whose TOOLINFOA has
// 64-bit handles and pointers.
inline bool IsSixtyFourBit(HANDLE proc) {
  BOOL selfWow = FALSE, targetWow = FALSE;
  IsWow64Process(GetCurrentProcess(), &selfWow);
  IsWow64Process(proc, &targetWow);
  return sizeof(void*) == 8 || (selfWow && !targetWow);
}

struct ttipsearch {
  DWORD Pid;
  std::vector<HWND> Tooltips;
};

inline BOOL CALLBACK FindTooltips(HWND wnd, LPARAM lp) {
  ttipsearch& s = *reinterpret_cast<ttipsearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof(cls));
  if (pid == s.Pid && lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0) s.Tooltips.push_back(wnd);
  return TRUE;
}

// Every tool of the tooltip controls of the process that owns anyWindow.
inline std::vector<ttool> TooltipTools(HWND anyWindow, UINT timeout) {
  std::vector<ttool> tools;
  DWORD pid = 0;
  GetWindowThreadProcessId(anyWindow, &pid);
  HANDLE proc = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                            FALSE, pid);
  if (!proc) return tools;
  const bool wide = IsSixtyFourBit(proc);
  // TOOLINFOA: cbSize, uFlags, hwnd, uId, rect, hinst, lpszText.
  const SIZE_T size = wide ? 72 : sizeof(TOOLINFOA), hwndAt = 8, idAt = wide ? 16 : 12, textAt = wide ? 48 : 36,
               ptr = wide ? 8 : 4;
  const SIZE_T textOffset = 256, textSize = 2048;
  char* remote = static_cast<char*>(VirtualAllocEx(proc, nullptr, textOffset + textSize, MEM_COMMIT, PAGE_READWRITE));
  ttipsearch search = {pid, {}};
  EnumWindows(FindTooltips, reinterpret_cast<LPARAM>(&search));
  for (HWND tt : search.Tooltips) {
    for (WPARAM i = 0; remote && i < 64; ++i) {
      unsigned char ti[96] = {};
      const std::uint32_t cb = static_cast<std::uint32_t>(size);
      std::memcpy(ti, &cb, 4);
      const std::uint64_t text = reinterpret_cast<UINT_PTR>(remote + textOffset);
      std::memcpy(ti + textAt, &text, ptr);
      const char empty = 0;
      SIZE_T done;
      WriteProcessMemory(proc, remote, ti, size, &done);
      WriteProcessMemory(proc, remote + textOffset, &empty, 1, &done);
      DWORD_PTR result = 0;
      if (!SendMessageTimeoutA(tt, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, timeout,
                               &result) ||
          !result)
        break;
      ReadProcessMemory(proc, remote, ti, size, &done);
      ttool tool;
      std::memcpy(&tool.Wnd, ti + hwndAt, ptr);
      std::memcpy(&tool.Id, ti + idAt, ptr);
      std::vector<char> buffer(textSize + 1, 0);
      ReadProcessMemory(proc, remote + textOffset, buffer.data(), textSize, &done);
      tool.Text = buffer.data();
      tools.push_back(std::move(tool));
    }
  }
  if (remote) VirtualFreeEx(proc, remote, 0, MEM_RELEASE);
  CloseHandle(proc);
  return tools;
}

// The tip of one icon of the area ("" when none is found).
inline std::string TooltipTextFor(HWND icon, UINT timeout) {
  const std::uint64_t want = reinterpret_cast<UINT_PTR>(icon);
  for (const ttool& t : TooltipTools(icon, timeout))
    if (t.Wnd == want || t.Id == want) return t.Text;
  return std::string();
}

}  // namespace zvtray
