// The real Win32 backends with names in any script. With the UTF-8 process
// code page (the test program built with the program's manifest) every
// character is kept; without it (as on Windows before 1903) a name the ANSI
// code page cannot hold is refused, never passed on with stand-ins.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "list_helpers.h"
#include "listfile_helpers.h"
#include "core/codepage.h"
#include "model/listprogress.h"
#include "model/tzvshortcutlist.h"
#include "platform/win32environment.h"
#include "platform/win32filesystem.h"
#include "platform/win32folderbrowser.h"
#include "platform/win32keynames.h"
#include "platform/win32registry.h"
#include "platform/win32shell.h"
#include "platform/win32text.h"
#include "tempfolder.h"

using namespace zv;

namespace {

const std::wstring DataW = L"\x0414\x0430\x043D\x043D\x044B\x0435";  // Данные
const std::wstring OmegaW = L"\x03A9\x03BC\x03AD\x03B3\x03B1";        // Ωμέγα
const std::wstring PrivetW = L"\x041F\x0440\x0438\x0432\x0435\x0442"; // Привет
const std::wstring NihonW = L"\x65E5\x672C";                          // 日本

std::string U8(const std::wstring& w) {
  std::string out;
  for (wchar_t c : w) AppendUtf8(out, static_cast<char32_t>(c));
  return out;
}

bool Utf8Process() { return GetACP() == CP_UTF8; }

#define REQUIRE_UTF8_PROCESS() \
  if (!Utf8Process()) GTEST_SKIP() << "needs the UTF-8 process code page"

std::wstring RegReadW(const std::wstring& key, const wchar_t* name) {
  HKEY k;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return L"<no key>";
  DWORD type = 0, size = 0;
  RegQueryValueExW(k, name, nullptr, &type, nullptr, &size);
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  RegQueryValueExW(k, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size);
  RegCloseKey(k);
  value.resize(wcslen(value.c_str()));
  return type == REG_SZ ? value : L"<not a string>";
}

}  // namespace

TEST(UnicodePlatform, TheProcessCodePageIsTheSystemsOwn) {
  EXPECT_EQ(DefaultProcessCodePage().IsUtf8(), Utf8Process());
  std::string out;
  if (Utf8Process()) {
    EXPECT_EQ(ProgramText("\xC2g"), "\xC3\x82g");
    EXPECT_TRUE(ProcessFromWide(DataW + NihonW, out));
    EXPECT_EQ(out, U8(DataW + NihonW));
    EXPECT_EQ(WideFromProcess(out), DataW + NihonW);
    EXPECT_FALSE(ProcessFromWide(std::wstring(1, L'\xD800'), out));  // unpaired surrogate
  } else {
    EXPECT_EQ(ProgramText("\xC2g"), "\xC2g");
    EXPECT_FALSE(ProcessFromWide(DataW, out));  // no stand-ins for another file's name
    EXPECT_TRUE(ProcessFromWide(L"\x00DC" L"bersicht", out));
    EXPECT_EQ(out, "\xDC" "bersicht");
  }
}

