#pragma once
// The shortcut editor's behaviour over its working copy of the list. The
// window (teditordialog) holds the controls only: each of its handlers
// reports the list box's selection, calls the handler of the same name
// here, then mirrors the answered teditoroutcome on the list box and sets
// statuslbl, countlbl and the hotkey-warning panel from StatusText(),
// CountText() and HotkeyWarningVisible().
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/userprompts.h"
#include "editor/editordrop.h"
#include "model/tzvshortcutlist.h"

namespace zv {

struct teditoroutcome;

// What the editor asks of the rest of the program. Unset hooks do nothing
// (a check finds no problem, an import or export fails).
struct teditorservices {
  // Boxes and file dialogs owned by the editor window.
  tuserprompts* Prompts = nullptr;
  tdropfilequery* Files = nullptr;
  // The properties dialog on one shortcut: editing false for a new one.
  // Changes the shortcut only when the user confirms, and answers that.
  std::function<bool(tzvshortcut&, bool editing)> EditShortcut;
  // A fresh lookup: for shortcuts created, changed or dropped in.
  std::function<std::int32_t(const std::string&)> GetFileIconIndex;
  // The system's folder icon, which a group's row shows; unset: 0.
  std::function<std::int32_t()> FolderIconIndex;
  // The index the program knows already for a path, -1 when none; filling
  // the rows takes it instead of asking the shell again.
  std::function<std::int32_t(const std::string&)> KnownIconIndex;
  // For a path whose index is not known yet: true when the program's
  // background lookups will find it (the row shows no icon until
  // TakeKnownIcons gives it the right one); false, or unset: asked now.
  std::function<bool(const std::string&)> IconLookedUpLater;
  // Trial registrations on the editor window; 0, 1 (resolved) or -1.
  std::function<std::int32_t(tzvshortcutlist&, bool resolve)> CheckHotkeys;
  std::function<bool(tzvshortcutlist&, const std::string&)> ImportFromFile;
  std::function<bool(tzvshortcutlist&, const std::string&)> ExportToFile;
  // Disables the editor window during import and export; true enables it
  // again and gives it the focus.
  std::function<void(bool)> SetWindowEnabled;
  // Mirrors an outcome on the window at once, while a handler still runs:
  // before a dialog opens over the list.
  std::function<void(const teditoroutcome&)> ShowOutcome;
};

// One change to the rows of shortcutslb, made the same way to worklist.
struct trowchange {
  enum tkind : std::uint8_t { Insert, Delete, Move, Clear };
  tkind Kind;
  std::int32_t Index = 0;
  std::int32_t ToIndex = 0;  // Move only
  bool operator==(const trowchange&) const = default;
};

// What the window does after a handler, in this order: refill, row changes
// and selection (repainting suspended meanwhile), the view (editorview.h),
// repaint, close.
struct teditoroutcome {
  // Remove every row and add RowCount() placeholder rows.
  bool Refill = false;
  std::vector<trowchange> Rows;
  // Set the list box's selection and caret from IsSelected() and FocusedRow().
  bool SelectionChanged = false;
  bool RepaintAll = false;
  // A row to bring into view besides the inserted ones; -1 for none.
  std::int32_t ShowRow = -1;
  // Close the window; the close runs FormClose, which may refuse.
  bool Close = false;
  // Key consumed, or context-menu request handled.
  bool Handled = false;
};

// Virtual keys the editor reacts to.
enum : std::uint16_t {
  vkTab = 0x09, vkUp = 0x26, vkDown = 0x28, vkInsert = 0x2D, vkDelete = 0x2E,
  vkA = 0x41, vkD = 0x44, vkG = 0x47, vkL = 0x4C, vkO = 0x4F, vkS = 0x53
};

class teditorcommands {
 public:
  explicit teditorcommands(teditorservices services = {});
  teditorcommands(const teditorcommands&) = delete;
  teditorcommands& operator=(const teditorcommands&) = delete;

  // The working copy; only OK lets it reach the caller.
  tzvshortcutlist worklist;
  bool accepted = false;
  bool okclose = false;

  teditorservices& Services() { return services_; }

  // Window state the labels and the painting read.
  std::int32_t RowCount() const { return static_cast<std::int32_t>(selected_.size()); }
  bool IsSelected(std::int32_t row) const;
  std::int32_t SelectedCount() const;
  // The row with the caret, -1 when there is none.
  std::int32_t FocusedRow() const { return focused_; }
  const std::string& StatusText() const { return status_; }
  std::string CountText() const;
  bool HotkeyWarningVisible() const { return hotkeywarning_; }
  bool LargeMode() const { return largemode_; }

