// The Send To subfolder: where it is, which links it gets, what a rebuild
// may delete, and that no caption reaches outside it.
#include <gtest/gtest.h>

#include <cstring>

#include "app/sendto.h"
#include "app/shelllinkfile.h"
#include "fake_filesystem.h"
#include "fake_shell.h"
#include "list_helpers.h"
#include "model/memoryregistry.h"
#include "model/saferegistry.h"

namespace {

const char* const SendTo = "C:\\Users\\ann\\SendTo";
const char* const Folder = "C:\\Users\\ann\\SendTo\\Zorvane\\";

class SendToTest : public testing::Test {
 protected:
  void SetUp() override {
    SetSendTo(SendTo);
    settings.UseSendToMenu = true;
    files.AddFolder(SendTo);
  }
  void SetSendTo(const std::string& value) {
    zv::TRegistry r(registry);
    ASSERT_TRUE(r.OpenKey(zv::ShellFoldersKey, true));
    r.WriteString("SendTo", value);
  }
  zv::tsendtooutcome Rebuild() {
    return zv::RebuildSendTo(list, settings, registry, files, shell);
  }
  // A link as an earlier rebuild left it.
  void AddOwnLink(const std::string& path, std::uint32_t attributes = zv::faArchive) {
    zv::tshelllink link;
    link.Path = "C:\\x.exe";
    link.Description = zv::SendToLinkDescription;
    files.AddFile(path, MakeLinkBytes(link), attributes);
  }
  std::unique_ptr<zv::tzvshortcut> App(const std::string& caption, std::uint8_t style) {
    auto s = MakeShortcut(zv::stApplication, caption, "C:\\Tools\\" + caption + ".exe");
    s->Parameters = "-p";
    s->WorkingDir = "C:\\Work";
    s->ViewStyle = style;
    return s;
  }

  zv::tmemoryregistry registry;
  tfakefilesystem files;
  tfakeshell shell{&files};
  zv::tzvshortcutlist list;
  zv::tsettings settings;
};

}  // namespace

TEST_F(SendToTest, FolderIsTheSendToValueWithTheProgramsSubfolder) {
  EXPECT_EQ(zv::GetSendToFolder(registry), Folder);
  SetSendTo("D:\\Profile\\SendTo\\");
  EXPECT_EQ(zv::GetSendToFolder(registry), "D:\\Profile\\SendTo\\Zorvane\\");
  SetSendTo("\\\\server\\home\\SendTo");
  EXPECT_EQ(zv::GetSendToFolder(registry), "\\\\server\\home\\SendTo\\Zorvane\\");
}

TEST_F(SendToTest, NoUsableSendToValueMeansNoFolder) {
  for (const char* value : {"", "\\", "SendTo", "\\Users\\SendTo"}) {
    SCOPED_TRACE(value);
    SetSendTo(value);
    EXPECT_EQ(zv::GetSendToFolder(registry), "");
  }
  registry.DeleteKey(zv::ShellFoldersKey);
  EXPECT_EQ(zv::GetSendToFolder(registry), "");
  EXPECT_FALSE(registry.KeyExists(zv::ShellFoldersKey)) << "the key must not be created";
}

TEST_F(SendToTest, WithoutAFolderNothingAnywhereIsDeletedOrWritten) {
  AddOwnLink("C:\\Zorvane\\Editor.lnk");
  AddOwnLink("Zorvane\\Editor.lnk");
  Append(list, App("Editor", zv::vsNormal));
  for (const char* value : {"", "relative"}) {
    SetSendTo(value);
    EXPECT_EQ(Rebuild(), zv::tsendtooutcome::NoFolder);
    zv::ClearSendToFolder(registry, files);
  }
  registry.DeleteKey(zv::ShellFoldersKey);
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::NoFolder);
  zv::ClearSendToFolder(registry, files);
  EXPECT_TRUE(files.Removed.empty());
  EXPECT_TRUE(shell.Links.empty());
  EXPECT_TRUE(files.Has("C:\\Zorvane\\Editor.lnk"));
}

TEST_F(SendToTest, ApplicationAndFolderShortcutsGetLinksInListOrder) {
  Append(list, App("Editor", zv::vsMinimized));
  Append(list, MakeShortcut(zv::stFile, "Letter", "C:\\letter.txt"));
  Append(list, Separator());
  auto folder = MakeShortcut(zv::stFolder, "Work", "C:\\Work");
  folder->Parameters = "stray";
  folder->WorkingDir = "C:\\Else";
  folder->ViewStyle = zv::vsMaximized;
  folder->FullExplorer = true;
  Append(list, std::move(folder));
  Append(list, App("Big", zv::vsMaximized));

  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  ASSERT_EQ(shell.Links.size(), 3u);
  const auto& editor = shell.Links[0];
  EXPECT_EQ(editor.FileName, std::string(Folder) + "Editor.lnk");
  EXPECT_EQ(editor.Link.Path, "C:\\Tools\\Editor.exe");
  EXPECT_EQ(editor.Link.Arguments, "-p");
  EXPECT_EQ(editor.Link.WorkingDirectory, "C:\\Work");
  EXPECT_EQ(editor.Link.ShowCommand, 0) << "minimized is not written";
  const auto& work = shell.Links[1];
  EXPECT_EQ(work.FileName, std::string(Folder) + "Work.lnk");
  EXPECT_EQ(work.Link.Path, "C:\\Work");
  EXPECT_EQ(work.Link.Arguments, "");
  EXPECT_EQ(work.Link.WorkingDirectory, "");
  EXPECT_EQ(work.Link.ShowCommand, 3);
  EXPECT_EQ(shell.Links[2].Link.ShowCommand, 3);
  for (const auto& l : shell.Links) EXPECT_EQ(l.Link.Description, zv::SendToLinkDescription);
  EXPECT_TRUE(files.FileExists(std::string(Folder) + "Big.lnk"));
}

