// The Send To subfolder: where it is, which links it gets, what a rebuild
// may delete, and that no caption reaches outside it.
#include <gtest/gtest.h>

#include <cstring>

#include "app/sendto.h"
#include "app/sendtolinks.h"
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

  // Every file below the subfolder, by its path there.
  std::vector<std::string> Below() {
    std::vector<std::string> out;
    for (const std::string& f : files.AllFiles())
      if (f.compare(0, std::strlen(Folder), Folder) == 0) out.push_back(f.substr(std::strlen(Folder)));
    return out;
  }
  bool HasFolder(const std::string& path) { return files.DirectoryExists(std::string(Folder) + path); }
  void AppendIn(std::uint8_t level, const std::string& caption) {
    Append(list, AtLevel(App(caption, zv::vsNormal), level));
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
  list.GetItem(4)->Icon = "C:\\Icons\\big.ico,-2";

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
  EXPECT_EQ(editor.Link.IconFile, "");
  EXPECT_EQ(shell.Links[2].Link.IconFile, "C:\\Icons\\big.ico");
  EXPECT_EQ(shell.Links[2].Link.IconIndex, -2);
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

// --- rebuilds that write only what changed

TEST_F(SendToTest, AnUnchangedRebuildWritesAndRemovesNothing) {
  Append(list, App("Tool", zv::vsNormal));
  Append(list, App("Big", zv::vsMaximized));
  Append(list, MakeShortcut(zv::stFolder, "Docs", "C:\\Docs"));
  ASSERT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  ASSERT_EQ(shell.Links.size(), 3u);
  const std::vector<std::string> before = files.AllFiles();
  ASSERT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  EXPECT_EQ(shell.Links.size(), 3u) << "a link was written again";
  EXPECT_TRUE(files.Removed.empty());
  EXPECT_EQ(files.AllFiles(), before);
}

TEST_F(SendToTest, OnlyTheChangedShortcutsLinkIsWrittenAgain) {
  Append(list, App("Tool", zv::vsNormal));
  Append(list, App("Other", zv::vsNormal));
  Append(list, App("Gone", zv::vsNormal));
  Rebuild();
  shell.Links.clear();
  list.GetItem(0)->Parameters = "-q";
  list.Delete(2);
  Rebuild();
  ASSERT_EQ(shell.Links.size(), 1u);
  EXPECT_EQ(shell.Links[0].FileName, std::string(Folder) + "Tool.lnk");
  EXPECT_EQ(shell.Links[0].Link.Arguments, "-q");
  EXPECT_EQ(files.AllFiles(), (std::vector<std::string>{std::string(Folder) + "Other.lnk",
                                                        std::string(Folder) + "Tool.lnk"}));
  // Each field that goes into a link counts.
  for (int field = 0; field < 4; ++field) {
    shell.Links.clear();
    zv::tzvshortcut& s = *list.GetItem(1);
    if (field == 0) s.Path = "C:\\Tools\\Renamed.exe";
    if (field == 1) s.WorkingDir = "C:\\Elsewhere";
    if (field == 2) s.ViewStyle = zv::vsMaximized;
    if (field == 3) s.ShortcutType = zv::stFolder;  // no arguments, no directory
    Rebuild();
    ASSERT_EQ(shell.Links.size(), 1u) << field;
    EXPECT_EQ(shell.Links[0].FileName, std::string(Folder) + "Other.lnk");
  }
}

TEST_F(SendToTest, LinksTheRebuildCannotVouchForAreWrittenAgain) {
  Append(list, App("Tool", zv::vsNormal));
  Rebuild();
  const std::string file = std::string(Folder) + "Tool.lnk";
  // Made read-only by someone: replaced by a plain new link, as before.
  ASSERT_TRUE(files.SetAttributes(file, zv::faReadOnly));
  shell.Links.clear();
  Rebuild();
  EXPECT_EQ(shell.Links.size(), 1u);
  EXPECT_EQ(files.Get(file)->Attributes & zv::faReadOnly, 0u);
  // Texts outside ASCII are not compared: written every time.
  list.GetItem(0)->Parameters = "Gr\xF6\xDF" "e";
  Rebuild();
  shell.Links.clear();
  Rebuild();
  EXPECT_EQ(shell.Links.size(), 1u);
}

TEST_F(SendToTest, TwoCaptionsForOneFileGiveTheLaterLinkOnce) {
  Append(list, App("Tool", zv::vsNormal));
  auto later = App("TOOL", zv::vsNormal);
  later->Parameters = "-later";
  list.Add(later, true);
  Rebuild();
  ASSERT_EQ(files.ListFiles(Folder).size(), 1u);
  zv::tshelllinkfile link;
  ASSERT_TRUE(zv::ReadShellLinkFile(files.ReadFileStart(std::string(Folder) + "Tool.lnk", 4096), link));
  EXPECT_EQ(link.Arguments, "-later");
  shell.Links.clear();
  Rebuild();
  EXPECT_TRUE(shell.Links.empty());
}

TEST_F(SendToTest, ACaptionChangedOnlyInLetterCaseRenamesItsLink) {
  Append(list, App("editor", zv::vsNormal));
  Rebuild();
  list.GetItem(0)->Caption = "Editor";
  shell.Links.clear();
  Rebuild();
  ASSERT_EQ(shell.Links.size(), 1u);
  const std::vector<zv::tfileentry> names = files.ListFiles(Folder);
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0].Name, "Editor.lnk");
  shell.Links.clear();
  Rebuild();
  EXPECT_TRUE(shell.Links.empty()) << "the renamed link was written again";
}

