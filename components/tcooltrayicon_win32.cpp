#include "components/tcooltrayicon_win32.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "components/trayownerhook_win32.h"
#include "components/ttrayiconhandler.h"
#include "toolkit/twindow.h"

static_assert(NOTIFYICONDATAA_V2_SIZE == zv::TrayRecordSize, "shell-5.0 icon record");

namespace zv {

const char* const TrayWindowClass = "TTrayIconHandler";

namespace {

// The shared message window: what it gets goes to the icons' handler.
class ttraywindow : public twindow {
 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (TTrayIconHandler* handler = TTrayIconHandler::Instance()) {
      std::intptr_t result = 0;
      if (handler->WindowMessage(msg, wp, lp, result)) return result;
    }
    return Default(msg, wp, lp);
  }
};

std::uint32_t CommonControlsVersion() {
  HMODULE dll = LoadLibraryA("comctl32.dll");
  if (!dll) return 0;
  std::uint32_t version = 0;
  auto get = reinterpret_cast<DLLGETVERSIONPROC>(
      reinterpret_cast<void*>(GetProcAddress(dll, "DllGetVersion")));
  DLLVERSIONINFO info = {};
  info.cbSize = sizeof(info);
  if (get && SUCCEEDED(get(&info)))
    version =
        (static_cast<std::uint32_t>(info.dwMajorVersion) << 16) | (info.dwMinorVersion & 0xFFFF);
  FreeLibrary(dll);
  return version;
}

bool Notify(DWORD op, const ttrayicondata& data) {
  NOTIFYICONDATAA record;
  FillNotifyIconData(data, record);
  return Shell_NotifyIconA(op, &record) != FALSE;
}

class twin32traybackend : public ttraybackend {
 public:
  bool AddIcon(const ttrayicondata& d) override { return Notify(NIM_ADD, d); }
  bool ModifyIcon(const ttrayicondata& d) override { return Notify(NIM_MODIFY, d); }
  void DeleteIcon(const ttrayicondata& d) override { Notify(NIM_DELETE, d); }
  void SetIconVersion(const ttrayicondata& d) override { Notify(NIM_SETVERSION, d); }

  void* CreateMessageWindow() override {
    auto window = std::make_unique<ttraywindow>();
    // Top-level, not message-only: only top-level windows see the
    // "TaskbarCreated" broadcast.
    if (!twindow::RegisterWindowClass(TrayWindowClass) ||
        !window->Create(TrayWindowClass, "", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0))
      return nullptr;
    windows_.push_back(std::move(window));
    return windows_.back()->Handle();
  }
  void DestroyMessageWindow(void* window) override {
    windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                  [window](const auto& w) { return w->Handle() == window; }),
                   windows_.end());
  }

  std::uint32_t TaskbarCreatedMessage() override {
    static const std::uint32_t message = ShellSendsTaskbarCreated(CommonControlsVersion())
                                             ? RegisterWindowMessageA("TaskbarCreated")
                                             : 0;
    return message;
  }

  void SetRetryTimer(void* window, std::uint32_t id, unsigned milliseconds) override {
    SetTimer(static_cast<HWND>(window), id, milliseconds, nullptr);
  }
  void KillRetryTimer(void* window, std::uint32_t id) override {
    KillTimer(static_cast<HWND>(window), id);
  }

  void* CopyIcon(void* icon) override { return ::CopyIcon(static_cast<HICON>(icon)); }
  void DestroyIcon(void* icon) override { ::DestroyIcon(static_cast<HICON>(icon)); }

  bool CursorPos(int& x, int& y) override {
    POINT p;
    if (!GetCursorPos(&p)) return false;
    x = p.x;
    y = p.y;
    return true;
  }
  unsigned ShiftState() override {
    unsigned shift = 0;
    if (GetAsyncKeyState(VK_SHIFT) & 0x8000) shift |= ssShift;
    if (GetAsyncKeyState(VK_CONTROL) & 0x8000) shift |= ssCtrl;
    if (GetAsyncKeyState(VK_MENU) & 0x8000) shift |= ssAlt;
    return shift;
  }

  void SetForegroundWindow(void* window) override {
    ::SetForegroundWindow(static_cast<HWND>(window));
  }
  void ProcessMessages() override {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // left for the main loop
        break;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  void PostNullMessage(void* window) override {
    PostMessageA(static_cast<HWND>(window), WM_NULL, 0, 0);
  }

  void HookOwner(void* owner, TCoolTrayIcon& icon) override { HookTrayOwner(static_cast<HWND>(owner), icon); }
  void UnhookOwner(void* owner, TCoolTrayIcon& icon) override {
    UnhookTrayOwner(static_cast<HWND>(owner), icon);
  }

 private:
  std::vector<std::unique_ptr<ttraywindow>> windows_;
};

}  // namespace

ttraybackend& Win32TrayBackend() {
  // Never destroyed: tray icons left at the end of the process may still
  // call it from their destructors.
  static twin32traybackend* backend = new twin32traybackend;
  return *backend;
}

void FillNotifyIconData(const ttrayicondata& data, NOTIFYICONDATAA& record) {
  std::memset(&record, 0, sizeof(record));
  record.cbSize = NOTIFYICONDATAA_V2_SIZE;
  record.hWnd = static_cast<HWND>(data.Window);
  record.uID = data.ID;
  record.uFlags = data.Flags;
  record.uCallbackMessage = data.CallbackMessage;
  record.hIcon = static_cast<HICON>(data.Icon);
  static_assert(sizeof(record.szTip) == sizeof(data.Tip), "tip of 128 characters");
  std::memcpy(record.szTip, data.Tip, sizeof(record.szTip));
  record.szTip[sizeof(record.szTip) - 1] = '\0';
  record.uVersion = data.Version;
}

}  // namespace zv
