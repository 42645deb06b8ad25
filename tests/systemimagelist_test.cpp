// The system image list over a fake shell: which list is attached and how
// an index is asked for.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "components/systemimagelist.h"

namespace {

class tfakeshellimages : public zv::tshellimages {
 public:
  void* SystemList(zv::TImageSize size) override {
    Attached.push_back(size);
    return size == zv::isLarge ? &large : &small;
  }
  bool ImageSizeOf(void* list, int& w, int& h) override {
    w = h = list == &large ? 32 : 16;
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
  bool Draw(void*, int, void*, int, int, unsigned) override { return true; }
  void* GetIcon(void*, int, unsigned) override { return nullptr; }

  int large = 0, small = 0;
  std::vector<zv::TImageSize> Attached;
  std::set<std::string> Existing;
  std::vector<std::pair<std::string, unsigned>> Lookups;
  bool Refuse = false;
  int Index = 7;
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
