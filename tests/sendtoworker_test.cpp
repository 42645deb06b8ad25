// Send To rebuilds on a worker: nothing before the start, the newest request
// of those waiting wins, a command can wait for its links, and the end of
// the program still makes the links asked for, within a bound.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/sendtoworker.h"
#include "list_helpers.h"

using namespace zv;

namespace {

// Records the captions of each rebuild; the first one it is given can be
// held until released.
struct recorder {
  std::mutex lock;
  std::condition_variable changed;
  bool holdFirst = false, released = false, holding = false;
  std::vector<std::string> rebuilt;
  std::vector<tsendtooutcome> reported;
  std::atomic<int> hooks{0};

  tsendtooutcome Rebuild(const tzvshortcutlist& list, const tsettings& settings) {
    std::unique_lock<std::mutex> hold(lock);
    if (holdFirst && rebuilt.empty()) {
      holding = true;
      changed.notify_all();
      changed.wait(hold, [this] { return released; });
    }
    rebuilt.push_back(Captions(list) + (settings.UseSendToMenu ? " on" : " off"));
    return settings.UseSendToMenu ? tsendtooutcome::Done : tsendtooutcome::Off;
  }
  void WaitHolding() {
    std::unique_lock<std::mutex> hold(lock);
    changed.wait(hold, [this] { return holding; });
  }
  void Release() {
    std::lock_guard<std::mutex> hold(lock);
    released = true;
    changed.notify_all();
  }
};

tsendtoworker MakeWorker(recorder& r, std::chrono::milliseconds endBound = tsendtoworker::EndBound) {
  return tsendtoworker(
      [&r](const tzvshortcutlist& l, const tsettings& s) { return r.Rebuild(l, s); },
      [&r](tsendtooutcome o) {
        std::lock_guard<std::mutex> hold(r.lock);
        r.reported.push_back(o);
      },
      [&r](bool) { ++r.hooks; }, endBound);
}

tsettings SendToOn(bool on) {
  tsettings s;
  s.UseSendToMenu = on;
  return s;
}

}  // namespace

TEST(SendToWorker, NothingBeforeTheStartThenTheListAsItWasAskedFor) {
  recorder r;
  {
    tsendtoworker worker = MakeWorker(r);
    tzvshortcutlist list;
    Append(list, MakeShortcut(stApplication, "One", "C:\\one.exe"));
    worker.Request(list, SendToOn(true));
    Append(list, MakeShortcut(stApplication, "Later", "C:\\later.exe"));  // after the request: not in it
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(r.rebuilt.empty()) << "rebuilt before the start";
    EXPECT_FALSE(worker.Idle());
    worker.Start();
    worker.WaitIdle();
    EXPECT_TRUE(worker.Idle());
  }
  EXPECT_EQ(r.rebuilt, std::vector<std::string>{"One on"});
  EXPECT_EQ(r.reported, std::vector<tsendtooutcome>{tsendtooutcome::Done});
  EXPECT_EQ(r.hooks.load(), 2);  // COM begun and ended once
}

TEST(SendToWorker, OfTheRequestsWaitingOnlyTheNewestIsCarriedOut) {
  recorder r;
  r.holdFirst = true;
  tsendtoworker worker = MakeWorker(r);
  tzvshortcutlist list;
  Append(list, MakeShortcut(stFolder, "A", "C:\\A"));
  worker.Request(list, SendToOn(true));
  worker.Start();
  r.WaitHolding();
  Append(list, MakeShortcut(stFolder, "B", "C:\\B"));
  worker.Request(list, SendToOn(true));
  worker.Request(list, SendToOn(false));  // the options changed again meanwhile
  r.Release();
  worker.WaitIdle();
  EXPECT_EQ(r.rebuilt, (std::vector<std::string>{"A on", "A,B off"}));
}

TEST(SendToWorker, WaitingStartsTheWorkerSoACommandNeverWaitsForNothing) {
  recorder r;
  tsendtoworker worker = MakeWorker(r);
  tzvshortcutlist list;
  worker.Request(list, SendToOn(false));
  worker.WaitIdle();  // not started by anyone else
  EXPECT_EQ(r.rebuilt, std::vector<std::string>{" off"});
}

TEST(SendToWorker, TheEndStillMakesTheLinksAskedForEvenBeforeTheStart) {
  recorder r;
  {
    tsendtoworker worker = MakeWorker(r);
    tzvshortcutlist list;
    Append(list, MakeShortcut(stApplication, "One", "C:\\one.exe"));
    worker.Request(list, SendToOn(true));
  }  // ended during start-up, before the tray was active
  EXPECT_EQ(r.rebuilt, std::vector<std::string>{"One on"});
}

TEST(SendToWorker, NothingAskedNothingDone) {
  recorder r;
  { tsendtoworker worker = MakeWorker(r); }
  { 
    tsendtoworker worker = MakeWorker(r);
    worker.Start();
  }
  EXPECT_TRUE(r.rebuilt.empty());
  EXPECT_EQ(r.hooks.load(), 2);  // only the started one began and ended COM
}

// A rebuild stuck on a target that does not answer holds the end only for
// the end bound, as it does the end of the session; once it comes back it
// reports nothing and takes nothing more.
TEST(SendToWorker, AStuckRebuildHoldsTheEndOnlyForItsBound) {
  recorder r;
  r.holdFirst = true;
  {
    tsendtoworker worker = MakeWorker(r, std::chrono::milliseconds(50));
    tzvshortcutlist list;
    Append(list, MakeShortcut(stApplication, "Stuck", "\\\\gone\\share\\a.exe"));
    worker.Request(list, SendToOn(true));
    worker.Start();
    r.WaitHolding();
    EXPECT_FALSE(worker.Finish()) << "the session's end waited for the stuck rebuild";
    worker.Request(list, SendToOn(false));
    EXPECT_FALSE(tsendtoworker::AnyLeftRunning());
  }  // returns with the rebuild still held
  EXPECT_TRUE(tsendtoworker::AnyLeftRunning());
  r.Release();
  while (r.hooks.load() < 2) std::this_thread::yield();  // the thread touches r no more
  std::lock_guard<std::mutex> hold(r.lock);
  EXPECT_EQ(r.rebuilt, std::vector<std::string>{"Stuck on"});
  EXPECT_TRUE(r.reported.empty());
}
