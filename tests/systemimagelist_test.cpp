// The system image list over a fake shell: which list is attached and how
// an index is asked for.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "components/systemiconsize.h"
#include "components/systemimagelist.h"
#include "core/iconlocation.h"

namespace {

class tfakeshellimages : public zv::tshellimages {
 public:
  void* SystemList(zv::TImageSize size) override {
    Attached.push_back(size);
    return size == zv::isLarge ? &large : &small;
  }
  void* ExtraLargeList() override { return HasExtraLarge ? &extraLarge : nullptr; }
  int IconSizeForDpi(zv::TImageSize size, int dpi) override { return (size == zv::isSmall ? 16 : 32) * dpi / 96; }
  bool ImageSizeOf(void* list, int& w, int& h) override {
    w = h = list == &extraLarge ? 48 : list == &large ? 32 : 16;
    return true;
  }
  int ImageCount(void*) override { return 40; }
  bool PathExists(const std::string& path) override { return Existing.count(path) != 0; }
  bool IconIndex(const std::string& path, unsigned flags, int& index) override {
    Lookups.push_back({path, flags});
    if (Refuse) return false;
    index = Index;
    return true;
  }
  bool Draw(void* list, int, void*, int, int, unsigned) override {
    Drawn.push_back({list, 0});
    return true;
  }
  bool DrawSized(void* list, int, void*, int, int, int size, unsigned) override {
    Drawn.push_back({list, size});
    return true;
  }
  void* GetIcon(void*, int, unsigned) override { return nullptr; }
  bool CachedIconIndex(const std::string& file, int index, int& out) override {
    Cached.push_back(file + "," + std::to_string(index));
    const auto it = Icons.find(file + "," + std::to_string(index));
    if (it == Icons.end()) return false;
    out = it->second;
    return true;
  }
  void SchemeHandler(const std::string& scheme, std::string& defaultIcon, std::string& command) override {
    Schemes.push_back(scheme);
    defaultIcon = DefaultIcon;
    command = Command;
  }
  int LinkIconIndex() override { return 30; }
  int FolderIconIndex() override { return 3; }

  int large = 0, small = 0, extraLarge = 0;
  bool HasExtraLarge = true;
  std::vector<std::pair<void*, int>> Drawn;  // the list, and the size when drawn at another
  std::vector<zv::TImageSize> Attached;
  std::set<std::string> Existing;
  std::vector<std::pair<std::string, unsigned>> Lookups;
  bool Refuse = false;
  int Index = 7;
  std::map<std::string, int> Icons;  // "file,index": what the cache holds
  std::vector<std::string> Cached, Schemes;
  std::string DefaultIcon, Command;
};

}  // namespace

TEST(SystemImageList, StartsLargeAndSwitchesListOnlyWhenTheSizeChanges) {
  tfakeshellimages shell;
  zv::TdfsSystemImageList il(shell);
  EXPECT_EQ(il.ImageSize(), zv::isLarge);
  EXPECT_TRUE(il.ShareImages());
  EXPECT_EQ(il.Handle(), &shell.large);
  EXPECT_EQ(il.Width(), 32);
  il.SetImageSize(zv::isSmall);
  EXPECT_EQ(il.Handle(), &shell.small);
  EXPECT_EQ(il.Width(), 16);
  EXPECT_EQ(il.Height(), 16);
  il.SetImageSize(zv::isSmall);
  il.SetImageSize(zv::isLarge);
  EXPECT_EQ(il.Height(), 32);
  EXPECT_EQ(shell.Attached, (std::vector<zv::TImageSize>{zv::isLarge, zv::isSmall, zv::isLarge}));
}

TEST(SystemImageList, ExistingPathsAskTheItemMissingOnesOnlyTheName) {
  tfakeshellimages shell;
  shell.Existing = {"C:\\Tools\\edit.exe", "C:\\Work"};
  zv::TdfsSystemImageList il(shell);
  for (const char* p : {"C:\\Tools\\edit.exe", "C:\\Work", "C:\\gone.txt", ""}) il.GetFileIconIndex(p);
  il.SetImageSize(zv::isSmall);
  EXPECT_EQ(il.GetFileIconIndex("C:\\Work"), 7);
  ASSERT_EQ(shell.Lookups.size(), 5u);
  EXPECT_EQ(shell.Lookups[0].second, 0x4000u);
  EXPECT_EQ(shell.Lookups[1].second, 0x4000u);
  EXPECT_EQ(shell.Lookups[2].second, 0x4010u);
  EXPECT_EQ(shell.Lookups[3].second, 0x4010u);
  EXPECT_EQ(shell.Lookups[4].second, 0x4000u) << "the size is no part of the lookup";
}

TEST(SystemImageList, RefusedLookupGivesTheFixedFallback) {
  tfakeshellimages shell;
  zv::TdfsSystemImageList il(shell);
  shell.Refuse = true;
  EXPECT_EQ(il.GetFileIconIndex("C:\\x"), zv::TdfsSystemImageList::FallbackIconIndex);
  shell.Refuse = false;
  shell.Index = -5;
  EXPECT_EQ(il.GetFileIconIndex("C:\\x"), zv::TdfsSystemImageList::FallbackIconIndex);
}

