#pragma once
// A hotkey holder standing for another program: a window on a thread of its
// own that registers combinations on request, so that the system refuses
// them to the window under test.
#include <windows.h>

#include <cstdint>

class totherprogram {
 public:
  totherprogram();
  ~totherprogram();
  totherprogram(const totherprogram&) = delete;
  totherprogram& operator=(const totherprogram&) = delete;

  bool Hold(std::uint32_t modifiers, std::uint32_t virtualKey);

 private:
  static DWORD WINAPI Run(void* self);
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  HANDLE thread_ = nullptr;
  HANDLE ready_ = nullptr;
  HWND window_ = nullptr;
};

// The window under test: a hidden top-level window of the test's thread.
class ttestwindow {
 public:
  ttestwindow();
  ~ttestwindow();
  ttestwindow(const ttestwindow&) = delete;
  ttestwindow& operator=(const ttestwindow&) = delete;
  HWND Handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};
