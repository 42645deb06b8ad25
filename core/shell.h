#pragma once
// The Windows shell as launching and the Send To folder use it.
#include <cstdint>
#include <string>

namespace zv {

// The verb that starts a program as administrator, and the error of a
// declined elevation prompt.
inline constexpr const char* RunAsVerb = "runas";
inline constexpr std::uint32_t ErrorCancelled = 1223;

struct tshellrequest {
  std::string Verb;  // empty: the default verb
  std::string File;
  std::string Parameters;  // empty: none
  std::string Directory;   // empty: none
  int ShowCommand = 1;
  // No box of the shell's own on a failure: the caller reports it.
  bool CallerReportsFailure = false;
  // The monitor (an HMONITOR) the started program is asked to open on; 0:
  // where it likes.
  std::uintptr_t Monitor = 0;
};

// What a shell link holds; empty texts and a zero show command are not set.
struct tshelllink {
  std::string Path;
  std::string Arguments;
  std::string WorkingDirectory;
  std::string Description;
  int ShowCommand = 0;
  // The link's own icon; an empty file: the target's.
  std::string IconFile;
  int IconIndex = 0;
};

enum class tlinksave {
  Saved,
  NotSaved,      // the file could not be written, or the name is taken
  ObjectFailed,  // the shell link object or one of its interfaces is missing
};

class tshell {
 public:
  virtual ~tshell() = default;
  // Hands the request to the shell, owned by the desktop window. Answers 0
  // when the shell took it or reported its failure itself, otherwise the
  // system's error code (the "runas" verb, and CallerReportsFailure, leave
  // reporting to the caller).
  virtual std::uint32_t Execute(const tshellrequest& request) = 0;
  // Writes a new link file; an existing file of that name is never replaced
  // (NotSaved).
  virtual tlinksave SaveLink(const tshelllink& link, const std::string& fileName) = 0;
};

}  // namespace zv
