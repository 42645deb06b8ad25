#pragma once
// The application window: invisible, top-level, class "TApplication", its
// text the application title. Other copies of the program find a running
// one through it.
#include <windows.h>

#include <string>

namespace zv {

class tapplication {
 public:
  static constexpr const char* WindowClass = "TApplication";

  tapplication() = default;
  ~tapplication();
  tapplication(const tapplication&) = delete;
  tapplication& operator=(const tapplication&) = delete;

  // Creates the window titled with the current application title.
  bool Initialize();
  HWND Handle() const { return handle_; }
  std::string Title() const;
  void SetTitle(const std::string& title);
  // Runs the message loop until WM_QUIT.
  int Run();

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND handle_ = nullptr;
};

tapplication& Application();

// The first command-line argument as the runtime splits the ANSI command
// line; empty when there is none.
std::string FirstCommandLineArgument();

}  // namespace zv
