#pragma once
// The find window: "Find Shortcut", an edit box over the list's entries
// that match what is typed in it, best first. Modeless: the program's own
// message loop runs it. Up, Down, Page Up and Page Down typed in the edit
// box move the selection; Enter starts the selected entry (Ctrl+Shift+Enter
// as administrator), as does a click on a row; Escape, a click elsewhere
// and starting an entry close it.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/findselection.h"
#include "app/systemimageicons_win32.h"
#include "app/tzorvanemaindialog.h"
#include "components/systemimagelist.h"
#include "model/findindex.h"
#include "model/findranking.h"
#include "model/keynames.h"
#include "toolkit/gdi.h"
#include "toolkit/tform.h"

namespace zv {

class tfindwindow : public tform {
 public:
  static constexpr const char* FormClass = "tfindwindow";
  static constexpr const char* Caption = "Find Shortcut";

  tfindwindow();
  ~tfindwindow() override;

  // The system image list's index of a path's icon; -1 while unknown.
  std::function<std::int32_t(const std::string& path)> IconIndex;
  // The entry chosen, reported once the window has closed.
  std::function<void(const tmenuchoice&)> OnChoice;

  // Opens over the list with an empty text (every entry), centred on the
  // monitor with the mouse pointer, in front with the keyboard in the edit
  // box; when already open, keeps its text over the list as it is now and
  // comes forward.
  // The list must stay unchanged until Hide.
  void Show(const tzvshortcutlist& list);
  void Hide();
  // Rows drawn while their icon was still looked up get it.
  void IconsArrived();
  bool Shown() const { return Handle() && IsWindowVisible(Handle()); }

  HWND Edit() const { return edit_; }
  HWND List() const { return list_; }
  // What the row shows, and the list index it starts (-1 off the rows).
  tfindrow RowAt(int row) const;
  int IndexAt(int row) const;

 protected:
  void BuildControls() override;
  void FormCreate() override;
  void FormDpiChanged() override;
  void FormActivate(bool active) override;
  LRESULT FormMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  class tkeys;
  class tclicks;

  void Refill();
  void MoveSelection(tfindmove move);
  void StartRow(int row, bool elevated);
  void StartSelected(bool elevated);
  void DrawRow(const DRAWITEMSTRUCT& item);
  void FitRows();
  void CentreOnPointerMonitor();
  int RowsInView() const;

  HWND edit_ = nullptr;
  HWND list_ = nullptr;
  std::unique_ptr<tkeys> keys_;
  std::unique_ptr<tclicks> clicks_;
  const tzvshortcutlist* shortcuts_ = nullptr;
  tfindindex index_;
  std::unique_ptr<tkeynamecache> keyNames_;  // per opening, for the rows' names
  std::vector<tfindresult> results_;
  TdfsSystemImageList systemil_;
  tsystemimageicons icons_{systemil_};
  std::unique_ptr<tmemorydc> rowDc_;
  tbitmap rowBuffer_;
  std::unique_ptr<tselection> rowSelection_;
  int bufferWidth_ = 0, bufferHeight_ = 0;
  bool filling_ = false;  // the text set by the window itself
  int rowHeight_ = 0;
};

}  // namespace zv
