// Icon indexes looked up late: the shared cache, the queue that asks a slow
// shell off the user-interface thread, and the menu and editor rows that
// show no icon until the right one is known, then that one.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <condition_variable>
#include <map>
#include <mutex>

#include "components/iconindexcache.h"
#include "components/iconlookupqueue.h"
#include "editor_rig.h"
#include "list_helpers.h"
#include "ui/menugeometry.h"
#include "ui/shortcutmenu.h"

using namespace zv;

namespace {

// A shell that answers only when released, and counts what it was asked.
class slowshell {
 public:
  std::int32_t Lookup(const std::string& path) {
    std::unique_lock<std::mutex> hold(lock_);
    asked_[path]++;
    released_.wait(hold, [this] { return open_; });
    return static_cast<std::int32_t>(10 + path.size());
  }
  void Release() {
    {
      std::lock_guard<std::mutex> hold(lock_);
      open_ = true;
    }
    released_.notify_all();
  }
  std::map<std::string, int> Asked() {
    std::lock_guard<std::mutex> hold(lock_);
    return asked_;
  }

 private:
  std::mutex lock_;
  std::condition_variable released_;
  bool open_ = false;
  std::map<std::string, int> asked_;
};

class measure13 : public ttextmeasure {
 public:
  int TextWidth(const std::string& t) const override { return 5 * static_cast<int>(t.size()); }
  int TextHeight(const std::string&) const override { return 13; }
};

struct lateicons {
  ticonindexcache cache;
  slowshell shell;
  std::atomic<int> reports{0};
  std::atomic<int> threadHooks{0};
  ticonlookupqueue queue{cache, [this](const std::string& p) { return shell.Lookup(p); },
                         [this] { ++reports; }, [this](bool) { ++threadHooks; }};
  ~lateicons() { shell.Release(); }
};

}  // namespace

TEST(IconIndexCache, RemembersIndexesPerPathAndIgnoresNonAnswers) {
  ticonindexcache cache;
  EXPECT_EQ(cache.Find("C:\\a.exe"), UnknownIconIndex);
  cache.Store("C:\\a.exe", 7);
  cache.Store("C:\\b.exe", 0);
  cache.Store("C:\\c.exe", -1);  // no answer: stays unknown
  EXPECT_EQ(cache.Find("C:\\a.exe"), 7);
  EXPECT_EQ(cache.Find("C:\\b.exe"), 0);
  EXPECT_EQ(cache.Find("C:\\c.exe"), UnknownIconIndex);
  EXPECT_EQ(cache.Find(""), UnknownIconIndex);
  EXPECT_EQ(cache.Count(), 2u);
  // Both sizes of the system list share one index.
  EXPECT_EQ(IconCacheSizeOf(isLarge), IconCacheSizeOf(isSmall));
}

TEST(IconLookupQueue, AsksNothingBeforeStartAndEachPathOnce) {
  lateicons t;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(t.queue.IndexOrQueue("C:\\a.exe"), UnknownIconIndex);
    EXPECT_EQ(t.queue.IndexOrQueue("C:\\bb.exe"), UnknownIconIndex);
  }
  EXPECT_TRUE(t.shell.Asked().empty()) << "looked up before the start";
  EXPECT_FALSE(t.queue.Idle());
  t.queue.Start();
  t.queue.Start();  // a second start changes nothing
  t.shell.Release();
  t.queue.WaitIdle();
  EXPECT_EQ(t.shell.Asked(), (std::map<std::string, int>{{"C:\\a.exe", 1}, {"C:\\bb.exe", 1}}));
  EXPECT_EQ(t.queue.IndexOrQueue("C:\\a.exe"), 18);
  EXPECT_EQ(t.cache.Find("C:\\bb.exe"), 19);
  EXPECT_GE(t.reports.load(), 1);
  EXPECT_EQ(t.threadHooks.load(), 1);  // COM begun once on the worker
}

