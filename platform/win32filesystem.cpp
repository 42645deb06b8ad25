#include "platform/win32filesystem.h"

#include <windows.h>

#include "platform/win32text.h"

// Paths go to the W calls: the A calls of some systems cut or refuse a
// UTF-8 path longer than MAX_PATH bytes.

namespace zv {

twin32filesystem& ProcessFileSystem() {
  static twin32filesystem files;
  return files;
}

bool twin32filesystem::FileExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD a = GetFileAttributesW(WideFromProcess(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool twin32filesystem::DirectoryExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD a = GetFileAttributesW(WideFromProcess(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

// The files or the folders directly in folder.
std::vector<tfileentry> ListEntries(const std::string& folder, bool folders) {
  std::vector<tfileentry> out;
  // The W form: the A form's name field holds MAX_PATH bytes, which a name
  // in UTF-8 may outgrow. A name the process code page cannot hold could
  // not be reached by the other calls either and is left out.
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(WideFromProcess(folder + "*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return out;
  do {
    const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool dots = data.cFileName[0] == L'.' &&
                      (data.cFileName[1] == 0 || (data.cFileName[1] == L'.' && data.cFileName[2] == 0));
    std::string name;
    if (isFolder == folders && !dots && ProcessFromWide(data.cFileName, name))
      out.push_back({name, data.dwFileAttributes});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return out;
}

}  // namespace

std::vector<tfileentry> twin32filesystem::ListFiles(const std::string& folder) {
  return ListEntries(folder, false);
}

std::vector<tfileentry> twin32filesystem::ListFolders(const std::string& folder) {
  return ListEntries(folder, true);
}

std::string twin32filesystem::ReadFileStart(const std::string& path, std::size_t maxBytes) {
  HANDLE file = CreateFileW(WideFromProcess(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes(maxBytes, '\0');
  DWORD got = 0;
  if (!ReadFile(file, bytes.data(), static_cast<DWORD>(maxBytes), &got, nullptr)) got = 0;
  CloseHandle(file);
  bytes.resize(got);
  return bytes;
}

bool twin32filesystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  return SetFileAttributesW(WideFromProcess(path).c_str(), attributes) != 0;
}

bool twin32filesystem::RemoveFile(const std::string& path) {
  return DeleteFileW(WideFromProcess(path).c_str()) != 0;
}

bool twin32filesystem::RemoveFolder(const std::string& path) {
  return RemoveDirectoryW(WideFromProcess(path).c_str()) != 0;
}

bool twin32filesystem::CreateFolders(const std::string& path) {
  if (DirectoryExists(path)) return true;
  std::string folder = path;
  while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  if (folder.empty() || (folder.size() == 2 && folder[1] == ':')) return false;
  const size_t cut = folder.find_last_of("\\/");
  if (cut != std::string::npos && cut > 0 && !DirectoryExists(folder.substr(0, cut + 1))) {
    // A UNC share or drive root that is missing ends the climb there.
    if (!CreateFolders(folder.substr(0, cut))) return false;
  }
  return CreateDirectoryW(WideFromProcess(folder).c_str(), nullptr) != 0 || DirectoryExists(folder);
}

}  // namespace zv