TEST(SendToLinkIsCurrent, ComparesWhatALinkHolds) {
  zv::tshelllink wanted;
  wanted.Path = "C:\\Tools\\Tool.exe";
  wanted.Arguments = "-p";
  wanted.WorkingDirectory = "C:\\Work";
  wanted.Description = zv::SendToLinkDescription;
  zv::tshelllinkfile existing;
  ASSERT_TRUE(zv::ReadShellLinkFile(MakeLinkBytes(wanted), existing));
  EXPECT_EQ(existing.TargetPath, wanted.Path);
  EXPECT_EQ(existing.ShowCommand, 1u);  // no show command: the link's default
  EXPECT_TRUE(zv::SendToLinkIsCurrent(existing, zv::faArchive, wanted));
  // The shell may spell the path as the file system does.
  existing.TargetPath = "c:\\TOOLS\\tool.exe";
  EXPECT_TRUE(zv::SendToLinkIsCurrent(existing, zv::faArchive, wanted));
  existing.TargetPath.clear();  // no local target known
  EXPECT_FALSE(zv::SendToLinkIsCurrent(existing, zv::faArchive, wanted));
  existing.TargetPath = wanted.Path;
  for (std::uint32_t a : {zv::faReadOnly, zv::faHidden, zv::faSystem})
    EXPECT_FALSE(zv::SendToLinkIsCurrent(existing, a, wanted)) << a;
  zv::tshelllink maximized = wanted;
  maximized.ShowCommand = 3;
  EXPECT_FALSE(zv::SendToLinkIsCurrent(existing, 0, maximized));
  zv::tshelllink args = wanted;
  args.Arguments = "-P";  // arguments keep their case
  EXPECT_FALSE(zv::SendToLinkIsCurrent(existing, 0, args));
  // An icon of its own: file without regard to case, and the index.
  zv::tshelllink icon = wanted;
  icon.IconFile = "C:\\Icons\\Tool.ico";
  icon.IconIndex = -3;
  EXPECT_FALSE(zv::SendToLinkIsCurrent(existing, 0, icon));
  ASSERT_TRUE(zv::ReadShellLinkFile(MakeLinkBytes(icon), existing));
  EXPECT_EQ(existing.IconLocation, icon.IconFile);
  EXPECT_EQ(existing.IconIndex, -3);
  EXPECT_FALSE(zv::SendToLinkIsCurrent(existing, 0, wanted));
  existing.IconLocation = "c:\\icons\\tool.ICO";
  EXPECT_TRUE(zv::SendToLinkIsCurrent(existing, 0, icon));
  icon.IconIndex = 3;
  EXPECT_FALSE(zv::SendToLinkIsCurrent(existing, 0, icon));
  existing.NonAscii = true;
  EXPECT_FALSE(zv::SendToLinkIsCurrent(existing, 0, wanted));
}

