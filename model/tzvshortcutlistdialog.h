#pragma once
// The "Please wait..." window shown while a list file is written or read.
#include "model/listprogress.h"
#include "model/progressgauge.h"
#include "ui/fontman.h"

namespace zv {

class tzvshortcutlistdialog : public tlistprogress {
 public:
  // In the dialog font, or its fallback where the installed font families
  // (the screen's by default) lack it.
  tzvshortcutlistdialog();
  explicit tzvshortcutlistdialog(const tfontfamilies& installed);
  ~tzvshortcutlistdialog() override;
  tzvshortcutlistdialog(const tzvshortcutlistdialog&) = delete;
  tzvshortcutlistdialog& operator=(const tzvshortcutlistdialog&) = delete;

  bool Open(std::int32_t maximum) override;
  void Step(std::int32_t position, bool processMessages) override;
  void Close() override;

  // For tests: the window (HWND) and its gauge's state.
  void* Handle() const { return window_; }
  const tprogressgauge& Gauge() const { return gauge_; }

 private:
  void FormCreate(const tfontfamilies& installed);
  void* window_ = nullptr;
  void* gaugeWindow_ = nullptr;
  void* icon_ = nullptr;  // HICON
  void* font_ = nullptr;  // HFONT
  tprogressgauge gauge_;
};

}  // namespace zv
