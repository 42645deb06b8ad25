#pragma once
// When a link label or a link picture runs its command: as with a button,
// only for a press and a release of the left button on that same control. A
// release that was never seen pressed (the second click of a double-click
// that closed a file dialog over the window, say) runs nothing.
namespace zv {

class tclicktracker {
 public:
  // The button went down on target; null: on nothing that clicks.
  void Press(const void* target) { pressed_ = target; }
  // The button came up on target: true when that completes a click. The
  // press is used up either way.
  bool Release(const void* target);
  // The press is forgotten (the mouse capture was lost).
  void Cancel() { pressed_ = nullptr; }
  bool Pressed() const { return pressed_ != nullptr; }

 private:
  const void* pressed_ = nullptr;
};

}  // namespace zv
