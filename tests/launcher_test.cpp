// Launching: existence tests, shell requests and the error dialog's texts.
#include <gtest/gtest.h>

#include "app/launcher.h"
#include "core/url.h"
#include "fake_environment.h"
#include "fake_filesystem.h"
#include "fake_shell.h"
#include "fake_prompts.h"
#include "list_helpers.h"

namespace {

class Launch : public testing::Test {
 protected:
  void SetUp() override {
    files.AddFile("C:\\Tools\\edit.exe");
    files.AddFile("C:\\Docs\\letter.txt");
    files.AddFolder("C:\\Work");
  }
  zv::tzvshortcut Shortcut(std::uint8_t type, const std::string& caption, const std::string& path) {
    zv::tzvshortcut s;
    s.ShortcutType = type;
    s.Caption = caption;
    s.Path = path;
    return s;
  }
  void Run(const zv::tzvshortcut& s) { zv::LaunchShortcut(s, files, shell, prompts); }
  void ExpectOnlyError(const std::string& text) {
    EXPECT_TRUE(shell.Requests.empty());
    ASSERT_EQ(prompts.Shown.size(), 1u);
    EXPECT_EQ(prompts.Shown[0].Title, "Fehler");
    EXPECT_EQ(prompts.Shown[0].Text, text);
    EXPECT_EQ(prompts.Shown[0].Flags, 0x10u);  // error icon, OK only
  }
  tfakefilesystem files;
  tfakeshell shell;
  tfakeprompts prompts;
};

const char* const AppError =
    "Could not launch application \"Editor\". Please check the executable filename and the "
    "working directory for mistakes.";

}  // namespace

TEST(ViewStyleToShowCommand, MapsTheThreeStylesAndAnythingElseToNormal) {
  EXPECT_EQ(zv::ViewStyleToShowCommand(0), 2);
  EXPECT_EQ(zv::ViewStyleToShowCommand(1), 1);
  EXPECT_EQ(zv::ViewStyleToShowCommand(2), 3);
  EXPECT_EQ(zv::ViewStyleToShowCommand(3), 1);
  EXPECT_EQ(zv::ViewStyleToShowCommand(255), 1);
}

TEST_F(Launch, ApplicationGoesToTheShellWithItsParametersDirectoryAndStyle) {
  auto s = Shortcut(zv::stApplication, "Editor", "C:\\Tools\\edit.exe");
  s.Parameters = "/n \"a b.txt\"";
  s.WorkingDir = "C:\\Work";
  s.ViewStyle = zv::vsMinimized;
  Run(s);
  EXPECT_TRUE(prompts.Shown.empty());
  ASSERT_EQ(shell.Requests.size(), 1u);
  const zv::tshellrequest& r = shell.Requests[0];
  EXPECT_EQ(r.Verb, "");
  EXPECT_EQ(r.File, "C:\\Tools\\edit.exe");
  EXPECT_EQ(r.Parameters, "/n \"a b.txt\"");
  EXPECT_EQ(r.Directory, "C:\\Work");
  EXPECT_EQ(r.ShowCommand, 2);
}

TEST_F(Launch, ApplicationNeedsBothAnExistingProgramAndAnExistingWorkingDirectory) {
  auto s = Shortcut(zv::stApplication, "Editor", "C:\\Tools\\edit.exe");
  for (const char* dir : {"", "C:\\Missing", "C:\\Docs\\letter.txt"}) {
    SCOPED_TRACE(dir);
    prompts.Shown.clear();
    s.WorkingDir = dir;
    Run(s);
    ExpectOnlyError(AppError);
  }
  // A directory is no program; nor is a path that would need expanding.
  s.WorkingDir = "C:\\Work";
  for (const char* path : {"C:\\Tools", "", "%SystemDrive%\\Tools\\edit.exe", "edit.exe"}) {
    SCOPED_TRACE(path);
    prompts.Shown.clear();
    s.Path = path;
    Run(s);
    ExpectOnlyError(AppError);
  }
}

TEST_F(Launch, FileOpensNormallyWithoutParametersOrDirectory) {
  auto s = Shortcut(zv::stFile, "Letter", "C:\\Docs\\letter.txt");
  s.ViewStyle = zv::vsMaximized;
  s.Parameters = "ignored";
  s.WorkingDir = "C:\\Work";
  Run(s);
  ASSERT_EQ(shell.Requests.size(), 1u);
  EXPECT_EQ(shell.Requests[0].Verb, "");
  EXPECT_EQ(shell.Requests[0].File, "C:\\Docs\\letter.txt");
  EXPECT_EQ(shell.Requests[0].Parameters, "");
  EXPECT_EQ(shell.Requests[0].Directory, "");
  EXPECT_EQ(shell.Requests[0].ShowCommand, 1);
}

TEST_F(Launch, FileThatIsAFolderOrMissingGetsTheFileMessage) {
  for (const char* path : {"C:\\Work", "C:\\Docs\\gone.txt"}) {
    prompts.Shown.clear();
    Run(Shortcut(zv::stFile, "Letter", path));
    ExpectOnlyError("Could not open file \"Letter\". The file could not be found.");
  }
}

