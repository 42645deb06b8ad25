// The list read ahead on a thread of its own while the main window is made:
// start-up takes the same entries and the same answer as a direct read.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "app/listprefetch.h"
#include "list_helpers.h"
#include "model/memoryregistry.h"

using namespace zv;

namespace {

// A read that fills two entries once released, and answers a given result.
struct gatedread {
  std::mutex lock;
  std::condition_variable changed;
  bool open = false;
  std::atomic<int> reads{0};
  std::atomic<bool> started{false};
  bool answer = true;
  bool operator()(tzvshortcutlist& list) {
    started = true;
    std::unique_lock<std::mutex> hold(lock);
    changed.wait(hold, [this] { return open; });
    ++reads;
    Append(list, MakeShortcut(stApplication, "Read " + std::to_string(reads.load()), "C:\\a.exe"));
    Append(list, Separator());
    return answer;
  }
  void Release() {
    {
      std::lock_guard<std::mutex> hold(lock);
      open = true;
    }
    changed.notify_all();
  }
};

}  // namespace

TEST(ListPrefetch, ReadsBeforeItIsAskedAndHandsOverTheSameEntries) {
  gatedread read;
  tlistprefetch prefetch([&](tzvshortcutlist& l) { return read(l); });
  while (!read.started) std::this_thread::yield();  // began without being asked
  read.Release();
  tzvshortcutlist list;
  EXPECT_TRUE(prefetch.TakeInto(list));
  EXPECT_EQ(Captions(list), "Read 1,-");
  EXPECT_EQ(read.reads.load(), 1);
  // Asked again, it reads afresh and appends, as a second load would.
  EXPECT_TRUE(prefetch.TakeInto(list));
  EXPECT_EQ(Captions(list), "Read 1,-,Read 2,-");
}

TEST(ListPrefetch, AFailedReadKeepsWhatItReadAndSaysSo) {
  gatedread read;
  read.answer = false;
  read.Release();
  tlistprefetch prefetch([&](tzvshortcutlist& l) { return read(l); });
  tzvshortcutlist list;
  Append(list, MakeShortcut(stFolder, "Before", "C:\\"));
  EXPECT_FALSE(prefetch.TakeInto(list));
  EXPECT_EQ(Captions(list), "Before,Read 1,-");
}

TEST(ListPrefetch, AnErrorOfTheReadReachesTheTaker) {
  tlistprefetch prefetch([](tzvshortcutlist&) -> bool { throw std::runtime_error("registry gone"); });
  tzvshortcutlist list;
  EXPECT_THROW(prefetch.TakeInto(list), std::runtime_error);
  EXPECT_EQ(list.Count(), 0);
}

TEST(ListPrefetch, NotTakenItEndsWithoutLosingTheThread) {
  gatedread read;
  {
    tlistprefetch prefetch([&](tzvshortcutlist& l) { return read(l); });
    while (!read.started) std::this_thread::yield();
    read.Release();
  }  // waits for the read
  EXPECT_EQ(read.reads.load(), 1);
}

TEST(ListPrefetch, TheStoredListComesOutAsADirectLoadReadsIt) {
  tmemoryregistry registry;
  tzvshortcutlist stored;
  Append(stored, MakeShortcut(stApplication, "Editor", "C:\\Tools\\edit.exe", 0x6045));
  Append(stored, Separator());
  Append(stored, MakeShortcut(stFile, "Notes", "C:\\notes.txt"));
  ASSERT_TRUE(stored.SaveToRegistry(registry, ShortcutListKey));
  tlistprefetch prefetch([&](tzvshortcutlist& l) { return l.LoadFromRegistry(registry, ShortcutListKey); });
  tzvshortcutlist direct, ahead;
  EXPECT_TRUE(prefetch.TakeInto(ahead));
  EXPECT_TRUE(direct.LoadFromRegistry(registry, ShortcutListKey));
  EXPECT_EQ(Describe(ahead), Describe(direct));
  EXPECT_EQ(Describe(ahead), Describe(stored));
}
