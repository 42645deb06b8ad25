#include "editor/shortcutdialoglogic.h"

#include "core/iconlocation.h"
#include "core/textutil.h"

namespace zv {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Files the icon picker shows icons of.
bool HoldsIcons(std::string_view path) {
  const std::size_t dot = path.find_last_of(".\\");
  if (dot == std::string_view::npos || path[dot] != '.') return false;
  const std::string extension = UpperAscii(std::string(path.substr(dot)));
  return extension == ".EXE" || extension == ".DLL" || extension == ".ICO" || extension == ".CPL";
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

std::string ShortcutDialogCaption(bool editing, std::string_view name, bool group) {
  std::string caption = editing ? "Edit " : "New ";
  caption += group ? "group " : "shortcut ";
  caption += '"';
  caption += name;
  caption += '"';
  return caption;
}

std::string HotkeyWarningText(std::string_view hotkeyText) {
  return "The assigned hotkey " + std::string(hotkeyText) +
         " is already in use by another shortcut or application. Please choose another one.";
}

std::string WorkingDirectoryOf(std::string_view path) {
  const std::size_t at = path.find_last_of("\\:");
  if (at == std::string_view::npos) return std::string();
  std::string dir(path.substr(0, at + 1));
  // A trailing backslash goes unless it is the root's ("C:\") or part of a
  // double one ("\\server\").
  if (path[at] == '\\' && at > 0 && path[at - 1] != ':' && path[at - 1] != '\\') dir.pop_back();
  return dir;
}

tshortcutformvalues ShortcutToForm(const tzvshortcut& s) {
  tshortcutformvalues f;
  f.Group = s.IsGroup();
  f.TypeIndex = (s.ShortcutType >= stApplication && s.ShortcutType <= stFolder) ? s.ShortcutType - 1 : 0;
  f.ViewIndex = s.ViewStyle <= vsMaximized ? s.ViewStyle : -1;  // no choice shown
  f.Caption = s.Caption;
  f.Hotkey = s.Hotkey;
  f.Icon = s.Icon;
  switch (s.ShortcutType) {
    case stFile:
      f.FileName = s.Path;
      break;
    case stFolder:
      f.Folder = s.Path;
      f.FullExplorer = s.FullExplorer;
      break;
    default:
      f.Executable = s.Path;
      f.Parameters = s.Parameters;
      f.WorkingDirectory = s.WorkingDir;
      break;
  }
  return f;
}

std::string FormTarget(const tshortcutformvalues& f) {
  switch (f.TypeIndex) {
    case 1: return TrimBlanks(f.FileName);
    case 2: return TrimBlanks(f.Folder);
    default: return TrimBlanks(f.Executable);
  }
}

bool FormIsComplete(const tshortcutformvalues& f) {
  if (f.Group) return !TrimBlanks(f.Caption).empty();
  return !TrimBlanks(f.Caption).empty() && !FormTarget(f).empty();
}

void FormToShortcut(const tshortcutformvalues& f, tzvshortcut& s) {
  s.Caption = f.Caption;
  s.Icon = f.Icon;
  if (f.Group) return;
  s.Hotkey = f.Hotkey;
  switch (f.TypeIndex) {
    case 1:
      s.ShortcutType = stFile;
      s.Path = TrimBlanks(f.FileName);
      break;
    case 2:
      s.ShortcutType = stFolder;
      s.Path = TrimBlanks(f.Folder);
      s.FullExplorer = f.FullExplorer;
      break;
    default:
      s.ShortcutType = stApplication;
      s.Path = TrimBlanks(f.Executable);
      s.Parameters = TrimBlanks(f.Parameters);
      s.WorkingDir = TrimBlanks(f.WorkingDirectory);
      if (s.WorkingDir.empty()) s.WorkingDir = WorkingDirectoryOf(s.Path);
      break;
  }
  // The view list is disabled (and covered) for files: their style stays.
  if (s.ShortcutType != stFile && f.ViewIndex >= 0 && f.ViewIndex <= vsMaximized)
    s.ViewStyle = static_cast<std::uint8_t>(f.ViewIndex);
}

std::string FormIconSource(const tshortcutformvalues& f) {
  return IconSourceText(f.Icon, f.Group ? std::string() : FormTarget(f));
}

ticonlocation IconPickerStart(const tshortcutformvalues& f) {
  ticonlocation start;
  if (ParseIconLocation(f.Icon, start)) return start;
  const std::string target = f.Group ? std::string() : FormTarget(f);
  if (HoldsIcons(target)) return {target, 0};
  return {SystemIconLibrary, 0};
}

}  // namespace zv
