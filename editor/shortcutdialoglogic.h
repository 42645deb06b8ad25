#pragma once
// What the shortcut properties dialog decides, apart from its window: the
// caption, the check of name and target, the working-directory default and
// how the confirmed fields go into the shortcut. A group has its name only.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/iconlocation.h"
#include "model/tzvshortcut.h"

namespace zv {

inline constexpr const char* MissingInformationTitle = "Missing Information";
inline constexpr const char* MissingInformationText =
    "You have to specify at least a name and a target (executable, file or folder) for the "
    "shortcut.";
inline constexpr const char* MissingGroupNameText = "You have to specify a name for the group.";

// The texts and states of the dialog's controls.
struct tshortcutformvalues {
  bool Group = false;  // only the name is shown
  int TypeIndex = 0;   // 0 Application, 1 File, 2 Folder
  int ViewIndex = 1;  // -1: none chosen, the style stays
  std::string Caption;
  std::uint16_t Hotkey = 0;
  std::string Executable;
  std::string Parameters;
  std::string WorkingDirectory;
  std::string FileName;
  std::string Folder;
  bool FullExplorer = false;
  std::string Icon;  // empty: the default icon
};

// Where the icon picker opens for an entry without an icon of its own and
// without a file of icons as its target.
inline constexpr const char* SystemIconLibrary = "%SystemRoot%\\System32\\shell32.dll";

// The file dialog that chooses an icon where the system has no picker.
inline constexpr const char* IconFileDialogTitle = "Icon Selection";
inline constexpr const char* IconFileDialogFilter =
    "Icons (*.ico, *.exe, *.dll)|*.ico;*.exe;*.dll|All Files (*.*)|*.*";

// Blanks and control characters (bytes up to 32) removed at both ends.
std::string TrimBlanks(std::string_view text);

// "Edit shortcut \"name\"" or "New shortcut \"name\"", the name as typed;
// "group" for a group.
std::string ShortcutDialogCaption(bool editing, std::string_view name, bool group = false);

// "The assigned hotkey ... is already in use ..." for the warning panel.
std::string HotkeyWarningText(std::string_view hotkeyText);

// The folder of a path: up to the last backslash or colon, that backslash
// dropped unless a colon or backslash comes before it ("C:\Tools\app.exe"
// gives "C:\Tools", "C:\app.exe" gives "C:\", "app.exe" gives "").
std::string WorkingDirectoryOf(std::string_view path);

// The controls as the shortcut fills them when the dialog is shown; the
// fields of the other types stay empty.
tshortcutformvalues ShortcutToForm(const tzvshortcut& shortcut);

// The chosen type's target, trimmed.
std::string FormTarget(const tshortcutformvalues& form);

// True when both the trimmed name and the trimmed target are non-empty; a
// group needs the name only.
bool FormIsComplete(const tshortcutformvalues& form);

// Writes a complete form into the shortcut; fields the chosen type does not
// show keep their values. A group takes its name only.
void FormToShortcut(const tshortcutformvalues& form, tzvshortcut& shortcut);

// What the form's picture is looked up by: its icon, falling back to the
// chosen type's target (a group's: its folder icon).
std::string FormIconSource(const tshortcutformvalues& form);

// The icon the picker opens with: the form's own, else the first of a
// program, library or icon file it targets, else the system's library.
ticonlocation IconPickerStart(const tshortcutformvalues& form);

}  // namespace zv