TEST(UnicodePlatform, TheRegistryKeepsEveryCharacterAndReadsEarlierValues) {
  REQUIRE_UTF8_PROCESS();
  const std::string key = "\\Software\\Halvorix\\ZorvaneUnicodeTest";
  const std::wstring keyW = L"Software\\Halvorix\\ZorvaneUnicodeTest";
  tzvshortcutlist list;
  auto app = MakeShortcut(stApplication, "app", U8(L"C:\\" + DataW + L"\\" + OmegaW + L"\\app.exe"));
  app->WorkingDir = U8(L"C:\\" + DataW + L"\\" + OmegaW);
  std::wstring longW;
  for (int i = 0; i < 3000; ++i) longW += NihonW;  // beyond every first-guess buffer
  app->Parameters = U8(longW);
  Append(list, std::move(app));
  Append(list, MakeShortcut(stFolder, U8(PrivetW), U8(L"C:\\" + DataW)));
  twin32registry& registry = ProcessRegistry();
  ASSERT_TRUE(list.SaveToRegistry(registry, key));
  // Saved twice: the second save moves the staged copy over the first.
  ASSERT_TRUE(list.SaveToRegistry(registry, key));
  EXPECT_EQ(RegReadW(keyW + L"\\Item0", L"Path"), L"C:\\" + DataW + L"\\" + OmegaW + L"\\app.exe");
  EXPECT_EQ(RegReadW(keyW + L"\\Item0", L"Parameters"), longW);
  EXPECT_EQ(RegReadW(keyW + L"\\Item1", L"Caption"), PrivetW);
  tzvshortcutlist back;
  ASSERT_TRUE(back.LoadFromRegistry(registry, key));
  EXPECT_EQ(Describe(back), Describe(list));

  // A value an earlier version wrote in Windows-1252 is UTF-16 inside, and
  // reads back with its letters.
  HKEY k;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, (keyW + L"\\Item1").c_str(), 0, KEY_SET_VALUE, &k), ERROR_SUCCESS);
  const std::wstring earlier = L"\x00DC" L"bersicht";
  RegSetValueExW(k, L"Caption", 0, REG_SZ, reinterpret_cast<const BYTE*>(earlier.c_str()),
                 static_cast<DWORD>((earlier.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(k);
  tzvshortcutlist again;
  ASSERT_TRUE(again.LoadFromRegistry(registry, key));
  EXPECT_EQ(again.GetItem(1)->Caption, "\xC3\x9C" "bersicht");
  registry.DeleteKey(key);
}

TEST(UnicodePlatform, ListFilesUnderUtf8NamesReadBackThroughTheSystem) {
  REQUIRE_UTF8_PROCESS();
  ttempfolder dir("zv-unicode");
  const std::string folder = dir.Path + U8(DataW);
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  const std::string file = folder + "\\" + U8(OmegaW) + ".shl";
  tzvshortcutlist list;
  Append(list, MakeShortcut(stApplication, "app", U8(L"C:\\" + DataW + L"\\" + OmegaW + L"\\app.exe")));
  Append(list, MakeShortcut(stFile, U8(PrivetW), "C:\\x.txt"));
  tnullprogress progress;
  ASSERT_TRUE(list.ExportToFile(file, progress));
  EXPECT_NE(GetFileAttributesW(WideFromProcess(file).c_str()), INVALID_FILE_ATTRIBUTES);
  // In this process the system's INI functions read the UTF-8 file as it is.
  char value[4096] = {};
  GetPrivateProfileStringA("Root", "Encoding", "", value, sizeof value, file.c_str());
  EXPECT_STREQ(value, "UTF-8");
  GetPrivateProfileStringA("Item0", "Path", "", value, sizeof value, file.c_str());
  EXPECT_EQ(std::string(value), list.GetItem(0)->Path);
  GetPrivateProfileStringA("Item1", "Caption", "", value, sizeof value, file.c_str());
  EXPECT_EQ(std::string(value), U8(PrivetW));
  tzvshortcutlist back;
  ASSERT_TRUE(back.ImportFromFile(file, progress));
  EXPECT_EQ(Describe(back), Describe(list));
  DeleteFileA(file.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(UnicodePlatform, LinksFilesAndWindowTextsKeepLongNames) {
  REQUIRE_UTF8_PROCESS();
  ttempfolder dir("zv-unicode-links");
  tshelllink link;
  link.Path = U8(L"C:\\" + DataW + L"\\" + OmegaW + L"\\app.exe");
  link.WorkingDirectory = U8(L"C:\\" + DataW);
  EXPECT_EQ(ProcessShell().SaveLink(link, dir.Path + U8(PrivetW) + ".lnk"), tlinksave::Saved);
  // 80 CJK characters: 240 bytes in UTF-8, which with the folder passes
  // MAX_PATH bytes (a file system's own limit is 255 bytes a name).
  std::wstring longName;
  for (int i = 0; i < 40; ++i) longName += NihonW;
  EXPECT_EQ(ProcessShell().SaveLink(link, dir.Path + U8(longName) + ".lnk"), tlinksave::Saved);
  std::vector<std::string> names;
  for (const auto& e : ProcessFileSystem().ListFiles(dir.Path)) names.push_back(e.Name);
  std::sort(names.begin(), names.end());
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0], U8(PrivetW) + ".lnk");
  EXPECT_EQ(names[1], U8(longName) + ".lnk");
  EXPECT_NE(GetFileAttributesW((WideFromProcess(dir.Path) + PrivetW + L".lnk").c_str()), INVALID_FILE_ATTRIBUTES);
  // The target as the link keeps it, read in UTF-16.
  CoInitialize(nullptr);
  IShellLinkW* read = nullptr;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                         reinterpret_cast<void**>(&read))));
  IPersistFile* pf = nullptr;
  ASSERT_TRUE(SUCCEEDED(read->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pf))));
  ASSERT_TRUE(SUCCEEDED(pf->Load((WideFromProcess(dir.Path) + PrivetW + L".lnk").c_str(), STGM_READ)));
  wchar_t target[MAX_PATH] = {};
  read->GetPath(target, MAX_PATH, nullptr, 0);
  EXPECT_EQ(std::wstring(target), L"C:\\" + DataW + L"\\" + OmegaW + L"\\app.exe");
  pf->Release();
  read->Release();
  CoUninitialize();
  for (const std::string& name : names) DeleteFileA((dir.Path + name).c_str());

  // A window text of 2,000 Cyrillic letters: 4,000 bytes, read whole.
  std::wstring text;
  for (int i = 0; i < 333; ++i) text += PrivetW;
  HWND w = CreateWindowExW(0, L"STATIC", text.c_str(), 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(WindowText(w), U8(text));
  DestroyWindow(w);
}

