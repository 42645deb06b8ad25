#pragma once
// Icon lookups off the user-interface thread: paths whose index is not
// cached yet are queued, and one worker thread asks the shell for them in
// the order they came, stores each answer in the cache and reports that new
// indexes are there. The worker starts only when told, so start-up never
// waits for the shell.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "components/iconindexcache.h"

namespace zv {

class ticonlookupqueue {
 public:
  // Runs on the worker: the slow lookup itself. It must not depend on
  // anything that ends before the program does (see the destructor).
  using tsource = std::function<std::int32_t(const std::string& path)>;
  // Runs on the worker after answers were stored. It is not called again
  // until Delivered() has been called, so a posted message is never doubled.
  using tnotify = std::function<void()>;
  // Runs on the worker before its first and after its last lookup (COM).
  using tthreadhook = std::function<void(bool starting)>;

  // The cache must outlive the worker (ProcessIconCache does).
  ticonlookupqueue(ticonindexcache& cache, tsource source, tnotify notify, tthreadhook hook = {});
  // The worker stops after its current lookup. One that does not come back
  // from the shell in time (a path on a server that does not answer) is
  // left to end with the process, so the program never hangs on its way out.
  ~ticonlookupqueue();
  ticonlookupqueue(const ticonlookupqueue&) = delete;
  ticonlookupqueue& operator=(const ticonlookupqueue&) = delete;

  // The cached index of path; unknown ones are queued once.
  std::int32_t IndexOrQueue(const std::string& path);
  void Start();
  bool Started() const;
  // The receiver of the report has taken the answers so far.
  void Delivered();
  // No lookup waiting or running.
  bool Idle() const;
  // Blocks until Idle.
  void WaitIdle() const;

 private:
  struct tstate;
  static void Work(std::shared_ptr<tstate> state);
  std::shared_ptr<tstate> state_;
  std::thread worker_;
};

}  // namespace zv