TEST(ShellLinkFile, LocationBlockOffsetsOutsideItGiveNoTarget) {
  zv::tshelllink in;
  in.Path = "C:\\Tools\\Tool.exe";
  std::string bytes = MakeLinkBytes(in);
  zv::tshelllinkfile out;
  ASSERT_TRUE(zv::ReadShellLinkFile(bytes, out));
  EXPECT_EQ(out.TargetPath, in.Path);
  // The local base path's offset (block start 0x4C, field 0x10) pointing
  // past the block, and then at a text without its zero.
  std::string far = bytes;
  far[0x4C + 0x10] = static_cast<char>(0xF0);
  ASSERT_TRUE(zv::ReadShellLinkFile(far, out));
  EXPECT_EQ(out.TargetPath, "");
  std::string unended = bytes;
  unended.pop_back();
  unended.pop_back();
  unended[0x4C] = static_cast<char>(unended[0x4C] - 2);  // the block ends before the zeros
  zv::tshelllinkfile cut;
  ASSERT_TRUE(zv::ReadShellLinkFile(unended, cut));
  EXPECT_EQ(cut.TargetPath, "");
}

// --- groups as folders

TEST_F(SendToTest, GroupsBecomeNestedFoldersOfTheirEntriesLinks) {
  AppendIn(0, "Top");
  Append(list, Group("Tools"));
  AppendIn(1, "Editor");
  Append(list, Group("Remote", 1));
  AppendIn(2, "Server");
  Append(list, AtLevel(MakeShortcut(zv::stFile, "Letter", "C:\\letter.txt"), 2));
  Append(list, Group("Empty", 1));  // only a line and a file: no folder
  Append(list, AtLevel(Separator(), 2));
  Append(list, AtLevel(MakeShortcut(zv::stFile, "Notes", "C:\\notes.txt"), 2));
  AppendIn(1, "Shell");
  Append(list, Group("TOOLS"));  // the same folder: both groups' links share it
  AppendIn(1, "Viewer");
  Append(list, Group("Misc"));
  AppendIn(200, "Deep");  // deeper than any open group: in the deepest
  AppendIn(0, "After");

  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  EXPECT_EQ(Below(), (std::vector<std::string>{"After.lnk", "Misc\\Deep.lnk", "Tools\\Editor.lnk",
                                               "Tools\\Remote\\Server.lnk", "Tools\\Shell.lnk",
                                               "Tools\\Viewer.lnk", "Top.lnk"}));
  EXPECT_FALSE(HasFolder("Tools\\Empty"));
  EXPECT_EQ(files.ListFolders(Folder).size(), 2u) << "one folder for both groups named Tools";
  shell.Links.clear();
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  EXPECT_TRUE(shell.Links.empty()) << "links in group folders were written again";
  EXPECT_TRUE(files.Removed.empty());

  // A group renamed in letter case only: its folder takes the new spelling.
  list.GetItem(1)->Caption = "tools";
  Rebuild();
  std::vector<std::string> folders;
  for (const zv::tfileentry& f : files.ListFolders(Folder)) folders.push_back(f.Name);
  EXPECT_EQ(folders, (std::vector<std::string>{"Misc", "tools"}));
  EXPECT_EQ(files.ListFolders(std::string(Folder) + "tools\\").at(0).Name, "Remote");
  EXPECT_EQ(Below().size(), 7u);
}