// The shell's lists here: 16, 32 and 48 pixels; the icons wanted at a DPI:
// 16 and 32 scaled.
TEST(SystemImageList, AtAWindowsDpiIconsComeAtTheSystemSizeFromTheNearestList) {
  tfakeshellimages shell;
  zv::TdfsSystemImageList il(shell);
  il.SetImageSize(zv::isSmall);
  struct tcase {
    zv::TImageSize Size;
    int Dpi, Drawn;
    void* List;
    bool Sized;
  } cases[] = {
      {zv::isSmall, 96, 16, &shell.small, false},      // as the shell made it
      {zv::isLarge, 96, 32, &shell.large, false},
      {zv::isSmall, 144, 24, &shell.large, true},      // shrunk from the next larger
      {zv::isLarge, 144, 48, &shell.extraLarge, false},
      {zv::isSmall, 192, 32, &shell.large, false},
      {zv::isLarge, 192, 64, &shell.extraLarge, true}, // grown from the largest
      {zv::isSmall, 120, 20, &shell.large, true},
  };
  for (const tcase& c : cases) {
    il.SetImageSize(c.Size);
    il.SetDpi(c.Dpi);
    EXPECT_EQ(il.Handle(), c.List) << c.Dpi;
    EXPECT_EQ(il.Width(), c.Drawn) << c.Dpi;
    EXPECT_EQ(il.Height(), c.Drawn) << c.Dpi;
    shell.Drawn.clear();
    il.Draw(nullptr, 2, 2, 5);
    ASSERT_EQ(shell.Drawn.size(), 1u);
    EXPECT_EQ(shell.Drawn[0], std::make_pair(c.List, c.Sized ? c.Drawn : 0)) << c.Dpi;
  }
  // Back to no DPI of its own: the shell's list of the size, as it is.
  il.SetDpi(0);
  EXPECT_EQ(il.Handle(), &shell.small);
  EXPECT_EQ(il.Width(), 16);
}

TEST(SystemImageList, WithoutAnExtraLargeListTheLargeOneServes) {
  tfakeshellimages shell;
  shell.HasExtraLarge = false;
  zv::TdfsSystemImageList il(shell);
  il.SetDpi(144);
  EXPECT_EQ(il.Handle(), &shell.large);
  EXPECT_EQ(il.Width(), 48);
  EXPECT_EQ(il.GetFileIconIndex("C:\\x"), 7) << "the index is the same in every list";
}

TEST(SystemImageList, ChoosesTheSameSizeElseTheSmallestLargerElseTheLargest) {
  using zv::ChooseSystemList;
  EXPECT_EQ(ChooseSystemList(24, {16, 32, 48}), 1);
  EXPECT_EQ(ChooseSystemList(32, {16, 32, 48}), 1);
  EXPECT_EQ(ChooseSystemList(40, {48, 16, 32}), 0);
  EXPECT_EQ(ChooseSystemList(64, {16, 48, 32}), 1);
  EXPECT_EQ(ChooseSystemList(16, {0, 32, 16}), 2);
  EXPECT_EQ(ChooseSystemList(24, {0, 0}), -1) << "lists the shell did not give";
  EXPECT_EQ(ChooseSystemList(24, {}), -1);
}

TEST(SystemImageList, AnOwnIconWinsWhereItLoadsElseThePathsAndALinkHasItsHandlersIcon) {
  tfakeshellimages shell;
  shell.Existing = {"C:\\Icons\\pen.ico", "C:\\Apps\\chat.exe", "C:\\Apps\\web.dll"};
  shell.Icons = {{"C:\\Icons\\pen.ico,2", 21}, {"C:\\Apps\\web.dll,-5", 22}};
  using zv::FileIconIndexOf;
  using zv::IconSourceText;
  EXPECT_EQ(FileIconIndexOf(shell, IconSourceText("\"C:\\Icons\\pen.ico\", 2", "C:\\tool.exe")), 21);
  EXPECT_TRUE(shell.Lookups.empty());
  // Missing, holding no such icon, or no location at all: the path's icon.
  for (const char* icon : {"C:\\Icons\\gone.ico,0", "C:\\Icons\\pen.ico,9", " , ", "C:\\a\x01b,1"}) {
    shell.Lookups.clear();
    EXPECT_EQ(FileIconIndexOf(shell, IconSourceText(icon, "C:\\tool.exe")), 7) << icon;
    ASSERT_EQ(shell.Lookups.size(), 1u) << icon;
    EXPECT_EQ(shell.Lookups[0].first, "C:\\tool.exe");
  }
  // A group's: its folder.
  EXPECT_EQ(FileIconIndexOf(shell, IconSourceText("C:\\Icons\\gone.ico", "")), 3);

  // A link: the icon its scheme registers, else its handler's program's,
  // else the program's own link icon; never a file lookup of the URL.
  shell.Lookups.clear();
  shell.DefaultIcon = "\"C:\\Apps\\web.dll\",-5";
  EXPECT_EQ(FileIconIndexOf(shell, "zvchat:room/7"), 22);
  EXPECT_EQ(shell.Schemes, std::vector<std::string>{"zvchat"});
  shell.DefaultIcon = "%1";
  shell.Command = "\"C:\\Apps\\chat.exe\" --open \"%1\"";
  EXPECT_EQ(FileIconIndexOf(shell, "zvchat:room/7"), 7);
  ASSERT_EQ(shell.Lookups.size(), 1u);
  EXPECT_EQ(shell.Lookups[0].first, "C:\\Apps\\chat.exe");
  shell.Command = "C:\\Apps\\gone.exe %1";
  EXPECT_EQ(FileIconIndexOf(shell, "https://example.org/"), 30);
  // A drive path is no link.
  shell.Lookups.clear();
  FileIconIndexOf(shell, "C:\\Apps\\chat.exe");
  EXPECT_EQ(shell.Lookups.size(), 1u);
}
