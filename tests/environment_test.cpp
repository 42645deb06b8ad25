// Paths written with %NAME%: expanded for the existence tests, the launch
// and the Send To links, kept as written everywhere they are stored.
#include <gtest/gtest.h>

#include "app/launcher.h"
#include "app/sendto.h"
#include "fake_environment.h"
#include "fake_filesystem.h"
#include "fake_prompts.h"
#include "fake_shell.h"
#include "list_helpers.h"
#include "model/memoryregistry.h"
#include "model/saferegistry.h"

namespace {

class Variables : public testing::Test {
 protected:
  void SetUp() override {
    env.Set("SystemRoot", "C:\\Windows");
    env.Set("TEMP", "C:\\Users\\ann\\Temp");
    files.AddFile("C:\\Windows\\system32\\cmd.exe");
    files.AddFolder("C:\\Users\\ann\\Temp");
    files.AddFile("C:\\Users\\ann\\Temp\\notes.txt");
  }
  zv::tzvshortcut Cmd() {
    zv::tzvshortcut s;
    s.ShortcutType = zv::stApplication;
    s.Caption = "Command";
    s.Path = "%SystemRoot%\\system32\\cmd.exe";
    s.Parameters = "/c echo %TEMP%";
    s.WorkingDir = "%temp%";
    return s;
  }
  void Run(const zv::tzvshortcut& s) { zv::LaunchShortcut(s, files, shell, prompts, env); }

  tfakeenvironment env;
  tfakefilesystem files;
  tfakeshell shell{&files};
  tfakeprompts prompts;
};

}  // namespace

TEST(FakeEnvironment, ExpandsAsTheSystemDoes) {
  tfakeenvironment env;
  env.Set("A", "x");
  EXPECT_EQ(env.Expand("%a%\\%A%"), "x\\x");
  EXPECT_EQ(env.Expand("%NONE%\\%A%"), "%NONE%\\x");
  EXPECT_EQ(env.Expand("100% %A%"), "100% x");
  EXPECT_EQ(env.Expand("50%"), "50%");
}

TEST_F(Variables, ApplicationLaunchesWithPathAndWorkingDirectoryExpanded) {
  const zv::tzvshortcut s = Cmd();
  Run(s);
  EXPECT_TRUE(prompts.Shown.empty());
  ASSERT_EQ(shell.Requests.size(), 1u);
  EXPECT_EQ(shell.Requests[0].File, "C:\\Windows\\system32\\cmd.exe");
  EXPECT_EQ(shell.Requests[0].Directory, "C:\\Users\\ann\\Temp");
  // Parameters are the program's business, and the stored shortcut stays.
  EXPECT_EQ(shell.Requests[0].Parameters, "/c echo %TEMP%");
  EXPECT_EQ(s.Path, "%SystemRoot%\\system32\\cmd.exe");
  EXPECT_EQ(s.WorkingDir, "%temp%");
}

TEST_F(Variables, FileAndFolderTargetsAreExpandedToo) {
  zv::tzvshortcut file;
  file.ShortcutType = zv::stFile;
  file.Caption = "Notes";
  file.Path = "%TEMP%\\notes.txt";
  zv::tzvshortcut folder;
  folder.ShortcutType = zv::stFolder;
  folder.Caption = "Temp";
  folder.Path = "%TEMP%";
  Run(file);
  Run(folder);
  EXPECT_TRUE(prompts.Shown.empty());
  ASSERT_EQ(shell.Requests.size(), 2u);
  EXPECT_EQ(shell.Requests[0].File, "C:\\Users\\ann\\Temp\\notes.txt");
  EXPECT_EQ(shell.Requests[1].File, "C:\\Users\\ann\\Temp");
}

TEST_F(Variables, AVariableThatIsNotSetStaysAndGivesTheUsualMessage) {
  zv::tzvshortcut s = Cmd();
  s.WorkingDir = "%NO_SUCH_FOLDER%";
  Run(s);
  zv::tzvshortcut folder;
  folder.ShortcutType = zv::stFolder;
  folder.Caption = "Nowhere";
  folder.Path = "%NOWHERE%\\x";
  Run(folder);
  EXPECT_TRUE(shell.Requests.empty());
  ASSERT_EQ(prompts.Shown.size(), 2u);
  EXPECT_EQ(prompts.Shown[0].Text, zv::ApplicationLaunchError("Command"));
  EXPECT_EQ(prompts.Shown[1].Text, zv::FolderLaunchError("Nowhere"));
}