TEST(UnicodePlatform, EnvironmentValuesAndKeyNamesComeWhole) {
  REQUIRE_UTF8_PROCESS();
  std::wstring value = L"C:\\" + DataW;
  for (int i = 0; i < 100; ++i) value += L"\\" + OmegaW;  // 1,100 bytes in UTF-8
  SetEnvironmentVariableW(L"ZV_UNICODE_TEST", value.c_str());
  EXPECT_EQ(ProcessEnvironment().Expand("%ZV_UNICODE_TEST%\\app.exe"), U8(value) + "\\app.exe");
  SetEnvironmentVariableW(L"ZV_UNICODE_TEST", nullptr);
  // The keyboard layout's names arrive as well-formed UTF-8.
  for (int vk = 1; vk < 256; ++vk) EXPECT_TRUE(IsValidUtf8(Win32KeyNames().KeyName(static_cast<std::uint8_t>(vk)))) << vk;
}

TEST(UnicodePlatform, WithoutUtf8NamesTheCodePageCannotHoldAreLeftOut) {
  if (Utf8Process()) GTEST_SKIP() << "needs an ANSI process code page";
  ttempfolder dir("zv-ansi");
  // A file the process cannot name is not listed with stand-ins.
  const std::wstring wide = WideFromProcess(dir.Path) + PrivetW + L".lnk";
  HANDLE h = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_TRUE(ProcessFileSystem().ListFiles(dir.Path).empty());
  DeleteFileW(wide.c_str());
  // Nor is a value expanded into one.
  SetEnvironmentVariableW(L"ZV_UNICODE_TEST", (L"C:\\" + DataW).c_str());
  EXPECT_EQ(ProcessEnvironment().Expand("%ZV_UNICODE_TEST%\\app.exe"), "%ZV_UNICODE_TEST%\\app.exe");
  SetEnvironmentVariableW(L"ZV_UNICODE_TEST", nullptr);
}

TEST(UnicodePlatform, TheFolderBrowsersChoiceComesWholeBeyondMaxPath) {
  ttempfolder dir("zv-unicode-folder");
  std::wstring path = WideFromProcess(dir.Path);
  std::vector<std::wstring> made;
  // Five levels of 30 Greek letters: 150 characters, 300 bytes in UTF-8.
  std::wstring level;
  for (int i = 0; i < 6; ++i) level += OmegaW;
  for (int i = 0; i < 5; ++i) {
    path += (i ? L"\\" : L"") + level;
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    made.push_back(path);
  }
  CoInitialize(nullptr);
  PIDLIST_ABSOLUTE list = nullptr;
  ASSERT_TRUE(SUCCEEDED(SHParseDisplayName(path.c_str(), nullptr, &list, 0, nullptr)));
  std::string folder;
  const bool found = FolderOfItemList(list, folder);
  CoTaskMemFree(list);
  CoUninitialize();
  if (Utf8Process()) {
    ASSERT_TRUE(found);
    EXPECT_EQ(folder, U8(path));
    EXPECT_GT(folder.size(), static_cast<size_t>(MAX_PATH));
  } else {
    EXPECT_FALSE(found);  // Greek letters have no place in Windows-1252
  }
  for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW(it->c_str());
}