  // The list box's selection as the user left it; rows beyond it are not
  // selected. focused -1 means no caret.
  void SetSelection(const std::vector<bool>& selected, std::int32_t focused);
  void SetFocusedRow(std::int32_t row);

  // Set-up and the window routines.
  void FormCreate(bool useLargeEditorIcons);
  teditoroutcome FillShortcutList();
  // Rows still without their icon take the ones known by now; the rows are
  // repainted when any did.
  teditoroutcome TakeKnownIcons();
  void UpdateHotkeyWarning();

  // Commands.
  teditoroutcome newlblClick();
  teditoroutcome editlblClick();
  teditoroutcome duplicatelblClick();
  teditoroutcome deletelblClick();
  teditoroutcome separatorlblClick();
  // A new group before the caret's row, named in the properties dialog.
  teditoroutcome grouplblClick();
  // Every selected group goes; its entries stay, one level up.
  teditoroutcome dissolvelblClick();
  // Tab: each selected row, with its group's entries, becomes the last
  // entry of the group just above it at its level, where there is one.
  teditoroutcome MoveIntoGroupAbove();
  // Shift+Tab: each selected row inside a group, with its group's entries,
  // goes one level up, right after the end of the group it leaves.
  teditoroutcome MoveOutOfGroup();
  teditoroutcome MoveSelectedRow(bool up);
  teditoroutcome importlblClick();
  teditoroutcome exportlblClick();
  teditoroutcome clearlblClick();
  teditoroutcome oklblClick();
  teditoroutcome cancellblClick();
  // Answers whether the window may close now.
  bool FormClose();
  // The editor's keys: Insert, Delete, Ctrl+A, Tab and Shift+Tab, Ctrl+G,
  // Ctrl+Shift+G; Ctrl+D duplicate, Ctrl+L insert a separator, Ctrl+O
  // import, Ctrl+S export, Ctrl+Shift+Delete clear; Alt+Up and Alt+Down move
  // the selected row (with its group's entries) as a drag to the gap above
  // the row before it or below the row after it would.
  teditoroutcome FormKeyDown(std::uint16_t virtualKey, bool ctrlDown, bool shiftDown = false, bool altDown = false);
  // Whether FormKeyDown takes the key with these modifiers.
  static bool IsEditorKey(std::uint16_t virtualKey, bool ctrlDown, bool shiftDown, bool altDown);
  // Handled: the character is consumed.
  teditoroutcome FormKeyPress(char key);
  // row: the row at the request's point, -1 for none or a keyboard request.
  teditoroutcome shortcutslbContextPopup(std::int32_t row);

  // Reordering by dragging, and files dropped from the shell.
  // False: cancel the drag at once.
  bool shortcutslbStartDrag();
  // Answers Accept.
  bool shortcutslbDragOver(bool sourceIsList, const trowhit& hit);
  teditoroutcome shortcutslbDragDrop(const trowhit& hit);
  void shortcutslbEndDrag();
  teditoroutcome shortcutslbDropFiles(const std::vector<std::string>& files, const trowhit& hit);

 private:
  std::int32_t InsertPosition() const;
  // Named in the properties dialog first, then put before the caret's row.
  teditoroutcome InsertNamed(std::unique_ptr<tzvshortcut> s, bool isShortcut);
  // The row a one-row command works on: the selected one.
  std::int32_t SingleSelectedRow() const;
  std::int32_t IconIndex(const std::string& path) const;
  std::int32_t IconIndex(const tzvshortcut& entry) const;
  int Ask(const std::string& title, const std::string& text, std::uint32_t flags);
  void InsertRow(teditoroutcome& out, std::int32_t row);
  void DeleteRow(teditoroutcome& out, std::int32_t row);
  void MoveRow(teditoroutcome& out, std::int32_t from, std::int32_t to);
  // The block at from goes before row before, and its levels by delta.
  void MoveBlock(teditoroutcome& out, std::int32_t from, std::int32_t before, int delta);
  // Inserts entry at p with level; false when the list refuses it.
  bool InsertEntry(teditoroutcome& out, std::int32_t p, std::uint8_t level, std::unique_ptr<tzvshortcut>& entry,
                   bool allowDuplicates);
  void ClearRows(teditoroutcome& out);

  teditorservices services_;
  std::vector<bool> selected_;  // one per row
  std::int32_t focused_ = -1;
  std::string status_;
  bool hotkeywarning_ = false;
  bool largemode_ = false;
};

}  // namespace zv
