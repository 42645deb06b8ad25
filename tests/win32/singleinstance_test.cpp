// The second start's request to the running copy: taken by a copy that
// answers, given up on one that does not, so later starts never queue up
// behind a hung copy.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "app/singleinstance_win32.h"
#include "app/tzorvanemaindialog.h"

namespace {

std::atomic<ULONG_PTR> received{0};

LRESULT CALLBACK CopyWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COPYDATA) {
    received = reinterpret_cast<const COPYDATASTRUCT*>(lp)->dwData;
    return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

// A stand-in for the running copy on a thread of its own, which pumps its
// messages only once released.
class runningcopy {
 public:
  explicit runningcopy(bool answers) {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    release_ = CreateEventA(nullptr, TRUE, answers, nullptr);
    thread_ = std::thread([this] {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = CopyWindowProc;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.lpszClassName = "zvtestrunningcopy";
      RegisterClassA(&wc);
      window_ = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                wc.hInstance, nullptr);
      SetEvent(ready_);
      // Hung: busy with something else, not reading its messages.
      WaitForSingleObject(release_, INFINITE);
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
      DestroyWindow(window_);
    });
    WaitForSingleObject(ready_, INFINITE);
  }
  ~runningcopy() {
    SetEvent(release_);
    PostMessageA(window_, WM_QUIT, 0, 0);
    thread_.join();
    CloseHandle(ready_);
    CloseHandle(release_);
  }
  HWND Window() const { return window_; }

 private:
  HANDLE ready_ = nullptr;
  HANDLE release_ = nullptr;
  HWND window_ = nullptr;
  std::thread thread_;
};

TEST(SecondStart, RunningCopyTakesTheShowMenuRequest) {
  received = 0;
  runningcopy copy(true);
  EXPECT_TRUE(zv::SendShowMenuRequest(copy.Window(), nullptr, zv::ShowMenuRequestTimeoutMs));
  EXPECT_EQ(received.load(), zv::ShowMenuRequestId);
}

TEST(SecondStart, GivesUpOnACopyThatDoesNotAnswer) {
  received = 0;
  runningcopy copy(false);
  EXPECT_FALSE(zv::SendShowMenuRequest(copy.Window(), nullptr, 300));
  EXPECT_EQ(received.load(), 0u);
}

}  // namespace
