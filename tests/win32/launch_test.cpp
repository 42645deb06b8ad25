// Launching through the real shell and file system under Wine: a small
// program started with its parameters, working directory and show command,
// and the error dialog as the user sees it.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "app/launcher.h"
#include "fake_prompts.h"
#include "core/textutil.h"
#include "platform/win32filesystem.h"
#include "platform/win32shell.h"
#include "platform/win32prompts.h"
#include "screenshot.h"
#include "tempfolder.h"

namespace {

std::vector<std::string> WaitForLines(const std::string& file) {
  for (int i = 0; i < 300 && GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
    Sleep(50);
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

zv::tzvshortcut MarkerApp(const ttempfolder& work) {
  zv::tzvshortcut s;
  s.ShortcutType = zv::stApplication;
  s.Caption = "Marker \"app\"";
  s.Path = ProgramFolder() + "markerapp.exe";
  s.Parameters = "\"" + work.Path + "marker.txt\" \"two words\" last";
  s.WorkingDir = work.Bare();
  s.ViewStyle = zv::vsMaximized;
  return s;
}

std::string Text(HWND wnd) {
  char buffer[1024] = {};
  GetWindowTextA(wnd, buffer, sizeof(buffer));
  return buffer;
}

struct dialogseen {
  std::string Text;
  std::vector<std::string> Buttons;
  bool Found = false;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM data) {
  auto* seen = reinterpret_cast<dialogseen*>(data);
  char cls[64] = {};
  GetClassNameA(child, cls, sizeof(cls));
  const std::string text = Text(child);
  if (zv::SameTextAscii(cls, "Static") && !text.empty()) seen->Text = text;
  if (zv::SameTextAscii(cls, "Button") && IsWindowVisible(child)) seen->Buttons.push_back(text);
  return TRUE;
}

}  // namespace

TEST(Win32Launch, StartsTheProgramWithItsParametersDirectoryAndShowCommand) {
  ttempfolder work("zv launch");
  zv::tzvshortcut s = MarkerApp(work);
  ASSERT_TRUE(zv::ProcessFileSystem().FileExists(s.Path)) << s.Path;
  tfakeprompts prompts;
  zv::LaunchShortcut(s, zv::ProcessFileSystem(), zv::ProcessShell(), prompts);
  EXPECT_TRUE(prompts.Shown.empty());
  const auto lines = WaitForLines(work.Path + "marker.txt");
  ASSERT_EQ(lines.size(), 3u) << "the program did not run";
  EXPECT_NE(lines[0].find("\"two words\" last"), std::string::npos) << lines[0];
  EXPECT_TRUE(zv::SameTextAscii(lines[1], work.Bare())) << lines[1];
  EXPECT_EQ(lines[2], "3");
}

TEST(Win32Launch, MissingWorkingDirectoryShowsTheErrorDialogAndStartsNothing) {
  ttempfolder work("zv launch");
  zv::tzvshortcut s = MarkerApp(work);
  s.WorkingDir = work.Path + "missing";
  dialogseen seen;
  std::thread closer([&seen] {
    for (int i = 0; i < 200 && !seen.Found; ++i) {
      HWND box = FindWindowA("#32770", "Fehler");
      if (box && IsWindowVisible(box)) {
        Sleep(100);
        EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&seen));
        SaveWindowScreenshot(box, "launch-error.bmp");
        seen.Found = true;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }
      Sleep(50);
    }
  });
  zv::twin32prompts prompts;
  zv::LaunchShortcut(s, zv::ProcessFileSystem(), zv::ProcessShell(), prompts);
  closer.join();
  ASSERT_TRUE(seen.Found);
  EXPECT_EQ(seen.Text,
            "Could not launch application \"Marker \"app\"\". Please check the executable "
            "filename and the working directory for mistakes.");
  EXPECT_EQ(seen.Buttons, std::vector<std::string>{"OK"});
  Sleep(500);
  EXPECT_EQ(GetFileAttributesA((work.Path + "marker.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Win32Launch, PathsAreTestedExactlyAsStored) {
  zv::twin32filesystem& files = zv::ProcessFileSystem();
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  ASSERT_TRUE(files.FileExists(std::string(windows) + "\\notepad.exe"));
  EXPECT_TRUE(files.DirectoryExists(windows));
  EXPECT_FALSE(files.FileExists(windows));
  EXPECT_FALSE(files.DirectoryExists(std::string(windows) + "\\notepad.exe"));
  EXPECT_FALSE(files.FileExists("%WINDIR%\\notepad.exe"));
  EXPECT_FALSE(files.DirectoryExists("%WINDIR%"));
  EXPECT_FALSE(files.FileExists(""));
  EXPECT_FALSE(files.DirectoryExists(""));

  tfakeprompts prompts;
  zv::tzvshortcut s;
  s.ShortcutType = zv::stFile;
  s.Caption = "Notepad";
  s.Path = "%WINDIR%\\notepad.exe";
  zv::LaunchShortcut(s, files, zv::ProcessShell(), prompts);
  ASSERT_EQ(prompts.Shown.size(), 1u);
  EXPECT_EQ(prompts.Shown[0].Text, "Could not open file \"Notepad\". The file could not be found.");
}

// A program and a folder of the system folder, as a list names them. The
// x64 program sees the real System32, with no WOW64 redirection to
// SysWOW64. The x86 one on 64-bit Windows is shown SysWOW64 under that
// name: the folder and its 32-bit cmd.exe are there, and the real folder
// only where redirection is turned off.
TEST(Win32Launch, SystemFolderProgramsAndFoldersAsStored) {
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string folder = std::string("C:\\windows\\system32");
  EXPECT_TRUE(zv::SameTextAscii(system, folder)) << system;
  zv::twin32filesystem& files = zv::ProcessFileSystem();
  EXPECT_TRUE(files.DirectoryExists(folder));
  EXPECT_TRUE(files.FileExists(folder + "\\cmd.exe"));
  // The drivers folder is in the real System32 only (Wine's SysWOW64 has none).
  const std::string drivers = folder + "\\drivers";
  BOOL wow64 = FALSE;
  ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
#ifdef _WIN64
  EXPECT_FALSE(wow64);
  EXPECT_TRUE(files.DirectoryExists(drivers));
#else
  if (wow64) {
    PVOID redirection = nullptr;
    ASSERT_TRUE(Wow64DisableWow64FsRedirection(&redirection));
    const DWORD real = GetFileAttributesA(drivers.c_str());
    Wow64RevertWow64FsRedirection(redirection);
    EXPECT_TRUE(real != INVALID_FILE_ATTRIBUTES && (real & FILE_ATTRIBUTE_DIRECTORY))
        << "the real System32 is not behind the redirection";
  }
#endif

  ttempfolder work("zv system32");
  zv::tzvshortcut s;
  s.ShortcutType = zv::stApplication;
  s.Caption = "Command prompt";
  s.Path = folder + "\\cmd.exe";
  s.Parameters = "/c cd > marker.txt";
  s.WorkingDir = work.Bare();
  s.ViewStyle = zv::vsMinimized;
  tfakeprompts prompts;
  zv::LaunchShortcut(s, files, zv::ProcessShell(), prompts);
  EXPECT_TRUE(prompts.Shown.empty());
  auto lines = WaitForLines(work.Path + "marker.txt");
  for (int i = 0; i < 50 && lines.empty(); ++i, Sleep(100))
    lines = WaitForLines(work.Path + "marker.txt");  // made before it is written
  ASSERT_EQ(lines.size(), 1u) << "cmd.exe did not run";
  std::string cwd = lines[0];
  if (!cwd.empty() && cwd.back() == '\r') cwd.pop_back();
  EXPECT_TRUE(zv::SameTextAscii(cwd, work.Bare())) << cwd;
}
