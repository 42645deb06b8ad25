#pragma once
// The application window: invisible, top-level, class "TApplication", its
// text the application title. Other copies of the program find a running
// one through it.
#include <windows.h>

#include <string>

#include "toolkit/twindow.h"

namespace zv {

class tapplication : public twindow {
 public:
  static constexpr const char* WindowClass = "TApplication";

  // Creates the window titled with the current application title.
  bool Initialize();
  std::string Title() const;
  void SetTitle(const std::string& title);
  // Runs the message loop until WM_QUIT.
  int Run();

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

tapplication& Application();

// The first command-line argument as the runtime splits the ANSI command
// line; empty when there is none.
std::string FirstCommandLineArgument();

}  // namespace zv