TEST_F(SendToTest, OnlyFileShortcutsLeaveTheSubfolderEmpty) {
  Append(list, MakeShortcut(zv::stFile, "Letter", "C:\\letter.txt"));
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  EXPECT_TRUE(files.DirectoryExists(Folder));
  EXPECT_TRUE(files.ListFiles(Folder).empty());
}

TEST_F(SendToTest, RebuildReplacesTheProgramsLinksAndKeepsEverythingElse) {
  AddOwnLink(std::string(Folder) + "Old.lnk");
  AddOwnLink(std::string(Folder) + "Locked.lnk", zv::faReadOnly | zv::faHidden);
  files.AddFile(std::string(Folder) + "notes.txt", "the user's own");
  files.AddFile(std::string(Folder) + "fake.lnk", "not a link at all");
  zv::tshelllink foreign;
  foreign.Path = "C:\\Other.exe";
  files.AddFile(std::string(Folder) + "Mine.lnk", MakeLinkBytes(foreign));
  Append(list, App("Editor", zv::vsNormal));

  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  EXPECT_FALSE(files.Has(std::string(Folder) + "Old.lnk"));
  EXPECT_FALSE(files.Has(std::string(Folder) + "Locked.lnk"));
  EXPECT_TRUE(files.Has(std::string(Folder) + "notes.txt"));
  EXPECT_TRUE(files.Has(std::string(Folder) + "fake.lnk"));
  EXPECT_TRUE(files.Has(std::string(Folder) + "Mine.lnk"));
  EXPECT_TRUE(files.Has(std::string(Folder) + "Editor.lnk"));
}

TEST_F(SendToTest, OptionOffRemovesTheLinksAndTheSubfolder) {
  AddOwnLink(std::string(Folder) + "Old.lnk");
  AddOwnLink(std::string(Folder) + "Locked.lnk", zv::faReadOnly);
  Append(list, App("Editor", zv::vsNormal));
  settings.UseSendToMenu = false;
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Off);
  EXPECT_FALSE(files.DirectoryExists(Folder));
  EXPECT_TRUE(files.DirectoryExists(SendTo));
  EXPECT_TRUE(shell.Links.empty());
  // With the user's own file left there the folder stays, holding just that.
  files.AddFile(std::string(Folder) + "notes.txt");
  AddOwnLink(std::string(Folder) + "Old.lnk");
  zv::ClearSendToFolder(registry, files);
  EXPECT_TRUE(files.DirectoryExists(Folder));
  EXPECT_EQ(files.AllFiles(), std::vector<std::string>{std::string(Folder) + "notes.txt"});
}

TEST_F(SendToTest, SameCaptionGivesOneLinkOfTheLaterShortcut) {
  Append(list, App("Tool", zv::vsNormal));
  auto later = MakeShortcut(zv::stFolder, "Tool", "C:\\Work");
  Append(list, std::move(later));
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  zv::tshelllinkfile link;
  ASSERT_TRUE(zv::ReadShellLinkFile(files.Get(std::string(Folder) + "Tool.lnk")->Content, link));
  EXPECT_EQ(link.Arguments, "") << "the folder's link replaced the application's";
}

TEST_F(SendToTest, UsersFileOfALinksNameIsNeverReplaced) {
  zv::tshelllink foreign;
  foreign.Path = "C:\\Other.exe";
  const std::string mine = std::string(Folder) + "Mine.lnk";
  files.AddFile(mine, MakeLinkBytes(foreign));
  Append(list, App("Mine", zv::vsNormal));
  Append(list, App("Editor", zv::vsNormal));
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  EXPECT_EQ(files.Get(mine)->Content, MakeLinkBytes(foreign));
  EXPECT_TRUE(files.Has(std::string(Folder) + "Editor.lnk"));
  // The next rebuild, with the option off, leaves it too.
  settings.UseSendToMenu = false;
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Off);
  EXPECT_EQ(files.AllFiles(), std::vector<std::string>{mine});
}

TEST_F(SendToTest, MissingLinkObjectEndsTheRebuildAndKeepsTheLinksSoFar) {
  Append(list, App("One", zv::vsNormal));
  Append(list, App("Two", zv::vsNormal));
  Append(list, App("Three", zv::vsNormal));
  shell.ObjectFailsAt = 1;
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::LinkObjectFailed);
  EXPECT_TRUE(files.Has(std::string(Folder) + "One.lnk"));
  EXPECT_FALSE(files.Has(std::string(Folder) + "Three.lnk"));
}

