#pragma once
// Runs the shortcut editor on a copy of the program's list and hands the
// result back only when the user leaves with OK.
#include "editor/teditorcommands.h"

namespace zv {

// The editor window's life, as the editor unit drives it.
class teditorwindowhost {
 public:
  virtual ~teditorwindowhost() = default;
  // Creates the window (FormCreate) around these commands and gives them
  // their services; the window handle must exist from here on, because the
  // hotkey check tries registrations on it.
  virtual void CreateEditorWindow(teditorcommands& commands) = 0;
  // Mirrors an outcome on the rows (used for the first filling).
  virtual void ApplyOutcome(const teditoroutcome& outcome) = 0;
  // Shows the window modally; returns when it has closed.
  virtual void ShowModal() = 0;
  // Always called once CreateEditorWindow was called, also after an error.
  virtual void DestroyEditorWindow() = 0;
  // Stores the accepted list under ShortcutListKey; false when that failed.
  virtual bool SaveToRegistry(tzvshortcutlist& list) = 0;
};

// True when the user left with OK: list then holds the edited entries,
// separators tidied, and has been stored; a failed store is reported to the
// user, and list keeps the edited entries all the same. False leaves list
// untouched.
bool EditShortcutList(tzvshortcutlist& list, teditorwindowhost& host);

}  // namespace zv