TEST_F(SendToTest, RemovedGroupsTakeOnlyTheProgramsLinksAndFoldersAway) {
  Append(list, Group("Tools"));
  AppendIn(1, "Editor");
  Append(list, Group("Remote", 1));
  AppendIn(2, "Server");
  Append(list, Group("Old"));
  Append(list, Group("Older", 1));
  AppendIn(2, "Gone");
  Append(list, Group("Kept"));
  AppendIn(1, "Stays");
  ASSERT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  // What the user put there: a file in a group's folder, a folder of their
  // own (empty, and one inside a group's folder), a link of another program.
  files.AddFile(std::string(Folder) + "Tools\\notes.txt");
  files.AddFolder(std::string(Folder) + "Mine");
  files.AddFolder(std::string(Folder) + "Old\\Mine");
  zv::tshelllink foreign;
  foreign.Path = "C:\\Other.exe";
  files.AddFile(std::string(Folder) + "Tools\\Remote\\Other.lnk", MakeLinkBytes(foreign));
  AddOwnLink(std::string(Folder) + "Tools\\Remote\\Locked.lnk", zv::faReadOnly);
  // A folder that is a junction to elsewhere is never entered.
  AddOwnLink("C:\\Elsewhere\\Own.lnk");
  files.AddFolder(std::string(Folder) + "Junction");
  files.SetAttributes(std::string(Folder) + "Junction", zv::faReparsePoint);
  AddOwnLink(std::string(Folder) + "Junction\\Own.lnk");

  list.Clear();
  Append(list, Group("Kept"));
  AppendIn(1, "Stays");
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  EXPECT_EQ(Below(), (std::vector<std::string>{"Junction\\Own.lnk", "Kept\\Stays.lnk",
                                               "Tools\\notes.txt", "Tools\\Remote\\Other.lnk"}));
  EXPECT_FALSE(HasFolder("Old\\Older")) << "emptied by the rebuild";
  EXPECT_TRUE(HasFolder("Old\\Mine"));
  EXPECT_TRUE(HasFolder("Mine"));

  settings.UseSendToMenu = false;
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Off);
  EXPECT_EQ(Below(), (std::vector<std::string>{"Junction\\Own.lnk", "Tools\\notes.txt",
                                               "Tools\\Remote\\Other.lnk"}));
  EXPECT_FALSE(HasFolder("Kept"));
  EXPECT_TRUE(HasFolder("Mine"));
  EXPECT_TRUE(files.Has("C:\\Elsewhere\\Own.lnk"));
}

TEST_F(SendToTest, HostileGroupNamesStayInsideTheSubfolder) {
  const std::string longName(300, 'g');
  for (const std::string& caption : {std::string(".."), std::string("..\\..\\Start Menu"),
                                     std::string("C:\\x"), std::string("CON"), std::string("Tools. "),
                                     std::string("."), std::string("a/b"), std::string("   "), longName}) {
    Append(list, Group(caption));
    AppendIn(1, "x");
  }
  Append(list, Group("Short"));
  AppendIn(1, longName);  // its link cannot be saved: the folder made for it goes again
  AddOwnLink("C:\\Users\\ann\\SendTo\\keep.lnk");
  EXPECT_EQ(Rebuild(), zv::tsendtooutcome::Done);
  // "..", "." and "   " all name the folder "_"; the later link replaced the earlier.
  EXPECT_EQ(Below(), (std::vector<std::string>{".._.._Start Menu\\x.lnk", "a_b\\x.lnk", "C__x\\x.lnk",
                                               "Tools\\x.lnk", "_CON\\x.lnk", "_\\x.lnk"}));
  EXPECT_FALSE(HasFolder("Short"));
  EXPECT_EQ(files.AllFiles().size(), Below().size() + 1) << "only keep.lnk is outside";
  settings.UseSendToMenu = false;
  Rebuild();
  EXPECT_EQ(files.AllFiles(), std::vector<std::string>{"C:\\Users\\ann\\SendTo\\keep.lnk"});
  EXPECT_FALSE(files.DirectoryExists(Folder));
}
