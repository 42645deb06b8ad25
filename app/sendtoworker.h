#pragma once
// Send To rebuilds off the user-interface thread. Each request carries its
// own copy of the list and the settings; one worker carries them out in the
// order asked, and of several waiting only the newest, whose links are the
// ones wanted. The worker starts only when told, so start-up never waits
// for the links.
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

  tsendtoworker(trebuild rebuild, treport report, tthreadhook hook = {});
  // Carries out what was asked for before it ends (starting the worker if
  // need be), so the links are whole when the program has ended, as they
  // were when they were made during start-up.
  ~tsendtoworker();
  tsendtoworker(const tsendtoworker&) = delete;
  tsendtoworker& operator=(const tsendtoworker&) = delete;

  void Request(const tzvshortcutlist& list, const tsettings& settings);
  void Start();
  // Blocks until no rebuild waits or runs; starts the worker first if it
  // has not been started, so a caller never waits for nothing.
  void WaitIdle();
  bool Idle() const;

 private:
  struct tstate;
  static void Work(std::shared_ptr<tstate> state);
  std::shared_ptr<tstate> state_;
  std::thread worker_;
};

}  // namespace zv
