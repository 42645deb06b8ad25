#pragma once
// Questions and messages put to the user, and the file dialogs. The Win32
// side shows real message boxes; tests answer from a script and record what
// was asked.
#include <cstdint>
#include <string>

namespace zv {

// Message-box flags and answers, numbered as the system numbers them.
enum : std::uint32_t {
  mbOK = 0x0,
  mbYesNo = 0x4,
  mbIconError = 0x10,
  mbIconQuestion = 0x20,
  mbIconWarning = 0x30,
  mbIconInformation = 0x40,
};
enum : int { idOK = 1, idCancel = 2, idYes = 6, idNo = 7 };

// Who owns a box: the program's hidden main window, or the desktop when
// there is no window (the setup actions).
enum class tpromptowner { MainWindow, Desktop };

struct tfiledialog {
  std::string Title;
  std::string Filter;  // "Shortcut Lists (*.shl)|*.shl"
  std::string DefaultExt;
  std::string FileName;  // initial name; the chosen one on return
  bool Save = false;
  bool OverwritePrompt = false;
  bool HideReadOnly = false;
  bool PathMustExist = false;
  bool FileMustExist = false;
  bool NoReadOnlyReturn = false;
  bool EnableSizing = false;
  bool NoDereferenceLinks = false;  // a chosen link file is the choice itself
  std::uintptr_t OwnerWindow = 0;   // the owning window's handle; 0: the main window
};

class tuserprompts {
 public:
  virtual ~tuserprompts() = default;
  virtual int ShowMessageBox(tpromptowner owner, const std::string& title, const std::string& text,
                         std::uint32_t flags) = 0;
  // The framework's own error dialog: caption "Fehler", one "OK" button.
  virtual void ErrorDialog(const std::string& text) = 0;
  // False when the user cancelled; dialog.FileName holds the choice.
  virtual bool FileDialog(tfiledialog& dialog) = 0;
};

}  // namespace zv

namespace zv {

// The dialogs that choose a .shl list file: for saving (the uninstall's and
// the editor's export) or for opening (the editor's import).
inline tfiledialog ListFileDialog(const std::string& title, bool save) {
  tfiledialog d;
  d.Title = title;
  d.Filter = "Shortcut Lists (*.shl)|*.shl";
  d.DefaultExt = "shl";
  d.Save = save;
  d.HideReadOnly = true;
  d.PathMustExist = true;
  d.EnableSizing = true;
  if (save) {
    d.OverwritePrompt = true;
    d.NoReadOnlyReturn = true;
  } else {
    d.FileMustExist = true;
  }
  return d;
}

}  // namespace zv
