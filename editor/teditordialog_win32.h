#pragma once
// The shortcut editor window: the command links on the grey band, the tip
// and hotkey-warning panels, and the owner-drawn shortcut list with its
// status line and count. It holds the controls only; what a click, key or
// drop does is teditorcommands' business, mirrored here on the rows.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "components/systemimagelist.h"
#include "components/tdragdroplistbox_win32.h"
#include "editor/backgroundicons.h"
#include "editor/editshortcutlist.h"
#include "platform/win32prompts.h"
#include "toolkit/tform.h"

namespace zv {

class teditordialog : public tform {
 public:
  explicit teditordialog(teditorcommands& commands);
  ~teditordialog() override;

  // The designed client size and the least outer size, at 96 DPI.
  static constexpr int DesignWidth = 629, DesignHeight = 449;
  static constexpr int MinWidth = 637, MinHeight = 476;

  // The row changes, selection and labels an outcome asks for; closing
  // goes through FormClose.
  void ApplyOutcome(const teditoroutcome& outcome);
  // Only the labels and panel whose state changed are repainted.
  void UpdateLabels();

  // The handlers the controls run: each reports the selection first.
  void newlblClick() { Run(&teditorcommands::newlblClick); }
  void editlblClick() { Run(&teditorcommands::editlblClick); }
  void duplicatelblClick() { Run(&teditorcommands::duplicatelblClick); }
  void deletelblClick() { Run(&teditorcommands::deletelblClick); }
  void separatorlblClick() { Run(&teditorcommands::separatorlblClick); }
  void grouplblClick() { Run(&teditorcommands::grouplblClick); }
  void dissolvelblClick() { Run(&teditorcommands::dissolvelblClick); }
  void importlblClick() { Run(&teditorcommands::importlblClick); }
  void exportlblClick() { Run(&teditorcommands::exportlblClick); }
  void clearlblClick() { Run(&teditorcommands::clearlblClick); }
  void oklblClick() { Run(&teditorcommands::oklblClick); }
  void cancellblClick() { Run(&teditorcommands::cancellblClick); }
  void shortcutslbDrawItem(const DRAWITEMSTRUCT& item);
  int shortcutslbMeasureItem(int row);
  void FormResize();

  TdfsSystemImageList systemil;
  TDragDropListBox shortcutslb;
  tlabel* statuslbl = nullptr;
  tlabel* countlbl = nullptr;
  tlabel* tiplbl = nullptr;
  tshape* tipshape = nullptr;
  timage* tipimg = nullptr;
  tshape* hotkeywarningshape = nullptr;
  timage* hotkeywarningimg = nullptr;
  tlabel* hotkeywarninglbl = nullptr;
  timage* attentionlargeimg = nullptr;
  timage* attentionsmallimg = nullptr;
  tlabel *newlbl = nullptr, *editlbl = nullptr, *duplicatelbl = nullptr, *deletelbl = nullptr,
         *separatorlbl = nullptr, *grouplbl = nullptr, *dissolvelbl = nullptr, *importlbl = nullptr, *exportlbl = nullptr, *clearlbl = nullptr,
         *oklbl = nullptr, *cancellbl = nullptr;
  timage *okimg = nullptr, *cancelimg = nullptr;

 protected:
  void BuildControls() override;
  void FormCreate() override;
  void FormKeyPress(char& key) override;
  bool FormKeyDown(WPARAM virtualKey) override;
  bool FormCloseQuery() override;
  LRESULT FormMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void FormDpiChanged() override;

 private:
  void FitToText();
  void ReportSelection();
  void Run(teditoroutcome (teditorcommands::*handler)());
  void ChangeRows(const teditoroutcome& outcome);
  void ShowSelection();
  std::vector<int> RowHeights(bool remeasure, bool refilled);
  void PlaceCountLabel();
  void PlaceStatusLabel();
  trowhit HitAt(int x, int y, bool pastEnd) const;
  int TextHeight(HDC dc) const;
  int RowTextHeight();
  void Layout(int width, int height);

  teditorcommands& commands_;
  tfont boldFont_;
  int rowTextHeight_ = 0;
};

// The Win32 editor window as the editor unit drives it.
class twin32editorhost : public teditorwindowhost {
 public:
  // icons: the program's background lookups, when there are any.
  explicit twin32editorhost(tbackgroundicons* icons = nullptr);
  ~twin32editorhost() override;
  void CreateEditorWindow(teditorcommands& commands) override;
  void ApplyOutcome(const teditoroutcome& outcome) override;
  void ShowModal() override;
  void DestroyEditorWindow() override;
  bool SaveToRegistry(tzvshortcutlist& list) override;

  teditordialog* Dialog() const { return dialog_.get(); }
  // The DPI the window is laid out for; 0: its monitor's.
  int Dpi = 0;

 private:
  tbackgroundicons* icons_;
  std::unique_ptr<teditordialog> dialog_;
  twin32prompts prompts_;
  std::unique_ptr<tdropfilequery> files_;
};

// Runs the editor on the program's list; true when it was left with OK and
// list then holds and has stored the edited entries.
bool ShowShortcutEditor(tzvshortcutlist& list, tbackgroundicons* icons = nullptr);

}  // namespace zv