TEST(IconLookupQueue, ReportsAgainOnlyAfterTheLastReportWasTaken) {
  lateicons t;
  t.queue.Start();
  t.shell.Release();
  t.queue.IndexOrQueue("C:\\a.exe");
  t.queue.WaitIdle();
  EXPECT_EQ(t.reports.load(), 1);
  t.queue.IndexOrQueue("C:\\b.exe");
  t.queue.WaitIdle();
  EXPECT_EQ(t.reports.load(), 1) << "a second message while the first is unread";
  t.queue.Delivered();
  t.queue.IndexOrQueue("C:\\c.exe");
  t.queue.WaitIdle();
  EXPECT_EQ(t.reports.load(), 2);
}

TEST(IconLookupQueue, EndsWhileLookupsAreStillWaiting) {
  auto t = std::make_unique<lateicons>();
  for (int i = 0; i < 50; ++i) t->queue.IndexOrQueue("C:\\" + std::to_string(i));
  t->queue.Start();
  t->shell.Release();
  t.reset();  // no hang, no lookup after the end
  SUCCEED();
}

TEST(LateMenuIcons, NoIconUntilKnownThenTheRightOne) {
  lateicons t;
  tzvshortcutlist list;
  Append(list, MakeShortcut(stApplication, "Tool", "C:\\tool.exe"));
  Append(list, Separator());
  Append(list, MakeShortcut(stFolder, "Docs", "C:\\Docs"));
  t.cache.Store("C:\\Docs", 3);  // known from before
  const ticonindexfn icons = [&](const std::string& p) { return t.queue.IndexOrQueue(p); };
  std::vector<tmenuentry> entries = ShortcutMenuEntries(list, false, icons, {});
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].ImageIndex, -1);
  EXPECT_EQ(entries[2].ImageIndex, 3);
  const tmenustyle style;
  // Drawn now: the caption without any icon, never a wrong one.
  EXPECT_FALSE(LayoutMenuItem(entries[0], style, 200, 20, false, measure13()).HasIcon);
  const ticonindexfn known = [&](const std::string& p) { return t.cache.Find(p); };
  EXPECT_FALSE(TakeKnownIcon(entries[0], list, known)) << "taken before it was looked up";

  t.queue.Start();
  t.shell.Release();
  t.queue.WaitIdle();
  EXPECT_TRUE(TakeKnownIcon(entries[0], list, known));
  EXPECT_FALSE(TakeKnownIcon(entries[1], list, known));  // a separator has none
  EXPECT_FALSE(TakeKnownIcon(entries[2], list, known));  // had its icon already
  EXPECT_EQ(entries[0].ImageIndex, 10 + static_cast<int>(std::string("C:\\tool.exe").size()));
  EXPECT_EQ(entries[1].ImageIndex, -1);
  const tmenuitemlayout l = LayoutMenuItem(entries[0], style, 200, 20, false, measure13());
  EXPECT_TRUE(l.HasIcon);
  EXPECT_EQ(l.ImageIndex, entries[0].ImageIndex);
}

TEST(LateMenuIcons, AnEntryWhoseShortcutIsGoneTakesNothing) {
  tzvshortcutlist list;
  tmenuentry e;
  e.Caption = "Tool";
  e.Tag = 5;  // past the list's end
  EXPECT_FALSE(TakeKnownIcon(e, list, [](const std::string&) { return 4; }));
  EXPECT_EQ(e.ImageIndex, -1);
}

TEST(EditorIcons, FillingTakesKnownIndexesAndAsksOnlyForTheRest) {
  editorrig rig;
  std::vector<std::string> asked;
  rig.Editor.Services().GetFileIconIndex = [&](const std::string& p) {
    asked.push_back(p);
    return 40;
  };
  rig.Editor.Services().KnownIconIndex = [](const std::string& p) { return p == "C:\\known.exe" ? 9 : -1; };
  Append(rig.Editor.worklist, MakeShortcut(stApplication, "Known", "C:\\known.exe"));
  Append(rig.Editor.worklist, MakeShortcut(stApplication, "New", "C:\\new.exe"));
  rig.Editor.FillShortcutList();
  EXPECT_EQ(rig.Editor.worklist.GetItem(0)->ImageIndex, 9);
  EXPECT_EQ(rig.Editor.worklist.GetItem(1)->ImageIndex, 40);
  EXPECT_EQ(asked, std::vector<std::string>{"C:\\new.exe"});
}

