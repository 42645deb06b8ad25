#include "app/sendtoworker.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace zv {

struct tsendtoworker::tstate {
  tstate(trebuild r, treport p, tthreadhook h) : rebuild(std::move(r)), report(std::move(p)), hook(std::move(h)) {}
  trebuild rebuild;
  treport report;
  tthreadhook hook;
  std::mutex lock;
  std::condition_variable changed;
  // The newest request not yet taken.
  std::unique_ptr<tzvshortcutlist> list;
  tsettings settings;
  bool busy = false;
  bool stop = false;  // end once nothing is asked for any more
  bool started = false;
  bool abandoned = false;  // the owner is gone: report nothing, take nothing more
};

namespace {
std::atomic<bool> leftRunning{false};
}

tsendtoworker::tsendtoworker(trebuild rebuild, treport report, tthreadhook hook,
                             std::chrono::milliseconds endBound)
    : state_(std::make_shared<tstate>(std::move(rebuild), std::move(report), std::move(hook))),
      endBound_(endBound) {}

tsendtoworker::~tsendtoworker() {
  {
    std::lock_guard<std::mutex> hold(state_->lock);
    if (!state_->list && !state_->started) return;
    state_->stop = true;
  }
  state_->changed.notify_all();
  if (Finish()) {
    if (worker_.joinable()) worker_.join();
    return;
  }
  {
    std::lock_guard<std::mutex> hold(state_->lock);
    state_->abandoned = true;
    state_->list.reset();
  }
  leftRunning = true;
  // The thread holds the state it works on; nothing of this object.
  if (worker_.joinable()) worker_.detach();
}

bool tsendtoworker::AnyLeftRunning() { return leftRunning; }

void tsendtoworker::Request(const tzvshortcutlist& list, const tsettings& settings) {
  auto copy = std::make_unique<tzvshortcutlist>();
  copy->Assign(list);
  {
    std::lock_guard<std::mutex> hold(state_->lock);
    state_->list = std::move(copy);
    state_->settings = settings;
  }
  state_->changed.notify_all();
}

void tsendtoworker::Start() {
  std::lock_guard<std::mutex> hold(state_->lock);
  if (state_->started) return;
  state_->started = true;
  worker_ = std::thread(Work, state_);
}

bool tsendtoworker::Idle() const {
  std::lock_guard<std::mutex> hold(state_->lock);
  return !state_->list && !state_->busy;
}

void tsendtoworker::WaitIdle() {
  Start();
  std::unique_lock<std::mutex> hold(state_->lock);
  state_->changed.wait(hold, [this] { return !state_->list && !state_->busy; });
}

bool tsendtoworker::Finish() {
  Start();
  std::unique_lock<std::mutex> hold(state_->lock);
  return state_->changed.wait_for(hold, endBound_, [this] { return !state_->list && !state_->busy; });
}

void tsendtoworker::Work(std::shared_ptr<tstate> s) {
  if (s->hook) s->hook(true);
  std::unique_lock<std::mutex> hold(s->lock);
  for (;;) {
    s->changed.wait(hold, [&] { return s->stop || s->list; });
    if (!s->list) break;  // stopped with nothing left to do
    std::unique_ptr<tzvshortcutlist> list = std::move(s->list);
    const tsettings settings = s->settings;
    s->busy = true;
    hold.unlock();
    const tsendtooutcome outcome = s->rebuild ? s->rebuild(*list, settings) : tsendtooutcome::Done;
    hold.lock();
    if (s->abandoned) break;
    if (s->report) s->report(outcome);
    s->busy = false;
    s->changed.notify_all();
  }
  hold.unlock();
  if (s->hook) s->hook(false);
}

}  // namespace zv
