#include "app/sendtocleanup.h"

#include "app/sendto.h"

namespace zv {

namespace {

void RemoveLink(tfilesystem& files, const std::string& path, std::uint32_t attributes) {
  if (attributes & faReadOnly) files.SetAttributes(path, attributes & ~faReadOnly);
  files.RemoveFile(path);
}

// The own links directly in root + at that keep lets go; true when one went.
bool RemoveLinksIn(tfilesystem& files, const std::string& root, const std::string& at,
                   const tkeepsendtolink& keep) {
  bool removed = false;
  for (const tfileentry& entry : files.ListFiles(root + at)) {
    const std::string path = root + at + entry.Name;
    tshelllinkfile link;
    if (!ReadOwnSendToLink(files, path, link) || keep(at + entry.Name, link, entry.Attributes)) continue;
    RemoveLink(files, path, entry.Attributes);
    removed = true;
  }
  return removed;
}

// As RemoveOwnSendToLinks below root + at; true when anything went.
bool Sweep(tfilesystem& files, const std::string& root, const std::string& at,
           const tkeepsendtolink& keep) {
  bool removed = false;
  for (const tfileentry& sub : files.ListFolders(root + at)) {
    // A junction may lead out of the Send To folder.
    if (sub.Attributes & faReparsePoint) continue;
    const std::string inner = at + sub.Name + "\\";
    if (Sweep(files, root, inner, keep) && files.RemoveFolder(root + inner)) removed = true;
  }
  return RemoveLinksIn(files, root, at, keep) || removed;
}

}  // namespace

void RemoveOwnSendToLinks(tfilesystem& files, const std::string& folder, const tkeepsendtolink& keep) {
  Sweep(files, folder, "", keep);
}

}  // namespace zv
