#pragma once
// Drives a modal window from inside its own message loop: a thread timer
// runs one step per tick while ShowModal runs, and closes the window if the
// steps leave it open too long, so a failing test cannot hang.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/resourcemodule.h"
#include "toolkit/tform.h"

class tmodalscript {
 public:
  explicit tmodalscript(std::vector<std::function<void()>> steps) : steps_(std::move(steps)) {}

  // Runs the steps during form.ShowModal(); the result of ShowModal.
  zv::tmodalresult Run(zv::tform& form) {
    zv::tmodalresult result = zv::tmodalresult::None;
    Run([&] { result = form.ShowModal(); }, [&form] { form.Close(); });
    return result;
  }
  // Runs the steps while body runs a modal window; closeWindow ends it when
  // the steps leave it open.
  void Run(const std::function<void()>& body, std::function<void()> closeWindow) {
    close_ = std::move(closeWindow);
    current() = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, 40, Tick);
    struct tstop {
      UINT_PTR Timer;
      ~tstop() {
        KillTimer(nullptr, Timer);
        current() = nullptr;
      }
    } stop{timer};
    body();
  }
  bool TimedOut() const { return timedOut_; }

 private:
  static tmodalscript*& current() {
    static tmodalscript* script = nullptr;
    return script;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    tmodalscript* s = current();
    if (!s || s->busy_) return;
    s->busy_ = true;  // a step may run a nested loop (a message box)
    if (s->next_ < s->steps_.size()) {
      s->steps_[s->next_++]();
    } else if (++s->idle_ == 150) {
      s->timedOut_ = true;
      if (s->close_) s->close_();
    }
    s->busy_ = false;
  }

  std::vector<std::function<void()>> steps_;
  std::size_t next_ = 0;
  int idle_ = 0;
  bool busy_ = false;
  bool timedOut_ = false;
  std::function<void()> close_;
};

// Keys and clicks as the user's would arrive: through the message queue.
inline void PostKey(HWND wnd, UINT vk, char ch) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16;
  PostMessageA(wnd, WM_KEYDOWN, vk, 1 | scan);
  if (ch) PostMessageA(wnd, WM_CHAR, static_cast<unsigned char>(ch), 1 | scan);
  PostMessageA(wnd, WM_KEYUP, vk, 1 | scan | static_cast<LPARAM>(0xC0000000u));
}

inline void PostClick(HWND wnd, int x = 2, int y = 2) {
  PostMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// The program's pictures, read from zorvane.exe next to the tests folder.
inline void UseProgramPictures() {
  static HMODULE module = [] {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string p = path;
    p = p.substr(0, p.find_last_of("\\/") + 1) + "..\\zorvane.exe";
    return LoadLibraryExA(p.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }();
  zv::SetResourceModule(module);
}

inline std::string TextOf(HWND wnd) { return zv::WindowTextOf(wnd); }
