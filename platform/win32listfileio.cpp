#include <windows.h>

#include "model/listfileio.h"
#include "platform/win32text.h"

namespace zv {

namespace {

struct filehandle {
  explicit filehandle(HANDLE h) : Handle(h) {}
  ~filehandle() {
    if (Handle != INVALID_HANDLE_VALUE) CloseHandle(Handle);
  }
  filehandle(const filehandle&) = delete;
  filehandle& operator=(const filehandle&) = delete;
  bool Close() {
    HANDLE h = Handle;
    Handle = INVALID_HANDLE_VALUE;
    return h != INVALID_HANDLE_VALUE && CloseHandle(h);
  }
  HANDLE Handle;
};

// Paths in the process code page, handed to the W calls: the A calls of
// some systems cut or refuse a UTF-8 path longer than MAX_PATH bytes.
class twin32fileio : public tlistfileio {
 public:
  treadstatus ReadAll(const std::string& path, std::size_t limit, std::string& data) override {
    data.clear();
    filehandle f(CreateFileW(WideFromProcess(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (f.Handle == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      return (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
                 ? treadstatus::Missing
                 : treadstatus::Failed;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(f.Handle, &size)) return treadstatus::Failed;
    if (static_cast<unsigned long long>(size.QuadPart) > limit) return treadstatus::TooLarge;
    data.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < data.size()) {
      DWORD got = 0;
      const DWORD want = static_cast<DWORD>(data.size() - done > 1u << 20 ? 1u << 20 : data.size() - done);
      if (!ReadFile(f.Handle, &data[done], want, &got, nullptr)) {
        data.clear();
        return treadstatus::Failed;
      }
      if (got == 0) break;  // it shrank meanwhile
      done += got;
    }
    data.resize(done);
    return treadstatus::Ok;
  }

  bool WriteAll(const std::string& path, const std::string& data) override {
    filehandle f(CreateFileW(WideFromProcess(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (f.Handle == INVALID_HANDLE_VALUE) return false;
    std::size_t done = 0;
    while (done < data.size()) {
      DWORD wrote = 0;
      const DWORD want = static_cast<DWORD>(data.size() - done > 1u << 20 ? 1u << 20 : data.size() - done);
      if (!WriteFile(f.Handle, data.data() + done, want, &wrote, nullptr) || wrote == 0) return false;
      done += wrote;
    }
    // On the disk before it takes the old file's place.
    if (!FlushFileBuffers(f.Handle)) return false;
    return f.Close();
  }

  bool Replace(const std::string& from, const std::string& to) override {
    // A read-only list file stays as it is, also where the system would
    // move over it.
    const DWORD attributes = GetFileAttributesW(WideFromProcess(to).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    return MoveFileExW(WideFromProcess(from).c_str(), WideFromProcess(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }

  bool Remove(const std::string& path) override { return DeleteFileW(WideFromProcess(path).c_str()) != 0; }
};

}  // namespace

tlistfileio& DefaultListFileIo() {
  static twin32fileio io;
  return io;
}

}  // namespace zv
