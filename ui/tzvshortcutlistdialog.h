#pragma once
// The "Please wait..." window shown while a list file is written or read.
#include <memory>

#include "core/fontman.h"
#include "model/listprogress.h"
#include "model/progressgauge.h"

namespace zv {

class tprogresswindow;

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

  // For tests: the window (HWND), the icon it shows (HICON) and its gauge's
  // state.
  void* Handle() const;
  void* Icon() const;
  const tprogressgauge& Gauge() const { return gauge_; }

  // The DPI the window is laid out for: the screen's at first.
  int Dpi() const { return dpi_; }
  // On a monitor of another DPI: the designed client size in pixels for it
  // at the place the system suggests (the rectangle's left and top), then
  // the gauge, the font and the icon again.
  void ChangeDpi(int dpi, int suggestedLeft, int suggestedTop);

 private:
  void FormCreate(const tfontfamilies& installed);
  // The gauge's place, the font and the icon for dpi.
  void UseDpi(int dpi);
  tfontdescription font96_;  // after the fallback; its height for 96 DPI
  int dpi_ = 0;
  std::unique_ptr<tprogresswindow> window_;  // with the gauge, its icon and font
  tprogressgauge gauge_;
};

}  // namespace zv
