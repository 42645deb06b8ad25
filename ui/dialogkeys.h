#pragma once
// What Enter and Escape do in the dialog windows, which see key presses
// before their controls.
namespace zv {

enum class tdialogkey {
  PassOn,   // the focused control gets the key
  Confirm,  // acts as OK; the key is consumed
  Cancel,   // acts as Cancel; the key is consumed
  Swallow,  // consumed, nothing happens
};

// The options and about windows: Enter confirms (the about window just
// closes), Escape cancels.
tdialogkey OptionsDialogKey(char key);
// The shortcut properties dialog: Enter in the hotkey control does nothing at
// all, Enter elsewhere confirms, Escape cancels.
tdialogkey ShortcutDialogKey(char key, bool hotkeyFocused);

}  // namespace zv
