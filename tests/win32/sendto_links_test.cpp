// Send To links written by the real shell link object into the user's real
// SendTo folder under Wine, read back from the files themselves.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "app/sendto.h"
#include "app/shelllinkfile.h"
#include "list_helpers.h"
#include "core/textutil.h"
#include "platform/win32filesystem.h"
#include "platform/win32registry.h"
#include "platform/win32shell.h"
#include "tempfolder.h"

namespace {

struct linkread {
  std::string Path, Arguments, WorkingDirectory, IconFile;
  int IconIndex = 0;
};

// Wine's loader reads the show command back wrongly; the file's own header
// (offset 0x3C) is checked for that, the rest through the link object.
linkread Load(const std::string& file) {
  linkread out;
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* pf = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pf)))) {
      wchar_t wide[MAX_PATH] = {};
      MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
      if (SUCCEEDED(pf->Load(wide, STGM_READ))) {
        char buffer[MAX_PATH] = {};
        link->GetPath(buffer, MAX_PATH, nullptr, 0);
        out.Path = buffer;
        buffer[0] = 0;
        link->GetArguments(buffer, MAX_PATH);
        out.Arguments = buffer;
        buffer[0] = 0;
        link->GetWorkingDirectory(buffer, MAX_PATH);
        out.WorkingDirectory = buffer;
        buffer[0] = 0;
        link->GetIconLocation(buffer, MAX_PATH, &out.IconIndex);
        out.IconFile = buffer;
      }
      pf->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return out;
}

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : zv::ProcessFileSystem().ListFiles(folder)) names.push_back(e.Name);
  std::sort(names.begin(), names.end());
  return names;
}

class Win32SendTo : public testing::Test {
 protected:
  void SetUp() override {
    folder = zv::GetSendToFolder(zv::ProcessRegistry());
    ASSERT_FALSE(folder.empty());
    settings.UseSendToMenu = true;
  }
  void TearDown() override {
    settings.UseSendToMenu = false;
    Rebuild();
  }
  zv::tsendtooutcome Rebuild() {
    return zv::RebuildSendTo(list, settings, zv::ProcessRegistry(), zv::ProcessFileSystem(),
                             zv::ProcessShell());
  }
  zv::tshelllinkfile Header(const std::string& name) {
    zv::tshelllinkfile f;
    EXPECT_TRUE(zv::ReadShellLinkFile(zv::ProcessFileSystem().ReadFileStart(folder + name, 65536), f))
        << name;
    return f;
  }
  std::string folder;
  zv::tzvshortcutlist list;
  zv::tsettings settings;
  ttempfolder work{"zv sendto"};
};

}  // namespace

TEST_F(Win32SendTo, SubfolderIsInTheUsersSendToFolder) {
  const std::string tail = "\\SendTo\\Zorvane\\";
  ASSERT_GT(folder.size(), tail.size());
  EXPECT_TRUE(zv::SameTextAscii(folder.substr(folder.size() - tail.size()), tail)) << folder;
  EXPECT_TRUE(zv::ProcessFileSystem().DirectoryExists(folder.substr(0, folder.size() - 8)));
}

TEST_F(Win32SendTo, LinksCarryTargetArgumentsDirectoryAndShowCommand) {
  const std::string exe = ProgramFolder() + "markerapp.exe";
  auto big = MakeShortcut(zv::stApplication, "Editor", exe);
  big->Parameters = "-p \"x y\"";
  big->WorkingDir = work.Bare();
  big->ViewStyle = zv::vsMaximized;
  Append(list, std::move(big));
  auto small = MakeShortcut(zv::stApplication, "Small", exe);
  small->ViewStyle = zv::vsMinimized;
  small->WorkingDir = work.Bare();
  Append(list, std::move(small));
  auto dir = MakeShortcut(zv::stFolder, "Temp", work.Bare());
  dir->Icon = exe + ",-7";
  dir->Parameters = "stray";
  dir->WorkingDir = "C:\\";
  Append(list, std::move(dir));
  Append(list, MakeShortcut(zv::stFile, "Letter", exe));
  Append(list, Separator());

  ASSERT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"Editor.lnk", "Small.lnk", "Temp.lnk"}));

  linkread editor = Load(folder + "Editor.lnk");
  EXPECT_TRUE(zv::SameTextAscii(editor.Path, exe)) << editor.Path;
  EXPECT_EQ(editor.Arguments, "-p \"x y\"");
  EXPECT_TRUE(zv::SameTextAscii(editor.WorkingDirectory, work.Bare())) << editor.WorkingDirectory;
  EXPECT_EQ(Header("Editor.lnk").ShowCommand, 3u);
  EXPECT_EQ(Header("Editor.lnk").Description, zv::SendToLinkDescription);
  EXPECT_EQ(Header("Small.lnk").ShowCommand, 1u) << "minimized is left to the link's default";

  linkread temp = Load(folder + "Temp.lnk");
  EXPECT_TRUE(zv::SameTextAscii(temp.Path, work.Bare())) << temp.Path;
  EXPECT_EQ(temp.Arguments, "");
  EXPECT_EQ(temp.WorkingDirectory, "");
  EXPECT_EQ(Header("Temp.lnk").ShowCommand, 1u);
  // An icon of its own goes into the link, where a rebuild finds it again.
  EXPECT_TRUE(zv::SameTextAscii(temp.IconFile, exe)) << temp.IconFile;
  EXPECT_EQ(temp.IconIndex, -7);
  EXPECT_EQ(editor.IconFile, "");
  EXPECT_TRUE(zv::SameTextAscii(Header("Temp.lnk").IconLocation, exe)) << Header("Temp.lnk").IconLocation;
  EXPECT_EQ(Header("Temp.lnk").IconIndex, -7);
}

