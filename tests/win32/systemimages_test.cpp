// The shell's real system image lists under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include "components/systemimagelist.h"
#include "tempfolder.h"

TEST(Win32SystemImageList, SizesFollowTheShellsTwoLists) {
  zv::TdfsSystemImageList il(zv::ProcessShellImages());
  ASSERT_NE(il.Handle(), nullptr);
  EXPECT_EQ(il.Width(), GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(il.Height(), GetSystemMetrics(SM_CYICON));
  EXPECT_GT(il.Count(), 0);
  void* large = il.Handle();
  il.SetImageSize(zv::isSmall);
  EXPECT_NE(il.Handle(), large);
  EXPECT_EQ(il.Width(), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(il.Height(), GetSystemMetrics(SM_CYSMICON));
  il.SetImageSize(zv::isLarge);
  EXPECT_EQ(il.Handle(), large);
  EXPECT_EQ(il.Width(), GetSystemMetrics(SM_CXICON));
}

TEST(Win32SystemImageList, IndexIsTheSameForBothSizesAndForDeletedDocuments) {
  ttempfolder work("zv icons");
  const std::string doc = work.Path + "letter.txt";
  HANDLE f = CreateFileA(doc.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  CloseHandle(f);
  zv::TdfsSystemImageList il(zv::ProcessShellImages());
  const int existing = il.GetFileIconIndex(doc);
  const int folderIcon = il.GetFileIconIndex(work.Bare());
  il.SetImageSize(zv::isSmall);
  EXPECT_EQ(il.GetFileIconIndex(doc), existing);
  EXPECT_EQ(il.GetFileIconIndex(work.Bare()), folderIcon);
  DeleteFileA(doc.c_str());
  EXPECT_EQ(il.GetFileIconIndex(doc), existing) << "a deleted document keeps its type's icon";
  EXPECT_EQ(il.GetFileIconIndex("Q:\\nowhere\\other.txt"), existing);
  EXPECT_GE(il.GetFileIconIndex(""), 0);
  EXPECT_LT(existing, il.Count());
  HICON icon = static_cast<HICON>(il.GetIcon(existing));
  EXPECT_NE(icon, nullptr);
  if (icon) DestroyIcon(icon);
}
