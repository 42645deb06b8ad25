#pragma once
// How list files reach the disk. The core decides what is written and when a
// file may be replaced; an implementation only moves bytes.
#include <cstddef>
#include <string>

namespace zv {

enum class treadstatus { Ok, Missing, TooLarge, Failed };

class tlistfileio {
 public:
  virtual ~tlistfileio() = default;
  // The whole file; TooLarge (and nothing read) beyond limit bytes.
  virtual treadstatus ReadAll(const std::string& path, std::size_t limit, std::string& data) = 0;
  // Creates or truncates the file and writes all of data; false when any
  // part of it, closing included, failed.
  virtual bool WriteAll(const std::string& path, const std::string& data) = 0;
  // Puts the file from in the place of to in one step, replacing an existing
  // to; on false to is as it was.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  virtual bool Remove(const std::string& path) = 0;
};

// Standard C streams and rename: right where rename replaces atomically.
class tstdfileio : public tlistfileio {
 public:
  treadstatus ReadAll(const std::string& path, std::size_t limit, std::string& data) override;
  bool WriteAll(const std::string& path, const std::string& data) override;
  bool Replace(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
};

// The platform's own: Windows files in the Win32 build, tstdfileio elsewhere.
tlistfileio& DefaultListFileIo();

// Where a new file is written before it replaces path: beside it, so the
// replacement stays on the same volume.
std::string StagingFileName(const std::string& path);

// Writes data beside path and only when that fully worked puts it in place
// of path; a failure leaves an existing path untouched and no staging file.
bool WriteFileReplacing(tlistfileio& io, const std::string& path, const std::string& data);

}  // namespace zv
