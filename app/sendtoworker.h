#pragma once
// Send To rebuilds off the user-interface thread. Each request carries its
// own copy of the list and the settings; one worker carries them out in the
// order asked, and of several waiting only the newest, whose links are the
// ones wanted. The worker starts only when told, so start-up never waits
// for the links.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "app/sendto.h"

namespace zv {

class tsendtoworker {
 public:
  // The rebuild itself, run on the worker.
  using trebuild = std::function<tsendtooutcome(const tzvshortcutlist& list, const tsettings& settings)>;
  // Runs on the worker after each rebuild with its outcome.
  using treport = std::function<void(tsendtooutcome)>;
  // Runs on the worker before its first and after its last rebuild (COM).
  using tthreadhook = std::function<void(bool starting)>;

  // How long the end waits for a rebuild; one stuck on a target that does
  // not answer (a network path) must not hold the program's exit.
  static constexpr std::chrono::milliseconds EndBound{5000};

  tsendtoworker(trebuild rebuild, treport report, tthreadhook hook = {},
                std::chrono::milliseconds endBound = EndBound);
  // Carries out what was asked for before it ends (starting the worker if
  // need be), so the links are whole when the program has ended, as they
  // were when they were made during start-up; but waits no longer than the
  // end bound. A rebuild still running then is left to itself and reports
  // nothing more.
  ~tsendtoworker();
  tsendtoworker(const tsendtoworker&) = delete;
  tsendtoworker& operator=(const tsendtoworker&) = delete;

  void Request(const tzvshortcutlist& list, const tsettings& settings);
  void Start();
  // Blocks until no rebuild waits or runs; starts the worker first if it
  // has not been started, so a caller never waits for nothing.
  void WaitIdle();
  // As WaitIdle, for at most the end bound (the session ends); true when idle.
  bool Finish();
  bool Idle() const;
  // Some worker was left running at its end: the process should end at
  // once rather than run its clean-up beside it.
  static bool AnyLeftRunning();

 private:
  struct tstate;
  static void Work(std::shared_ptr<tstate> state);
  std::shared_ptr<tstate> state_;
  std::chrono::milliseconds endBound_;
  std::thread worker_;
};

}  // namespace zv
