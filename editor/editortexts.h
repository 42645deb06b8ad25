#pragma once
// The editor's own texts: titles, questions, messages and the status line.
namespace zv {

inline constexpr const char* EditorCaption = "Shortcut Editor";
inline constexpr const char* MoveHint = "Drag a shortcut to move it; Tab/Shift+Tab: into/out of a group.";
inline constexpr const char* IntoItselfText = "A group cannot be moved into itself.";
inline constexpr const char* NewGroupCaption = "New Group";
inline constexpr const char* DropTip =
    "You can add a shortcut to an executable, file or folder by dropping it into the shortcut list.";
inline constexpr const char* HotkeyWarningText = "One or more shortcuts are using invalid hotkeys.";

inline constexpr const char* EditShortcutsTitle = "Edit Shortcuts";
inline constexpr const char* EditShortcutsText = "You can't edit more than one shortcut at the same time.";
inline constexpr const char* DeleteShortcutTitle = "Delete Shortcut";
inline constexpr const char* DeleteShortcutText = "Do you really want to delete the shortcut ";  // "Caption"?
inline constexpr const char* DeleteSeparatorTitle = "Delete Separator";
inline constexpr const char* DeleteSeparatorText = "Do you really want to delete this separator?";
inline constexpr const char* DeleteGroupTitle = "Delete Group";
inline constexpr const char* DeleteShortcutsTitle = "Delete Shortcuts";
inline constexpr const char* DeleteShortcutsText = "Do you really want to delete the selected shortcuts?";
inline constexpr const char* ClearListTitle = "Clear List";
inline constexpr const char* ClearListText = "Do you really want to delete all shortcuts?";
inline constexpr const char* ImportShortcutsTitle = "Import Shortcuts";
inline constexpr const char* ImportFailedText = "An error occured while importing the shortcut list.";
inline constexpr const char* DoubleHotkeysTitle = "Double Hotkeys";
inline constexpr const char* DoubleHotkeysUnsolvedText =
    "Zorvane detected that some shortcuts were using the same hotkeys. Some problems could not be solved.";
inline constexpr const char* DoubleHotkeysSolvedText =
    "Zorvane detected that some shortcuts were using the same hotkeys. These problems have been solved.";
inline constexpr const char* ExportListTitle = "Export List";
inline constexpr const char* ExportEmptyText = "The shortcut list is empty.";
inline constexpr const char* ExportErrorTitle = "Error";
inline constexpr const char* ExportFailedText = "The shortcut list could not be exported.";
inline constexpr const char* ImportListTitle = "Import List";
inline constexpr const char* SaveShortcutsTitle = "Save Shortcuts";
inline constexpr const char* SaveFailedText =
    "The shortcut list could not be stored in the registry under "
    "HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts.\r\r"
    "Zorvane goes on with the edited list, but the next start may not have it. To keep a copy, "
    "open the shortcut editor again and export the list.";
inline constexpr const char* CloseWarningTitle = "Warning";
inline constexpr const char* CloseWarningText =
    "All your changes will be lost.\r\nAre you sure you want to close this window without saving?";

}  // namespace zv
