#include "editor/teditorcommands.h"

#include <algorithm>
#include <memory>

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
    if (s->ShortcutType == stSeparator) continue;  // drawn as a line, without icon
    const std::int32_t known = services_.KnownIconIndex ? services_.KnownIconIndex(s->Path) : -1;
    if (known >= 0)
      s->ImageIndex = known;
    else if (services_.IconLookedUpLater && services_.IconLookedUpLater(s->Path))
      s->ImageIndex = -1;  // no icon rather than a wrong one, until it is known
    else
      s->ImageIndex = IconIndex(s->Path);
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
    if (s->ImageIndex >= 0 || s->ShortcutType == stSeparator) continue;
    const std::int32_t known = services_.KnownIconIndex(s->Path);
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

void teditorcommands::ClearRows(teditoroutcome& out) {
  selected_.clear();
  focused_ = -1;
  out.Rows.push_back({trowchange::Clear, 0, 0});
  out.SelectionChanged = true;
}

teditoroutcome teditorcommands::newlblClick() {
  teditoroutcome out;
  std::int32_t p = InsertPosition();
  auto s = std::make_unique<tzvshortcut>();
  if (!services_.EditShortcut || !services_.EditShortcut(*s, false)) return out;
  s->ImageIndex = IconIndex(s->Path);
  bool inserted = worklist.Insert(p, s, false);
  UpdateHotkeyWarning();
  if (inserted) InsertRow(out, p);
  return out;
}

teditoroutcome teditorcommands::separatorlblClick() {
  teditoroutcome out;
  std::int32_t p = InsertPosition();
  auto s = std::make_unique<tzvshortcut>();
  s->ShortcutType = stSeparator;
  if (worklist.Insert(p, s, true)) InsertRow(out, p);
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
  if (!entry || entry->ShortcutType == stSeparator || !services_.EditShortcut) return out;
  if (services_.EditShortcut(*entry, true)) {
    entry->ImageIndex = IconIndex(entry->Path);
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
    auto copy = std::make_unique<tzvshortcut>();
    copy->Assign(worklist.GetItem(i));
    if (worklist.Insert(i + 1, copy, true)) {
      InsertRow(out, i + 1);
      i += 2;  // past the copy: a copy is never copied again
    } else {
      ++i;
    }
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
    const tzvshortcut* entry = worklist.GetItem(SingleSelectedRow());
    if (!entry) return out;
    if (entry->ShortcutType == stSeparator)
      answer = Ask(DeleteSeparatorTitle, DeleteSeparatorText, mbYesNo | mbIconQuestion);
    else
      answer = Ask(DeleteShortcutTitle, std::string(DeleteShortcutText) + "\"" + entry->Caption + "\"?",
                   mbYesNo | mbIconQuestion);
  } else {
    answer = Ask(DeleteShortcutsTitle, DeleteShortcutsText, mbYesNo | mbIconQuestion);
  }
  if (answer != idYes) return out;
  std::int32_t i = 0;
  while (i < worklist.Count()) {
    if (IsSelected(i)) {
      worklist.Delete(i);
      DeleteRow(out, i);
    } else {
      ++i;
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

teditoroutcome teditorcommands::FormKeyDown(std::uint16_t virtualKey, bool ctrlDown) {
  if (virtualKey == vkInsert) return newlblClick();
  if (virtualKey == vkDelete) return deletelblClick();
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
  const tzvshortcut* source = worklist.GetItem(SingleSelectedRow());
  if (!source) return true;
  const tzvshortcut* target = (hit.Row >= 0 && hit.Row < RowCount()) ? worklist.GetItem(hit.Row) : nullptr;
  status_ = DragOverText(*source, target, hit.LowerHalf());
  return true;
}

teditoroutcome teditorcommands::shortcutslbDragDrop(const trowhit& hit) {
  teditoroutcome out;
  std::int32_t s = SingleSelectedRow();
  if (s < 0 || s >= worklist.Count()) return out;
  std::int32_t d = DragDestination(s, hit, RowCount());
  if (d == s || d < 0) return out;
  worklist.Move(s, d);
  MoveRow(out, s, d);
  focused_ = d;
  return out;
}

void teditorcommands::shortcutslbEndDrag() { status_ = MoveHint; }

teditoroutcome teditorcommands::shortcutslbDropFiles(const std::vector<std::string>& files, const trowhit& hit) {
  teditoroutcome out;
  tnofiles nofiles;
  tdropfilequery& query = services_.Files ? *services_.Files : nofiles;
  std::int32_t q = DropInsertPosition(hit, RowCount());
  for (const std::string& path : files) {
    auto s = ShortcutFromDroppedPath(path, query, services_.GetFileIconIndex);
    // An equal shortcut is already there: skip it, the next one takes its place.
    if (worklist.Insert(q, s, false)) {
      InsertRow(out, q);
      ++q;
    }
  }
  return out;
}

}  // namespace zv