TEST(SendToLinkName, CaptionsBecomePlainFileNames) {
  EXPECT_EQ(zv::SendToLinkName("Editor"), "Editor.lnk");
  EXPECT_EQ(zv::SendToLinkName("R\xFC" "ckblick 2.0"), "R\xFC" "ckblick 2.0.lnk");
  EXPECT_EQ(zv::SendToLinkName("..\\..\\Start Menu\\Programs\\Startup\\x"),
            ".._.._Start Menu_Programs_Startup_x.lnk");
  EXPECT_EQ(zv::SendToLinkName("C:/Windows/x"), "C__Windows_x.lnk");
  EXPECT_EQ(zv::SendToLinkName("a:stream"), "a_stream.lnk");
  EXPECT_EQ(zv::SendToLinkName("what? *all* <of> \"it\" |"), "what_ _all_ _of_ _it_ _.lnk");
  EXPECT_EQ(zv::SendToLinkName("tab\there\r\n"), "tab_here__.lnk");
  EXPECT_EQ(zv::SendToLinkName(""), "_.lnk");
  EXPECT_EQ(zv::SendToLinkName(".."), "...lnk");
}

TEST(SendToLinkName, DeviceNamesAreNotUsed) {
  for (const char* device : {"CON", "con", "Nul", "PRN", "AUX", "COM1", "lpt9", "COM\xB9",
                             "CON.txt", "NUL ", "CONOUT$"}) {
    SCOPED_TRACE(device);
    EXPECT_EQ(zv::SendToLinkName(device), std::string("_") + device + ".lnk");
  }
  for (const char* name : {"CONSOLE", "COM0", "COM10", "LPT", "AUXILIARY"})
    EXPECT_EQ(zv::SendToLinkName(name), std::string(name) + ".lnk");
}

TEST_F(SendToTest, HostileCaptionsStayInsideTheSubfolder) {
  files.AddFolder("C:\\Users\\ann\\Start Menu\\Programs\\Startup");
  for (const char* caption : {"..\\..\\Start Menu\\Programs\\Startup\\x", "..\\x", "\\\\srv\\s\\x",
                              "C:\\x", "a:b", "../y", "CON", "x\\"}) {
    Append(list, App("ok", zv::vsNormal));
    list.GetItem(list.Count() - 1)->Caption = caption;
  }
  AddOwnLink("C:\\Users\\ann\\SendTo\\keep.lnk");
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  for (const auto& l : shell.Links) {
    SCOPED_TRACE(l.FileName);
    ASSERT_EQ(l.FileName.compare(0, std::strlen(Folder), Folder), 0);
    EXPECT_EQ(l.FileName.find_first_of("\\/:", std::strlen(Folder)), std::string::npos);
  }
  for (const std::string& f : files.AllFiles()) {
    if (f != "C:\\Users\\ann\\SendTo\\keep.lnk") {
      EXPECT_EQ(f.compare(0, std::strlen(Folder), Folder), 0) << f;
    }
  }
  EXPECT_EQ(files.ListFiles(Folder).size(), 8u);
  settings.UseSendToMenu = false;
  Rebuild();
  EXPECT_EQ(files.AllFiles(), std::vector<std::string>{"C:\\Users\\ann\\SendTo\\keep.lnk"});
}

TEST(ShellLinkFile, ReadsTheShowCommandAndTexts) {
  zv::tshelllink in;
  in.Description = "Zorvane Send To link";
  in.WorkingDirectory = "C:\\Work";
  in.Arguments = "-p x";
  in.ShowCommand = 3;
  zv::tshelllinkfile out;
  const std::string bytes = MakeLinkBytes(in);
  ASSERT_TRUE(zv::ReadShellLinkFile(bytes, out));
  EXPECT_EQ(out.ShowCommand, 3u);
  EXPECT_EQ(out.Description, in.Description);
  EXPECT_EQ(out.WorkingDirectory, in.WorkingDirectory);
  EXPECT_EQ(out.Arguments, in.Arguments);
  // A writer that counts the terminating zero.
  zv::tshelllink counted = in;
  counted.Description = std::string("Zorvane Send To link") + '\0';
  ASSERT_TRUE(zv::ReadShellLinkFile(MakeLinkBytes(counted), out));
  EXPECT_EQ(out.Description, in.Description);
  // Cut short, wrong header, or a text running past the end: not a link.
  for (size_t n : {size_t(0), size_t(20), size_t(0x4C + 3), bytes.size() - 1})
    EXPECT_FALSE(zv::ReadShellLinkFile(bytes.substr(0, n), out)) << n;
  std::string wrong = bytes;
  wrong[5] = 0x15;
  EXPECT_FALSE(zv::ReadShellLinkFile(wrong, out));
  std::string idlist = bytes;
  idlist[0x14] |= 1;  // claims an item list that is not there
  EXPECT_FALSE(zv::ReadShellLinkFile(idlist.substr(0, 0x4C + 1), out));
}
