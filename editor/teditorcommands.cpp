#include "editor/teditorcommands.h"

#include <algorithm>
#include <memory>

#include "editor/editorgroups.h"
#include "editor/editorrows.h"
#include "editor/editortexts.h"

namespace zv {

namespace {

// Without a file-system answer a dropped path is taken for a folder, the
// type that launches nothing by mistake.
class tnofiles : public tdropfilequery {
 public:
  bool FileExists(const std::string&) override { return false; }
};

// Gives the editor window back to the user whatever happens meanwhile.
class twindowdisabled {
 public:
  explicit twindowdisabled(const std::function<void(bool)>& enable) : enable_(enable) {
    if (enable_) enable_(false);
  }
  ~twindowdisabled() {
    if (enable_) enable_(true);
  }
  twindowdisabled(const twindowdisabled&) = delete;
  twindowdisabled& operator=(const twindowdisabled&) = delete;

 private:
  const std::function<void(bool)>& enable_;
};

}  // namespace

teditorcommands::teditorcommands(teditorservices services) : services_(std::move(services)) {}

bool teditorcommands::IsSelected(std::int32_t row) const {
  return row >= 0 && row < RowCount() && selected_[static_cast<std::size_t>(row)];
}

std::int32_t teditorcommands::SelectedCount() const {
  return static_cast<std::int32_t>(std::count(selected_.begin(), selected_.end(), true));
}

std::string teditorcommands::CountText() const { return CountLabelText(worklist.Count()); }

void teditorcommands::SetSelection(const std::vector<bool>& selected, std::int32_t focused) {
  std::fill(selected_.begin(), selected_.end(), false);
  for (std::size_t i = 0; i < selected.size() && i < selected_.size(); ++i) selected_[i] = selected[i];
  SetFocusedRow(focused);
}

void teditorcommands::SetFocusedRow(std::int32_t row) { focused_ = (row >= 0 && row < RowCount()) ? row : -1; }

void teditorcommands::FormCreate(bool useLargeEditorIcons) {
  status_ = MoveHint;
  largemode_ = useLargeEditorIcons;
  accepted = false;
  okclose = false;
}

teditoroutcome teditorcommands::FillShortcutList() {
  teditoroutcome out;
  for (std::int32_t i = 0; i < worklist.Count(); ++i) {
    tzvshortcut* s = worklist.GetItem(i);
    // A line has no icon; a group has its folder's unless it has its own.
    if (s->IsLine() || (s->IsGroup() && s->Icon.empty())) {
      if (s->IsGroup()) s->ImageIndex = IconIndex(*s);
      continue;
    }
    const std::string source = s->IconSource();
    const std::int32_t known = services_.KnownIconIndex ? services_.KnownIconIndex(source) : -1;
    if (known >= 0)
      s->ImageIndex = known;
    else if (services_.IconLookedUpLater && services_.IconLookedUpLater(source))
      s->ImageIndex = -1;  // no icon rather than a wrong one, until it is known
    else
      s->ImageIndex = IconIndex(source);
  }
  selected_.assign(static_cast<std::size_t>(worklist.Count()), false);
  focused_ = -1;
  UpdateHotkeyWarning();
  out.Refill = true;
  out.SelectionChanged = true;
  return out;
}

teditoroutcome teditorcommands::TakeKnownIcons() {
  teditoroutcome out;
  if (!services_.KnownIconIndex) return out;
  for (std::int32_t i = 0; i < worklist.Count(); ++i) {
    tzvshortcut* s = worklist.GetItem(i);
    if (s->ImageIndex >= 0 || s->IsLine()) continue;
    const std::int32_t known = services_.KnownIconIndex(s->IconSource());
    if (known < 0) continue;
    s->ImageIndex = known;
    out.RepaintAll = true;
  }
  return out;
}

void teditorcommands::UpdateHotkeyWarning() {
  std::int32_t result = services_.CheckHotkeys ? services_.CheckHotkeys(worklist, false) : 0;
  hotkeywarning_ = result == -1;
}

std::int32_t teditorcommands::IconIndex(const std::string& path) const {
  return services_.GetFileIconIndex ? services_.GetFileIconIndex(path) : 0;
}

std::int32_t teditorcommands::IconIndex(const tzvshortcut& entry) const {
  if (!entry.IsGroup() || !entry.Icon.empty()) return IconIndex(entry.IconSource());
  return services_.FolderIconIndex ? services_.FolderIconIndex() : 0;
}

int teditorcommands::Ask(const std::string& title, const std::string& text, std::uint32_t flags) {
  // Without prompts nothing may be decided for the user: a question gets No.
  if (!services_.Prompts) return (flags & mbYesNo) ? idNo : idOK;
  return services_.Prompts->ShowMessageBox(tpromptowner::MainWindow, title, text, flags);
}

std::int32_t teditorcommands::InsertPosition() const {
  if (SelectedCount() == 0) return 0;
  if (focused_ >= 0 && focused_ <= worklist.Count()) return focused_;
  // A selection without a caret: the first selected row stands in for it.
  for (std::int32_t i = 0; i < RowCount(); ++i)
    if (IsSelected(i)) return std::min(i, worklist.Count());
  return 0;
}

std::int32_t teditorcommands::SingleSelectedRow() const {
  if (SelectedCount() != 1) return -1;
  // The caret can sit on another row than the one selected (Ctrl+arrow,
  // Ctrl+click); the command is about the selected one.
  if (IsSelected(focused_)) return focused_;
  for (std::int32_t i = 0; i < RowCount(); ++i)
    if (IsSelected(i)) return i;
  return -1;
}

void teditorcommands::InsertRow(teditoroutcome& out, std::int32_t row) {
  selected_.insert(selected_.begin() + row, false);
  if (focused_ >= row) ++focused_;
  out.Rows.push_back({trowchange::Insert, row, 0});
  out.SelectionChanged = true;
}

void teditorcommands::DeleteRow(teditoroutcome& out, std::int32_t row) {
  selected_.erase(selected_.begin() + row);
  if (focused_ > row) --focused_;
  if (focused_ >= RowCount()) focused_ = RowCount() - 1;
  out.Rows.push_back({trowchange::Delete, row, 0});
  out.SelectionChanged = true;
}

void teditorcommands::MoveRow(teditoroutcome& out, std::int32_t from, std::int32_t to) {
  bool moving = selected_[static_cast<std::size_t>(from)];
  selected_.erase(selected_.begin() + from);
  selected_.insert(selected_.begin() + to, moving);
  if (focused_ == from)
    focused_ = to;
  else if (from < focused_ && focused_ <= to)
    --focused_;
  else if (to <= focused_ && focused_ < from)
    ++focused_;
  out.Rows.push_back({trowchange::Move, from, to});
  out.SelectionChanged = true;
}

void teditorcommands::MoveBlock(teditoroutcome& out, std::int32_t from, std::int32_t before, int delta) {
  const std::int32_t end = BlockEnd(worklist, from);
  ShiftBlockLevels(worklist, from, delta);
  if (before >= from && before <= end) return;  // it stays where it is
  for (std::int32_t k = 0; k < end - from; ++k) {
    // Moving down, the block's first row goes last each time; moving up,
    // each row follows the one before it.
    const std::int32_t at = before > end ? from : from + k;
    const std::int32_t to = before > end ? before - 1 : before + k;
    worklist.Move(at, to);
    MoveRow(out, at, to);
  }
}

bool teditorcommands::InsertEntry(teditoroutcome& out, std::int32_t p, std::uint8_t level,
                                  std::unique_ptr<tzvshortcut>& entry, bool allowDuplicates) {
  entry->Level = level;
  if (!worklist.Insert(p, entry, allowDuplicates)) return false;
  InsertRow(out, p);
  return true;
}

void teditorcommands::ClearRows(teditoroutcome& out) {
  selected_.clear();
  focused_ = -1;
  out.Rows.push_back({trowchange::Clear, 0, 0});
  out.SelectionChanged = true;
}

teditoroutcome teditorcommands::InsertNamed(std::unique_ptr<tzvshortcut> s, bool isShortcut) {
  teditoroutcome out;
  std::int32_t p = InsertPosition();
  if (!services_.EditShortcut || !services_.EditShortcut(*s, false)) return out;
  s->ImageIndex = IconIndex(*s);
  // At the level of its place, so that it does not end the group it joins.
  // Shortcuts equal to one already there are refused; groups never are.
  InsertEntry(out, p, LevelAt(worklist, p), s, !isShortcut);
  if (isShortcut) UpdateHotkeyWarning();
  return out;
}

teditoroutcome teditorcommands::newlblClick() { return InsertNamed(std::make_unique<tzvshortcut>(), true); }

teditoroutcome teditorcommands::separatorlblClick() {
  teditoroutcome out;
  std::int32_t p = InsertPosition();
  auto s = std::make_unique<tzvshortcut>();
  s->ShortcutType = stSeparator;
  InsertEntry(out, p, LevelAt(worklist, p), s, true);
  return out;
}

teditoroutcome teditorcommands::grouplblClick() {
  auto s = std::make_unique<tzvshortcut>();
  s->ShortcutType = stSeparator;
  s->Group = true;
  s->Caption = NewGroupCaption;
  return InsertNamed(std::move(s), false);
}

teditoroutcome teditorcommands::dissolvelblClick() {
  teditoroutcome out;
  // From the bottom, so that the rows still to come keep their indexes.
  for (std::int32_t i = worklist.Count() - 1; i >= 0; --i) {
    if (!IsSelected(i) || !worklist.GetItem(i)->IsGroup()) continue;
    LiftMembers(worklist, i);
    worklist.Delete(i);
    DeleteRow(out, i);
  }
  return out;
}

teditoroutcome teditorcommands::MoveIntoGroupAbove() {
  teditoroutcome out;
  // From the top: a row put into a group is the group above the next one.
  for (std::int32_t head : SelectedBlocks(worklist, selected_))
    if (GroupAbove(worklist, head) >= 0 && ShiftBlockLevels(worklist, head, 1)) out.RepaintAll = true;
  return out;
}

teditoroutcome teditorcommands::MoveOutOfGroup() {
  teditoroutcome out;
  // From the bottom: a block only moves down, so those above keep their
  // indexes, and siblings leaving one group keep their order after it.
  const std::vector<std::int32_t> heads = SelectedBlocks(worklist, selected_);
  for (auto head = heads.rbegin(); head != heads.rend(); ++head) {
    const std::int32_t parent = ParentGroup(worklist, *head);
    if (parent < 0) continue;
    MoveBlock(out, *head, BlockEnd(worklist, parent), -1);
    out.RepaintAll = true;
  }
  // Of two equal hotkeys the later one is marked: the order may have changed.
  if (!out.Rows.empty()) UpdateHotkeyWarning();
  return out;
}

teditoroutcome teditorcommands::editlblClick() {
  teditoroutcome out;
  std::int32_t count = SelectedCount();
  if (count > 1) {
    Ask(EditShortcutsTitle, EditShortcutsText, mbOK | mbIconWarning);
    return out;
  }
  tzvshortcut* entry = worklist.GetItem(SingleSelectedRow());
  if (!entry || entry->IsLine() || !services_.EditShortcut) return out;
  if (services_.EditShortcut(*entry, true)) {
    entry->ImageIndex = IconIndex(*entry);
    UpdateHotkeyWarning();
    out.RepaintAll = true;
  }
  return out;
}

teditoroutcome teditorcommands::duplicatelblClick() {
  teditoroutcome out;
  if (SelectedCount() == 0) return out;
  std::int32_t i = 0;
  while (i < RowCount()) {
    if (!IsSelected(i)) {
      ++i;
      continue;
    }
    // A group is copied with its entries, the copy right after them.
    const std::int32_t end = BlockEnd(worklist, i);
    std::int32_t at = end;
    for (std::int32_t k = i; k < end; ++k) {
      auto copy = std::make_unique<tzvshortcut>();
      copy->Assign(worklist.GetItem(k));
      if (worklist.Insert(at, copy, true)) InsertRow(out, at++);
    }
    i = at;  // past the copies: a copy is never copied again
  }
  UpdateHotkeyWarning();
  return out;
}

teditoroutcome teditorcommands::deletelblClick() {
  teditoroutcome out;
  std::int32_t count = SelectedCount();
  if (count == 0) return out;
  int answer;
  if (count == 1) {
    const std::int32_t row = SingleSelectedRow();
    const tzvshortcut* entry = worklist.GetItem(row);
    if (!entry) return out;
    if (entry->IsGroup())
      answer = Ask(DeleteGroupTitle, DeleteGroupQuestion(entry->Caption, EntriesIn(worklist, row)),
                   mbYesNo | mbIconQuestion);
    else if (entry->ShortcutType == stSeparator)
      answer = Ask(DeleteSeparatorTitle, DeleteSeparatorText, mbYesNo | mbIconQuestion);
    else
      answer = Ask(DeleteShortcutTitle, std::string(DeleteShortcutText) + "\"" + entry->Caption + "\"?",
                   mbYesNo | mbIconQuestion);
  } else {
    answer = Ask(DeleteShortcutsTitle, DeleteShortcutsText, mbYesNo | mbIconQuestion);
  }
  if (answer != idYes) return out;
  // A group goes with its entries; from the bottom, so that the blocks
  // still to go keep their indexes.
  const std::vector<std::int32_t> heads = SelectedBlocks(worklist, selected_);
  for (auto head = heads.rbegin(); head != heads.rend(); ++head) {
    for (std::int32_t k = BlockEnd(worklist, *head) - *head; k > 0; --k) {
      worklist.Delete(*head);
      DeleteRow(out, *head);
    }
  }
  UpdateHotkeyWarning();
  return out;
}

teditoroutcome teditorcommands::clearlblClick() {
  teditoroutcome out;
  if (worklist.Count() == 0) return out;
  if (Ask(ClearListTitle, ClearListText, mbYesNo | mbIconQuestion) != idYes) return out;
  worklist.Clear();
  ClearRows(out);
  hotkeywarning_ = false;  // nothing left to clash
  return out;
}

teditoroutcome teditorcommands::importlblClick() {
  teditoroutcome out;
  twindowdisabled disabled(services_.SetWindowEnabled);
  if (!services_.Prompts) return out;
  tfiledialog dialog = ListFileDialog(ImportListTitle, false);
  if (!services_.Prompts->FileDialog(dialog)) return out;

  bool imported = services_.ImportFromFile && services_.ImportFromFile(worklist, dialog.FileName);
  // What was read before a failure stays and is shown; Cancel still discards it.
  if (!imported) Ask(ImportShortcutsTitle, ImportFailedText, mbOK | mbIconError);
  worklist.TidySeparators();
  std::int32_t resolved = services_.CheckHotkeys ? services_.CheckHotkeys(worklist, true) : 0;
  if (resolved == -1)
    Ask(DoubleHotkeysTitle, DoubleHotkeysUnsolvedText, mbOK | mbIconWarning);
  else if (resolved == 1)
    Ask(DoubleHotkeysTitle, DoubleHotkeysSolvedText, mbOK | mbIconInformation);
  return FillShortcutList();
}

teditoroutcome teditorcommands::exportlblClick() {
  teditoroutcome out;
  twindowdisabled disabled(services_.SetWindowEnabled);
  if (worklist.Count() == 0) {
    Ask(ExportListTitle, ExportEmptyText, mbOK | mbIconInformation);
    return out;
  }
  if (!services_.Prompts) return out;
  tfiledialog dialog = ListFileDialog(ExportListTitle, true);
  if (!services_.Prompts->FileDialog(dialog)) return out;
  bool exported = services_.ExportToFile && services_.ExportToFile(worklist, dialog.FileName);
  if (!exported) Ask(ExportErrorTitle, ExportFailedText, mbOK | mbIconError);
  return out;
}

teditoroutcome teditorcommands::oklblClick() {
  accepted = true;
  okclose = true;
  teditoroutcome out;
  out.Close = true;
  return out;
}

teditoroutcome teditorcommands::cancellblClick() {
  teditoroutcome out;
  out.Close = true;
  return out;
}

bool teditorcommands::FormClose() {
  if (okclose) return true;
  return Ask(CloseWarningTitle, CloseWarningText, mbYesNo | mbIconWarning) == idYes;
}

bool teditorcommands::IsEditorKey(std::uint16_t key, bool ctrl, bool shift, bool alt) {
  if (alt) return !ctrl && !shift && (key == vkUp || key == vkDown);
  if (key == vkInsert || key == vkTab) return true;
  if (key == vkDelete) return true;
  if (key == vkA || key == vkG) return ctrl;
  if (key == vkD || key == vkL || key == vkO || key == vkS) return ctrl && !shift;
  return false;
}

teditoroutcome teditorcommands::FormKeyDown(std::uint16_t virtualKey, bool ctrlDown, bool shiftDown, bool altDown) {
  if (!IsEditorKey(virtualKey, ctrlDown, shiftDown, altDown)) return {};
  if (altDown) return MoveSelectedRow(virtualKey == vkUp);
  if (virtualKey == vkInsert) return newlblClick();
  if (virtualKey == vkDelete) return ctrlDown && shiftDown ? clearlblClick() : deletelblClick();
  if (virtualKey == vkD) return duplicatelblClick();
  if (virtualKey == vkL) return separatorlblClick();
  if (virtualKey == vkO) return importlblClick();
  if (virtualKey == vkS) return exportlblClick();
  if (virtualKey == vkTab && !ctrlDown) return shiftDown ? MoveOutOfGroup() : MoveIntoGroupAbove();
  if (virtualKey == vkG && ctrlDown) return shiftDown ? dissolvelblClick() : grouplblClick();
  teditoroutcome out;
  if (virtualKey == vkA && ctrlDown) {
    std::fill(selected_.begin(), selected_.end(), true);
    out.SelectionChanged = true;
  }
  return out;
}

teditoroutcome teditorcommands::FormKeyPress(char key) {
  teditoroutcome out;
  if (key == 13)
    out = oklblClick();
  else if (key == 27)
    out = cancellblClick();
  else
    return out;
  out.Handled = true;
  return out;
}

teditoroutcome teditorcommands::shortcutslbContextPopup(std::int32_t row) {
  if (row < 0 || row >= RowCount()) row = RowCount() - 1;
  std::fill(selected_.begin(), selected_.end(), false);
  if (row >= 0) {
    selected_[static_cast<std::size_t>(row)] = true;
    focused_ = row;
  }
  // The chosen row shows selected before its properties open over it.
  teditoroutcome chosen;
  chosen.SelectionChanged = true;
  chosen.ShowRow = row;
  if (services_.ShowOutcome) services_.ShowOutcome(chosen);
  teditoroutcome out = editlblClick();
  out.SelectionChanged = true;
  out.ShowRow = row;
  out.Handled = true;
  return out;
}

bool teditorcommands::shortcutslbStartDrag() { return SelectedCount() == 1; }

bool teditorcommands::shortcutslbDragOver(bool sourceIsList, const trowhit& hit) {
  if (!sourceIsList) return false;
  const std::int32_t row = SingleSelectedRow();
  const tzvshortcut* source = worklist.GetItem(row);
  if (!source) return true;
  const tdropplace place = DragPlace(worklist, row, hit);
  if (place.IntoItself) {
    status_ = IntoItselfText;
    return false;
  }
  const tzvshortcut* target = (hit.Row >= 0 && hit.Row < RowCount()) ? worklist.GetItem(hit.Row) : nullptr;
  status_ = DragOverText(*source, target, hit.LowerHalf(), place.Into >= 0);
  return place.Allowed;
}

teditoroutcome teditorcommands::shortcutslbDragDrop(const trowhit& hit) {
  teditoroutcome out;
  std::int32_t s = SingleSelectedRow();
  if (s < 0 || s >= worklist.Count()) return out;
  const tdropplace place = DragPlace(worklist, s, hit);
  if (!place.Allowed) return out;
  const int delta = place.Level - worklist.GetItem(s)->Level;
  const std::int32_t n = BlockEnd(worklist, s) - s;
  const bool moves = place.Before < s || place.Before > s + n;
  if (!moves && delta == 0) return out;
  MoveBlock(out, s, place.Before, delta);
  if (moves) {
    focused_ = place.Before > s ? place.Before - n : place.Before;
    UpdateHotkeyWarning();  // the later of two equal hotkeys may be another now
  }
  out.RepaintAll = true;
  return out;
}

void teditorcommands::shortcutslbEndDrag() { status_ = MoveHint; }

teditoroutcome teditorcommands::MoveSelectedRow(bool up) {
  const std::int32_t s = SingleSelectedRow();
  if (s < 0 || s >= worklist.Count()) return {};
  // The gap above the row before, or below the row after the moved block,
  // as a drag to the edge of that row finds it.
  trowhit hit;
  hit.Top = 0, hit.Bottom = 100;
  if (up) {
    if (s == 0) return {};
    hit.Row = s - 1, hit.Y = 0;
  } else {
    const std::int32_t after = BlockEnd(worklist, s);
    if (after >= worklist.Count()) return {};
    hit.Row = after, hit.Y = 100;
  }
  teditoroutcome out = shortcutslbDragDrop(hit);
  out.SelectionChanged = true;
  out.ShowRow = focused_;
  return out;
}

teditoroutcome teditorcommands::shortcutslbDropFiles(const std::vector<std::string>& files, const trowhit& hit) {
  teditoroutcome out;
  tnofiles nofiles;
  tdropfilequery& query = services_.Files ? *services_.Files : nofiles;
  // Into a group at its last level they go after it, at its level.
  const tdropplace place = DropPlace(worklist, hit);
  std::int32_t q = place.Before;
  for (const std::string& path : files) {
    auto s = ShortcutFromDroppedPath(path, query, services_.GetFileIconIndex);
    // An equal shortcut is already there: skip it, the next one takes its place.
    if (InsertEntry(out, q, place.Level, s, false)) ++q;
  }
  return out;
}

}  // namespace zv