TEST_F(Win32SendTo, HostileCaptionsWriteNothingOutsideTheSubfolder) {
  const std::string above = folder + "..\\";          // SendTo itself
  const std::string startup = folder + "..\\..\\Start Menu\\Programs\\Startup\\";
  // The folder a climbing caption aims at must exist for the test to mean anything.
  const bool madeStartup = !zv::ProcessFileSystem().DirectoryExists(startup) &&
                           zv::ProcessFileSystem().CreateFolders(startup);
  const auto aboveBefore = Names(above), startupBefore = Names(startup);
  const char* captions[] = {"..\\..\\Start Menu\\Programs\\Startup\\x", "..\\up", "sub\\x",
                            "a:b", "C:/x", "NUL", "what?"};
  for (const char* c : captions) {
    auto s = MakeShortcut(zv::stFolder, c, work.Bare());
    Append(list, std::move(s));
  }
  ASSERT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  EXPECT_EQ(Names(folder),
            (std::vector<std::string>{".._.._Start Menu_Programs_Startup_x.lnk", ".._up.lnk",
                                      "C__x.lnk", "_NUL.lnk", "a_b.lnk", "sub_x.lnk",
                                      "what_.lnk"}));
  EXPECT_EQ(Names(above), aboveBefore);
  EXPECT_EQ(Names(startup), startupBefore);
  settings.UseSendToMenu = false;
  Rebuild();
  EXPECT_FALSE(zv::ProcessFileSystem().DirectoryExists(folder));
  EXPECT_EQ(Names(above), aboveBefore);
  if (madeStartup) RemoveDirectoryA(startup.c_str());
}

TEST_F(Win32SendTo, OptionOffDeletesReadOnlyLinksButKeepsTheUsersFiles) {
  Append(list, MakeShortcut(zv::stFolder, "Temp", work.Bare()));
  ASSERT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  ASSERT_TRUE(SetFileAttributesA((folder + "Temp.lnk").c_str(), FILE_ATTRIBUTE_READONLY));
  HANDLE own = CreateFileA((folder + "notes.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(own, INVALID_HANDLE_VALUE);
  CloseHandle(own);
  settings.UseSendToMenu = false;
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Off);
  EXPECT_EQ(Names(folder), std::vector<std::string>{"notes.txt"});
  DeleteFileA((folder + "notes.txt").c_str());
  zv::ClearSendToFolder(zv::ProcessRegistry(), zv::ProcessFileSystem());
  EXPECT_FALSE(zv::ProcessFileSystem().DirectoryExists(folder));
}

TEST_F(Win32SendTo, AFileOfTheUsersWithALinksNameIsKept) {
  ASSERT_TRUE(zv::ProcessFileSystem().CreateFolders(folder));
  const std::string mine = folder + "Temp.lnk";
  const std::string own = "the user's own file";
  HANDLE f = CreateFileA(mine.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  DWORD done = 0;
  WriteFile(f, own.data(), static_cast<DWORD>(own.size()), &done, nullptr);
  CloseHandle(f);
  Append(list, MakeShortcut(zv::stFolder, "Temp", work.Bare()));
  Append(list, MakeShortcut(zv::stFolder, "Work", work.Bare()));
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  EXPECT_EQ(zv::ProcessFileSystem().ReadFileStart(mine, 1024), own);
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"Temp.lnk", "Work.lnk"}));
  zv::tshelllink link;
  link.Path = work.Bare();
  EXPECT_EQ(zv::ProcessShell().SaveLink(link, mine), zv::tlinksave::NotSaved);
  EXPECT_EQ(zv::ProcessFileSystem().ReadFileStart(mine, 1024), own);
  DeleteFileA(mine.c_str());
}