TEST_F(Variables, SendToLinksHoldTheExpandedPaths) {
  zv::tmemoryregistry registry;
  {
    zv::TRegistry r(registry);
    ASSERT_TRUE(r.OpenKey(zv::ShellFoldersKey, true));
    r.WriteString("SendTo", "C:\\Users\\ann\\SendTo");
  }
  files.AddFolder("C:\\Users\\ann\\SendTo");
  zv::tsettings settings;
  settings.UseSendToMenu = true;
  zv::tzvshortcutlist list;
  Append(list, std::make_unique<zv::tzvshortcut>(Cmd()));
  Append(list, MakeShortcut(zv::stFolder, "Temp", "%TEMP%"));
  list.GetItem(1)->Icon = "%SystemRoot%\\system32\\shell32.dll,4";
  ASSERT_EQ(zv::RebuildSendTo(list, settings, registry, files, shell, &env), zv::tsendtooutcome::Done);
  ASSERT_EQ(shell.Links.size(), 2u);
  EXPECT_EQ(shell.Links[0].Link.Path, "C:\\Windows\\system32\\cmd.exe");
  EXPECT_EQ(shell.Links[0].Link.WorkingDirectory, "C:\\Users\\ann\\Temp");
  EXPECT_EQ(shell.Links[0].Link.Arguments, "/c echo %TEMP%");
  EXPECT_EQ(shell.Links[1].Link.Path, "C:\\Users\\ann\\Temp");
  EXPECT_EQ(shell.Links[1].Link.IconFile, "C:\\Windows\\system32\\shell32.dll");
  EXPECT_EQ(shell.Links[1].Link.IconIndex, 4);
  EXPECT_EQ(list.GetItem(0)->Path, "%SystemRoot%\\system32\\cmd.exe");
}

TEST_F(Variables, ElevatedApplicationUsesRunAsAndADeclinedPromptIsSilent) {
  Run(Cmd());
  zv::LaunchShortcut(Cmd(), files, shell, prompts, env, true);
  shell.ExecuteResult = zv::ErrorCancelled;
  zv::LaunchShortcut(Cmd(), files, shell, prompts, env, true);
  ASSERT_EQ(shell.Requests.size(), 3u);
  EXPECT_EQ(shell.Requests[0].Verb, "");
  for (int i : {1, 2}) {
    EXPECT_EQ(shell.Requests[i].Verb, "runas");
    EXPECT_EQ(shell.Requests[i].File, "C:\\Windows\\system32\\cmd.exe");
    EXPECT_EQ(shell.Requests[i].Directory, "C:\\Users\\ann\\Temp");
  }
  EXPECT_TRUE(prompts.Shown.empty());
  // Any other failure of the elevated start is told, as a missing program is.
  shell.ExecuteResult = 2;
  zv::LaunchShortcut(Cmd(), files, shell, prompts, env, true);
  ASSERT_EQ(prompts.Shown.size(), 1u);
  EXPECT_EQ(prompts.Shown[0].Text, zv::ApplicationLaunchError("Command"));
}

TEST_F(Variables, ElevationLeavesFilesAndFoldersAsTheyAre) {
  zv::tzvshortcut folder;
  folder.ShortcutType = zv::stFolder;
  folder.Caption = "Temp";
  folder.Path = "%TEMP%";
  folder.FullExplorer = true;
  zv::tzvshortcut file = folder;
  file.ShortcutType = zv::stFile;
  file.Path = "%TEMP%\\notes.txt";
  zv::LaunchShortcut(folder, files, shell, prompts, env, true);
  zv::LaunchShortcut(file, files, shell, prompts, env, true);
  ASSERT_EQ(shell.Requests.size(), 2u);
  EXPECT_EQ(shell.Requests[0].Verb, "explore");
  EXPECT_EQ(shell.Requests[1].Verb, "");
}