TEST(Url, SchemesCountDriveLettersPathsAndOddTextsDoNot) {
  for (const char* url : {"https://example.org/a?b=c", "mailto:someone@example.org", "ms-settings:display",
                          "zvtest:hello/world", "file:///C:/Docs/letter.txt", "git+ssh://host/repo",
                          "a1.b-c+d:x", "HTTP:"})
    EXPECT_TRUE(zv::IsUrl(url)) << url;
  for (const char* text : {"C:\\Docs\\letter.txt", "c:", "C:/Docs", "\\\\server\\share\\file.txt", "notes.txt",
                           "", ":", "1http://x", "-a:b", "ht tp://x", "h\xC3\xA4:x", "%APPDATA%:x", ".\\a:b"})
    EXPECT_FALSE(zv::IsUrl(text)) << text;
}

TEST_F(Launch, LinksGoToTheShellWithoutAFileAndAnUnknownSchemeGetsTheFileMessage) {
  Run(Shortcut(zv::stFile, "Site", "https://example.org/"));
  ASSERT_EQ(shell.Requests.size(), 1u);
  EXPECT_EQ(shell.Requests[0].File, "https://example.org/");
  EXPECT_EQ(shell.Requests[0].Verb, "");
  EXPECT_TRUE(shell.Requests[0].CallerReportsFailure);
  EXPECT_TRUE(prompts.Shown.empty());
  // The shell knows no handler for the scheme: the missing file's message.
  shell.ExecuteResult = 1155;  // ERROR_NO_ASSOCIATION
  Run(Shortcut(zv::stFile, "Chat", "nochat:room/7"));
  ASSERT_EQ(shell.Requests.size(), 2u);
  ASSERT_EQ(prompts.Shown.size(), 1u);
  EXPECT_EQ(prompts.Shown[0].Text, "Could not open file \"Chat\". The file could not be found.");
  // The monitor the start is asked to open on goes to the shell with it.
  tfakeenvironment env;
  zv::LaunchShortcut(Shortcut(zv::stFile, "Site", "https://example.org/"), files, shell, prompts, env, false, 0x1234);
  ASSERT_EQ(shell.Requests.size(), 3u);
  EXPECT_EQ(shell.Requests[2].Monitor, 0x1234u);
  EXPECT_EQ(shell.Requests[0].Monitor, 0u);
  // Files, and applications whose path looks like one, are tested as before.
  shell.Requests.clear();
  prompts.Shown.clear();
  Run(Shortcut(zv::stApplication, "Odd", "tool:x"));
  EXPECT_TRUE(shell.Requests.empty());
  EXPECT_EQ(prompts.Shown.size(), 1u);
}

TEST_F(Launch, FolderUsesExploreOnlyForTheFullExplorerAndAlwaysTheViewStyle) {
  auto s = Shortcut(zv::stFolder, "Work", "C:\\Work");
  s.ViewStyle = zv::vsMaximized;
  s.Parameters = "ignored";
  Run(s);
  s.FullExplorer = true;
  s.ViewStyle = zv::vsMinimized;
  Run(s);
  ASSERT_EQ(shell.Requests.size(), 2u);
  EXPECT_EQ(shell.Requests[0].Verb, "");
  EXPECT_EQ(shell.Requests[0].ShowCommand, 3);
  EXPECT_EQ(shell.Requests[0].Parameters, "");
  EXPECT_EQ(shell.Requests[1].Verb, "explore");
  EXPECT_EQ(shell.Requests[1].ShowCommand, 2);
  EXPECT_EQ(shell.Requests[1].File, "C:\\Work");
}

TEST_F(Launch, FolderThatIsAFileOrMissingGetsTheFolderMessage) {
  for (const char* path : {"C:\\Docs\\letter.txt", "C:\\Gone"}) {
    prompts.Shown.clear();
    Run(Shortcut(zv::stFolder, "Work", path));
    ExpectOnlyError("Could not open folder \"Work\". The folder does not exist.");
  }
}

TEST_F(Launch, CaptionStandsUnchangedBetweenTheQuotationMarks) {
  Run(Shortcut(zv::stFile, "My \"best\" R\xFC" "ckblick %s", "C:\\nothing"));
  ExpectOnlyError("Could not open file \"My \"best\" R\xFC" "ckblick %s\". The file could not be found.");
}

TEST_F(Launch, SeparatorsUnknownTypesAndIndicesOutsideTheListDoNothing) {
  zv::tzvshortcutlist list;
  Append(list, Separator());
  auto odd = MakeShortcut(7, "Odd", "C:\\Work");
  Append(list, std::move(odd));
  Append(list, MakeShortcut(zv::stFolder, "Work", "C:\\Work"));
  for (int i : {-1, 0, 1, 3, 100}) zv::LaunchShortcut(list, i, files, shell, prompts);
  EXPECT_TRUE(shell.Requests.empty());
  EXPECT_TRUE(prompts.Shown.empty());
  zv::LaunchShortcut(list, 2, files, shell, prompts);
  ASSERT_EQ(shell.Requests.size(), 1u);
  EXPECT_EQ(shell.Requests[0].File, "C:\\Work");
}
