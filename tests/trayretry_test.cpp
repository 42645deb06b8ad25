// A shell that refuses the tray icon (no taskbar yet at logon, or one that
// restarts): the icon is offered again at growing intervals for two
// minutes, always as it is at the time.
#include <gtest/gtest.h>

#include <numeric>

#include "components/tcooltrayicon.h"
#include "components/trayretry.h"
#include "components/ttrayiconhandler.h"
#include "trayfake.h"

using zv::TCoolTrayIcon;

namespace {

void* const ActiveIcon = trayfake::Handle(0x100);
void* const GreyIcon = trayfake::Handle(0x101);

// The retry timer goes off, as the shared window receives it.
void FireTimer(trayfake& shell) {
  ASSERT_NE(shell.TimerId, 0u) << "no retry waiting";
  std::intptr_t result = -1;
  EXPECT_TRUE(zv::TTrayIconHandler::Instance()->WindowMessage(0x0113, shell.TimerId, 0, result));
}

}  // namespace

TEST(TrayRetry, WaitsDoubleFromOneSecondAndAddUpToTwoMinutes) {
  std::vector<unsigned> waits;
  for (int i = 1; zv::TrayRetryDelay(i) != 0; ++i) waits.push_back(zv::TrayRetryDelay(i));
  EXPECT_EQ(waits, (std::vector<unsigned>{1000, 2000, 4000, 8000, 16000, 32000, 57000}));
  EXPECT_EQ(zv::TrayRetryDelay(0), 0u);
  EXPECT_EQ(zv::TrayRetryDelay(100), 0u);
}

TEST(TrayRetry, RefusedThreeTimesTheIconAppearsWithTheCurrentHintAndPicture) {
  trayfake shell;
  shell.Refusals = 3;
  TCoolTrayIcon icon(shell, nullptr);
  icon.SetIcon(GreyIcon);
  icon.SetHint("Zorvane (Disabled)");
  icon.SetIconVisible(true);
  EXPECT_TRUE(icon.RetryPending());
  // Start-up goes on meanwhile: the changes wait for the retry.
  icon.SetEnabled(true);
  icon.SetIcon(ActiveIcon);
  icon.SetHint("Zorvane (Active)");
  EXPECT_EQ(shell.RetryTimers, std::vector<unsigned>{1000});
  FireTimer(shell);
  FireTimer(shell);
  EXPECT_FALSE(shell.Shown);
  FireTimer(shell);
  EXPECT_TRUE(shell.Shown);
  EXPECT_EQ(shell.RetryTimers, (std::vector<unsigned>{1000, 2000, 4000}));
  EXPECT_EQ(shell.Last().Op, "add");
  EXPECT_EQ(shell.Last().Tip(), "Zorvane (Active)");
  EXPECT_EQ(shell.Last().Data.Icon, icon.Icon());
  EXPECT_FALSE(icon.RetryPending());
  EXPECT_EQ(icon.Retries(), 0);
  EXPECT_EQ(shell.TimerId, 0u);
  EXPECT_TRUE(icon.IconVisible());
}

TEST(TrayRetry, AfterTwoMinutesItGivesUpUntilANewTaskbarComes) {
  trayfake shell;
  shell.Refusals = 1000;
  TCoolTrayIcon icon(shell, nullptr);
  icon.SetHint("Zorvane (Active)");
  icon.SetIconVisible(true);
  while (shell.TimerId != 0) FireTimer(shell);
  EXPECT_EQ(std::accumulate(shell.RetryTimers.begin(), shell.RetryTimers.end(), 0u), 120000u);
  EXPECT_FALSE(icon.RetryPending());
  // No icon, and no new round for a later change either.
  icon.SetHint("Zorvane (Disabled)");
  EXPECT_EQ(shell.RetryTimers.size(), 7u);
  EXPECT_FALSE(shell.Shown);
  shell.Refusals = 0;
  icon.TaskbarCreated();
  EXPECT_TRUE(shell.Shown);
  EXPECT_EQ(shell.Last().Tip(), "Zorvane (Disabled)");
}

TEST(TrayRetry, AShownIconTheShellLostIsAddedAgainOnTheNextChange) {
  trayfake shell;
  TCoolTrayIcon icon(shell, nullptr);
  icon.SetIconVisible(true);
  shell.Shown = false;  // the taskbar went away without a word
  icon.SetHint("Zorvane (Active)");
  ASSERT_TRUE(icon.RetryPending());
  shell.Calls.clear();
  FireTimer(shell);
  EXPECT_EQ(shell.ShellOps(), (std::vector<std::string>{"modify", "add"}));
  EXPECT_TRUE(shell.Shown);
  EXPECT_EQ(shell.Last().Tip(), "Zorvane (Active)");
}

TEST(TrayRetry, HiddenIconsAreNeverRetriedAndRemovingStopsTheRetry) {
  trayfake shell;
  shell.Refusals = 5;
  TCoolTrayIcon icon(shell, nullptr);
  icon.SetHint("hidden");  // refused: not shown, and meant so
  EXPECT_FALSE(icon.RetryPending());
  icon.SetIconVisible(true);
  ASSERT_TRUE(icon.RetryPending());
  const std::uint32_t timer = shell.TimerId;
  icon.SetIconVisible(false);
  EXPECT_FALSE(icon.RetryPending());
  EXPECT_EQ(shell.TimerId, 0u);
  // A timer message still queued changes nothing.
  shell.Calls.clear();
  std::intptr_t result = -1;
  zv::TTrayIconHandler::Instance()->WindowMessage(0x0113, timer, 0, result);
  EXPECT_TRUE(shell.ShellOps().empty());
}
