#pragma once
// A tray backend that records every shell call with a copy of the icon
// record, hands out numbered fake icons and windows, and plays the cursor
// and keyboard state a test sets.
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "components/traybackend.h"
#include "components/traypopupmenu.h"

struct traycall {
  std::string Op;  // "add", "modify", "delete", "version", "foreground", "process", "postnull"
  zv::ttrayicondata Data;
  void* Window = nullptr;
  std::string Tip() const { return Data.Tip; }
};

class trayfake : public zv::ttraybackend {
 public:
  bool AddIcon(const zv::ttrayicondata& d) override {
    Record("add", d);
    // Never twice.
    if (!Take() || Shown) return false;
    Shown = true;
    return true;
  }
  bool ModifyIcon(const zv::ttrayicondata& d) override {
    Record("modify", d);
    // The shell changes only an icon it has.
    return Shown && Take();
  }
  void DeleteIcon(const zv::ttrayicondata& d) override {
    Record("delete", d);
    Shown = false;
  }
  void SetIconVersion(const zv::ttrayicondata& d) override { Record("version", d); }

  void* CreateMessageWindow() override {
    ++WindowsCreated;
    return Handle(0x1000 + WindowsCreated);
  }
  void DestroyMessageWindow(void* w) override { DestroyedWindows.push_back(w); }
  std::uint32_t TaskbarCreatedMessage() override { return TaskbarCreated; }
  void SetRetryTimer(void*, std::uint32_t id, unsigned ms) override {
    RetryTimers.push_back(ms);
    TimerId = id;
  }
  void KillRetryTimer(void*, std::uint32_t) override { TimerId = 0; }

  void* CopyIcon(void* icon) override {
    if (icon == Unreadable) return nullptr;
    void* copy = Handle(0x5000 + ++copies_);
    LiveCopies.insert(copy);
    return copy;
  }
  void DestroyIcon(void* icon) override { LiveCopies.erase(icon); }

  bool CursorPos(int& x, int& y) override {
    x = CursorX;
    y = CursorY;
    return CursorReadable;
  }
  unsigned ShiftState() override { return Shift; }

  void SetForegroundWindow(void* w) override { RecordWindow("foreground", w); }
  void ProcessMessages() override {
    RecordWindow("process", nullptr);
    if (WhileProcessing) WhileProcessing();
  }
  void PostNullMessage(void* w) override { RecordWindow("postnull", w); }

  void HookOwner(void* owner, zv::TCoolTrayIcon&) override { Hooked.push_back(owner); }
  void UnhookOwner(void* owner, zv::TCoolTrayIcon&) override { Unhooked.push_back(owner); }

  static void* Handle(std::uintptr_t n) { return reinterpret_cast<void*>(n); }

  // Only the shell calls, in order: "add", "modify", ...
  std::vector<std::string> ShellOps() const {
    std::vector<std::string> ops;
    for (const auto& c : Calls)
      if (c.Op == "add" || c.Op == "modify" || c.Op == "delete" || c.Op == "version")
        ops.push_back(c.Op);
    return ops;
  }
  std::vector<std::string> Ops() const {
    std::vector<std::string> ops;
    for (const auto& c : Calls) ops.push_back(c.Op);
    return ops;
  }
  const traycall& Last() const { return Calls.back(); }

  std::vector<traycall> Calls;
  // The shell refuses this many adds and modifies (no taskbar yet); Shown
  // is whether it holds the icon.
  int Refusals = 0;
  bool Shown = false;
  std::vector<unsigned> RetryTimers;  // every wait asked for
  std::uint32_t TimerId = 0;          // the running timer, 0 for none
  int WindowsCreated = 0;
  std::vector<void*> DestroyedWindows;
  std::uint32_t TaskbarCreated = 0xC123;
  void* Unreadable = Handle(0xBAD);
  std::set<void*> LiveCopies;
  int CursorX = 1200, CursorY = 1000;
  bool CursorReadable = true;
  unsigned Shift = 0;
  std::function<void()> WhileProcessing;
  std::vector<void*> Hooked, Unhooked;

 private:
  bool Take() {
    if (Refusals > 0) {
      --Refusals;
      return false;
    }
    return true;
  }
  void Record(const char* op, const zv::ttrayicondata& d) {
    traycall c;
    c.Op = op;
    c.Data = d;
    Calls.push_back(c);
  }
  void RecordWindow(const char* op, void* w) {
    traycall c;
    c.Op = op;
    c.Window = w;
    Calls.push_back(c);
  }
  std::uintptr_t copies_ = 0;
};

// A menu that notes where it was popped up.
class fakemenu : public zv::ttraypopupmenu {
 public:
  explicit fakemenu(trayfake* log = nullptr) : log_(log) {}
  void Popup(int x, int y) override {
    Popups.push_back({x, y});
    if (log_) {
      traycall c;
      c.Op = "popup";
      log_->Calls.push_back(c);
    }
    if (WhileOpen) WhileOpen();
  }
  bool ClickDefaultItem() override {
    ++DefaultClicks;
    return HasDefault;
  }
  struct point {
    int X, Y;
  };
  std::vector<point> Popups;
  int DefaultClicks = 0;
  bool HasDefault = false;
  std::function<void()> WhileOpen;

 private:
  trayfake* log_;
};