TEST_F(Win32SendTo, GroupsAreFoldersThatGoWithTheirLinksButKeepTheUsersFiles) {
  Append(list, Group("Tools"));
  Append(list, AtLevel(MakeShortcut(zv::stFolder, "Temp", work.Bare()), 1));
  Append(list, Group("Remote", 1));
  Append(list, AtLevel(MakeShortcut(zv::stFolder, "Server", work.Bare()), 2));
  Append(list, Group("Old"));
  Append(list, AtLevel(MakeShortcut(zv::stFolder, "Gone", work.Bare()), 1));
  Append(list, Group(".."));
  Append(list, AtLevel(MakeShortcut(zv::stFolder, "Up", work.Bare()), 1));
  const auto aboveBefore = Names(folder + "..\\");
  ASSERT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  EXPECT_EQ(Names(folder + "Tools\\"), std::vector<std::string>{"Temp.lnk"});
  EXPECT_EQ(Names(folder + "Tools\\Remote\\"), std::vector<std::string>{"Server.lnk"});
  EXPECT_EQ(Names(folder + "_\\"), std::vector<std::string>{"Up.lnk"});
  EXPECT_EQ(Names(folder + "..\\"), aboveBefore);
  EXPECT_TRUE(zv::SameTextAscii(Load(folder + "Tools\\Remote\\Server.lnk").Path, work.Bare()));
  EXPECT_EQ(Header("Tools\\Remote\\Server.lnk").Description, zv::SendToLinkDescription);

  const std::string notes = folder + "Old\\notes.txt";
  HANDLE own = CreateFileA(notes.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
  ASSERT_NE(own, INVALID_HANDLE_VALUE);
  CloseHandle(own);
  while (list.Count() > 2) list.Delete(2);
  ASSERT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  EXPECT_FALSE(zv::ProcessFileSystem().DirectoryExists(folder + "Tools\\Remote\\"));
  EXPECT_FALSE(zv::ProcessFileSystem().DirectoryExists(folder + "_\\"));
  EXPECT_EQ(Names(folder + "Old\\"), std::vector<std::string>{"notes.txt"});
  settings.UseSendToMenu = false;
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Off);
  EXPECT_FALSE(zv::ProcessFileSystem().DirectoryExists(folder + "Tools\\"));
  EXPECT_EQ(Names(folder + "Old\\"), std::vector<std::string>{"notes.txt"});
  DeleteFileA(notes.c_str());
  RemoveDirectoryA((folder + "Old").c_str());
}

namespace {

// The real shell, counting the links it is asked to write.
class countingshell : public zv::tshell {
 public:
  std::uint32_t Execute(const zv::tshellrequest& r) override { return zv::ProcessShell().Execute(r); }
  zv::tlinksave SaveLink(const zv::tshelllink& link, const std::string& file) override {
    Saved.push_back(file.substr(file.find_last_of('\\') + 1));
    return zv::ProcessShell().SaveLink(link, file);
  }
  std::vector<std::string> Saved;
};

FILETIME WriteTime(const std::string& file) {
  WIN32_FILE_ATTRIBUTE_DATA d = {};
  GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &d);
  return d.ftLastWriteTime;
}

}  // namespace

TEST_F(Win32SendTo, AStartWithNothingChangedWritesNoLinkFile) {
  const std::string exe = ProgramFolder() + "markerapp.exe";
  auto big = MakeShortcut(zv::stApplication, "Editor", exe);
  big->Parameters = "-p \"x y\"";
  big->WorkingDir = work.Bare();
  big->ViewStyle = zv::vsMaximized;
  Append(list, std::move(big));
  Append(list, MakeShortcut(zv::stApplication, "Plain", exe));
  Append(list, MakeShortcut(zv::stFolder, "Temp", work.Bare()));
  Append(list, MakeShortcut(zv::stFolder, "Windows", "c:\\WINDOWS"));  // spelt otherwise on disk
  countingshell shell;
  auto rebuild = [&] {
    return zv::RebuildSendTo(list, settings, zv::ProcessRegistry(), zv::ProcessFileSystem(), shell);
  };
  ASSERT_EQ(rebuild(), zv::tsendtooutcome::Done);
  ASSERT_EQ(shell.Saved.size(), 4u);
  const auto names = Names(folder);
  std::vector<FILETIME> times;
  for (const std::string& n : names) times.push_back(WriteTime(folder + n));
  Sleep(30);  // a file written again would show a later time

  shell.Saved.clear();
  ASSERT_EQ(rebuild(), zv::tsendtooutcome::Done);
  EXPECT_EQ(shell.Saved, std::vector<std::string>{}) << "links written again without a change";
  EXPECT_EQ(Names(folder), names);
  for (std::size_t i = 0; i < names.size(); ++i) {
    const FILETIME now = WriteTime(folder + names[i]);
    EXPECT_EQ(CompareFileTime(&times[i], &now), 0) << names[i];
  }

  // A changed shortcut: its link alone is written, and holds the change.
  list.GetItem(1)->Parameters = "-new";
  ASSERT_EQ(rebuild(), zv::tsendtooutcome::Done);
  EXPECT_EQ(shell.Saved, std::vector<std::string>{"Plain.lnk"});
  EXPECT_EQ(Load(folder + "Plain.lnk").Arguments, "-new");
}
