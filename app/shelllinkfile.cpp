#include "app/shelllinkfile.h"

#include <string_view>

namespace zv {

namespace {

// HeaderSize 0x4C followed by CLSID_ShellLink in its stored byte order.
const unsigned char LinkHeader[20] = {0x4C, 0, 0, 0, 0x01, 0x14, 0x02, 0, 0, 0, 0, 0,
                                      0xC0, 0, 0, 0, 0, 0, 0, 0x46};

enum : std::uint32_t {
  lfHasIdList = 0x01,
  lfHasLinkInfo = 0x02,
  lfHasName = 0x04,
  lfHasRelativePath = 0x08,
  lfHasWorkingDir = 0x10,
  lfHasArguments = 0x20,
  lfHasIconLocation = 0x40,
  lfIsUnicode = 0x80,
};

class reader {
 public:
  explicit reader(const std::string& b) : bytes_(b) {}
  bool Skip(std::size_t n) {
    if (bytes_.size() - pos_ < n) return false;
    pos_ += n;
    return true;
  }
  std::size_t Position() const { return pos_; }
  bool Number(std::size_t width, std::uint32_t& out) {
    if (bytes_.size() - pos_ < width) return false;
    out = 0;
    for (std::size_t i = 0; i < width; ++i)
      out |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
    pos_ += width;
    return true;
  }
  bool Text(bool unicode, std::string& out, bool& nonAscii) {
    std::uint32_t count = 0;
    if (!Number(2, count)) return false;
    out.clear();
    for (std::uint32_t i = 0; i < count; ++i) {
      std::uint32_t c = 0;
      if (!Number(unicode ? 2 : 1, c)) return false;
      if (c >= 0x80) nonAscii = true;
      out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    // Some writers count the terminating zero as well.
    while (!out.empty() && out.back() == '\0') out.pop_back();
    return true;
  }

 private:
  const std::string& bytes_;
  std::size_t pos_ = 0;
};

// A zero-ended text at offset within block; empty when it runs past it.
std::string BlockText(std::string_view block, std::uint32_t offset) {
  if (offset == 0 || offset >= block.size()) return std::string();
  const std::size_t end = block.find('\0', offset);
  if (end == std::string_view::npos) return std::string();
  return std::string(block.substr(offset, end - offset));
}

std::uint32_t BlockNumber(std::string_view block, std::size_t at) {
  if (block.size() < at + 4) return 0;
  std::uint32_t n = 0;
  for (std::size_t i = 0; i < 4; ++i)
    n |= static_cast<std::uint32_t>(static_cast<unsigned char>(block[at + i])) << (8 * i);
  return n;
}

// The location block: with a volume and local base path (flag 1), the
// target is that path followed by the common suffix.
std::string LocalTarget(std::string_view block) {
  enum : std::uint32_t { liVolumeIdAndLocalBasePath = 1 };
  if (block.size() < 0x1C || !(BlockNumber(block, 8) & liVolumeIdAndLocalBasePath)) return std::string();
  const std::string base = BlockText(block, BlockNumber(block, 0x10));
  if (base.empty()) return std::string();
  return base + BlockText(block, BlockNumber(block, 0x18));
}

}  // namespace

bool ReadShellLinkFile(const std::string& bytes, tshelllinkfile& link) {
  if (bytes.size() < 0x4C) return false;
  for (std::size_t i = 0; i < sizeof(LinkHeader); ++i)
    if (static_cast<unsigned char>(bytes[i]) != LinkHeader[i]) return false;
  reader r(bytes);
  std::uint32_t flags = 0, size = 0, iconIndex = 0;
  if (!r.Skip(0x14) || !r.Number(4, flags) || !r.Skip(0x38 - 0x18) || !r.Number(4, iconIndex) ||
      !r.Number(4, link.ShowCommand) || !r.Skip(0x4C - 0x40))
    return false;
  if (flags & lfHasIdList) {
    if (!r.Number(2, size) || !r.Skip(size)) return false;
  }
  if (flags & lfHasLinkInfo) {
    // The size counts its own four bytes.
    const std::size_t start = r.Position();
    if (!r.Number(4, size) || size < 4 || !r.Skip(size - 4)) return false;
    link.TargetPath = LocalTarget(std::string_view(bytes).substr(start, size));
  }
  const bool unicode = (flags & lfIsUnicode) != 0;
  bool& n = link.NonAscii;
  if ((flags & lfHasName) && !r.Text(unicode, link.Description, n)) return false;
  if ((flags & lfHasRelativePath) && !r.Text(unicode, link.RelativePath, n)) return false;
  if ((flags & lfHasWorkingDir) && !r.Text(unicode, link.WorkingDirectory, n)) return false;
  if ((flags & lfHasArguments) && !r.Text(unicode, link.Arguments, n)) return false;
  if ((flags & lfHasIconLocation) && !r.Text(unicode, link.IconLocation, n)) return false;
  link.IconIndex = static_cast<std::int32_t>(iconIndex);
  return true;
}

}  // namespace zv
