#pragma once
// The shell's system image lists as TdfsSystemImageList sees them. The real
// lists belong to the shell: nobody here ever destroys them.
#include <string>

namespace zv {

enum TImageSize : int { isLarge = 0, isSmall = 1 };

// SHGetFileInfoA flags, valued as the system values them.
enum : unsigned {
  shgfiSmallIcon = 0x0001,
  shgfiUseFileAttributes = 0x0010,
  shgfiSysIconIndex = 0x4000,
};

// Image list drawing styles.
enum : unsigned { ildNormal = 0x0, ildTransparent = 0x1 };

class tshellimages {
 public:
  virtual ~tshellimages() = default;
  // The handle (HIMAGELIST) of the system list of that size; null on failure.
  virtual void* SystemList(TImageSize size) = 0;
  // The shell's extra-large list (48 pixels at 96 DPI), whose indexes are
  // the same; null where the shell has none.
  virtual void* ExtraLargeList() = 0;
  // The system's small or large icon size for a DPI.
  virtual int IconSizeForDpi(TImageSize size, int dpi) = 0;
  virtual bool ImageSizeOf(void* list, int& width, int& height) = 0;
  virtual int ImageCount(void* list) = 0;
  // An existing file or folder.
  virtual bool PathExists(const std::string& path) = 0;
  // SHGetFileInfoA on path with file attributes 0; false when the shell
  // refuses, and then index is untouched.
  virtual bool IconIndex(const std::string& path, unsigned flags, int& index) = 0;
  // The system list's index of an icon in a file, loaded into the lists
  // (Shell_GetCachedImageIndex); false when the file holds no such icon.
  virtual bool CachedIconIndex(const std::string& /*file*/, int /*index*/, int& /*out*/) { return false; }
  // What HKEY_CLASSES_ROOT registers for a URL scheme: the default values of
  // its DefaultIcon and shell\open\command keys, expanded; empty where none.
  virtual void SchemeHandler(const std::string& /*scheme*/, std::string& defaultIcon, std::string& command) {
    defaultIcon.clear();
    command.clear();
  }
  // The index of the program's own link icon; -1 when the shell refuses.
  virtual int LinkIconIndex() { return -1; }
  // The index of the shell's plain folder icon; -1 when it refuses.
  virtual int FolderIconIndex() { return -1; }
  // Draws image index of list on a device context (HDC).
  virtual bool Draw(void* list, int index, void* dc, int x, int y, unsigned style) = 0;
  // The same, shrunk or grown to size x size pixels.
  virtual bool DrawSized(void* list, int index, void* dc, int x, int y, int size,
                         unsigned style) = 0;
  // A new icon (HICON) the caller destroys; null on failure.
  virtual void* GetIcon(void* list, int index, unsigned style) = 0;
};

// The real shell; Win32 builds only.
class twin32shellimages : public tshellimages {
 public:
  void* SystemList(TImageSize size) override;
  void* ExtraLargeList() override;
  int IconSizeForDpi(TImageSize size, int dpi) override;
  bool ImageSizeOf(void* list, int& width, int& height) override;
  int ImageCount(void* list) override;
  bool PathExists(const std::string& path) override;
  bool IconIndex(const std::string& path, unsigned flags, int& index) override;
  bool Draw(void* list, int index, void* dc, int x, int y, unsigned style) override;
  bool DrawSized(void* list, int index, void* dc, int x, int y, int size, unsigned style) override;
  void* GetIcon(void* list, int index, unsigned style) override;
  bool CachedIconIndex(const std::string& file, int index, int& out) override;
  void SchemeHandler(const std::string& scheme, std::string& defaultIcon, std::string& command) override;
  int LinkIconIndex() override;
  int FolderIconIndex() override;
};

twin32shellimages& ProcessShellImages();

}  // namespace zv
