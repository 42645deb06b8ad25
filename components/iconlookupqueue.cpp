#include "components/iconlookupqueue.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <unordered_set>

namespace zv {

// Shared with the worker, so a worker left behind never touches freed memory.
struct ticonlookupqueue::tstate {
  tstate(ticonindexcache& c, tsource s, tnotify n, tthreadhook h)
      : cache(c), source(std::move(s)), notify(std::move(n)), hook(std::move(h)) {}
  ticonindexcache& cache;
  tsource source;
  tnotify notify;
  tthreadhook hook;
  mutable std::mutex lock;
  mutable std::condition_variable changed;
  std::deque<std::string> waiting;
  std::unordered_set<std::string> queued;
  bool busy = false;
  bool stop = false;
  bool ended = false;
  std::atomic<bool> started{false};
  std::atomic<bool> notified{false};
};

namespace {

// How long the end of the program waits for a lookup in progress.
constexpr std::chrono::milliseconds WorkerEndWait{1000};

}  // namespace

ticonlookupqueue::ticonlookupqueue(ticonindexcache& cache, tsource source, tnotify notify,
                                   tthreadhook hook)
    : state_(std::make_shared<tstate>(cache, std::move(source), std::move(notify), std::move(hook))) {}

ticonlookupqueue::~ticonlookupqueue() {
  bool ended = true;
  {
    std::unique_lock<std::mutex> hold(state_->lock);
    state_->stop = true;
    state_->changed.notify_all();
    if (worker_.joinable())
      ended = state_->changed.wait_for(hold, WorkerEndWait, [this] { return state_->ended; });
  }
  if (!worker_.joinable()) return;
  if (ended)
    worker_.join();
  else
    worker_.detach();
}

std::int32_t ticonlookupqueue::IndexOrQueue(const std::string& path) {
  const std::int32_t index = state_->cache.Find(path);
  if (index != UnknownIconIndex) return index;
  {
    std::lock_guard<std::mutex> hold(state_->lock);
    if (!state_->queued.insert(path).second) return UnknownIconIndex;
    state_->waiting.push_back(path);
  }
  state_->changed.notify_all();
  return UnknownIconIndex;
}

void ticonlookupqueue::Start() {
  if (state_->started.exchange(true)) return;
  worker_ = std::thread(Work, state_);
}

bool ticonlookupqueue::Started() const { return state_->started; }

void ticonlookupqueue::Delivered() { state_->notified = false; }

bool ticonlookupqueue::Idle() const {
  std::lock_guard<std::mutex> hold(state_->lock);
  return state_->waiting.empty() && !state_->busy;
}

void ticonlookupqueue::WaitIdle() const {
  std::unique_lock<std::mutex> hold(state_->lock);
  state_->changed.wait(hold, [this] { return (state_->waiting.empty() && !state_->busy) || state_->stop; });
}

void ticonlookupqueue::Work(std::shared_ptr<tstate> s) {
  if (s->hook) s->hook(true);
  std::unique_lock<std::mutex> hold(s->lock);
  for (;;) {
    s->changed.wait(hold, [&] { return s->stop || !s->waiting.empty(); });
    if (s->stop) break;
    const std::string path = s->waiting.front();
    s->waiting.pop_front();
    s->busy = true;
    hold.unlock();
    const std::int32_t index = s->source ? s->source(path) : 0;
    s->cache.Store(path, index);
    hold.lock();
    s->busy = false;
    s->queued.erase(path);
    // One report for a run of answers: the receiver reads all stored so far.
    if (!s->stop && s->notify && !s->notified.exchange(true)) {
      hold.unlock();
      s->notify();
      hold.lock();
    }
    s->changed.notify_all();
  }
  hold.unlock();
  if (s->hook) s->hook(false);
  hold.lock();
  s->ended = true;
  s->changed.notify_all();
}

}  // namespace zv