TEST(IconLookupQueue, TheEndDoesNotWaitForALookupThatHangs) {
  auto shell = std::make_shared<slowshell>();
  static ticonindexcache cache;  // outlives the worker, as the program's does
  auto queue = std::make_unique<ticonlookupqueue>(
      cache, [shell](const std::string& p) { return shell->Lookup(p); }, [] {});
  queue->IndexOrQueue("\\\\server\\gone\\tool.exe");
  queue->Start();
  while (shell->Asked().empty()) std::this_thread::yield();
  const auto before = std::chrono::steady_clock::now();
  queue.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
  shell->Release();  // the lookup comes back after all; the worker ends alone
  while (cache.Find("\\\\server\\gone\\tool.exe") < 0) std::this_thread::yield();
}

TEST(EditorIcons, RightAfterStartTheRowsWaitForTheBackgroundLookupsInsteadOfAskingAgain) {
  lateicons t;
  editorrig rig;
  std::vector<std::string> askedNow;
  rig.Editor.Services().GetFileIconIndex = [&](const std::string& p) {
    askedNow.push_back(p);
    return 40;
  };
  rig.Editor.Services().KnownIconIndex = [&](const std::string& p) { return t.cache.Find(p); };
  rig.Editor.Services().IconLookedUpLater = [&](const std::string& p) {
    if (t.queue.IndexOrQueue(p) != UnknownIconIndex) return false;
    t.queue.Start();
    return true;
  };
  t.cache.Store("C:\\known.exe", 9);
  t.queue.IndexOrQueue("C:\\tool.exe");  // the menu queued it at start-up
  Append(rig.Editor.worklist, MakeShortcut(stApplication, "Known", "C:\\known.exe"));
  Append(rig.Editor.worklist, MakeShortcut(stApplication, "Tool", "C:\\tool.exe"));
  Append(rig.Editor.worklist, Separator());
  Append(rig.Editor.worklist, MakeShortcut(stFile, "Tool again", "C:\\tool.exe"));
  rig.Editor.FillShortcutList();
  EXPECT_EQ(rig.Editor.worklist.GetItem(0)->ImageIndex, 9);
  EXPECT_EQ(rig.Editor.worklist.GetItem(1)->ImageIndex, -1) << "no icon rather than a wrong one";
  EXPECT_EQ(rig.Editor.worklist.GetItem(3)->ImageIndex, -1);
  EXPECT_FALSE(rig.Editor.TakeKnownIcons().RepaintAll) << "taken before the shell answered";

  t.shell.Release();
  t.queue.WaitIdle();
  EXPECT_TRUE(rig.Editor.TakeKnownIcons().RepaintAll);
  const std::int32_t tool = 10 + static_cast<std::int32_t>(std::string("C:\\tool.exe").size());
  EXPECT_EQ(rig.Editor.worklist.GetItem(1)->ImageIndex, tool);
  EXPECT_EQ(rig.Editor.worklist.GetItem(3)->ImageIndex, tool);
  EXPECT_EQ(rig.Editor.worklist.GetItem(0)->ImageIndex, 9);
  EXPECT_FALSE(rig.Editor.TakeKnownIcons().RepaintAll) << "nothing left to take";
  // Nothing asked twice: the editor asked the shell for nothing, the
  // background asked once for the one path it had queued.
  EXPECT_TRUE(askedNow.empty());
  EXPECT_EQ(t.shell.Asked(), (std::map<std::string, int>{{"C:\\tool.exe", 1}}));
}
