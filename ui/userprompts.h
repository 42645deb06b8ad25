#pragma once
// Modal questions and messages to the user. The core decides what to say;
// the Win32 side shows a message box, a test records and answers.
#include <string>

namespace zv {

// Buttons and icons, valued as the system values them.
enum : unsigned {
  mbOK = 0x00,
  mbYesNo = 0x04,
  mbIconError = 0x10,
  mbIconQuestion = 0x20,
  mbIconWarning = 0x30,
  mbIconInformation = 0x40,
};

// Answers, valued as the system values them.
enum : int { idOK = 1, idCancel = 2, idYes = 6, idNo = 7 };

class tuserprompts {
 public:
  virtual ~tuserprompts() = default;
  // Shows a modal message box; answers the button the user chose.
  virtual int ShowMessageBox(const std::string& title, const std::string& text,
                             unsigned flags) = 0;
};

// The caption of the framework's error dialog (its German texts).
inline constexpr const char* ErrorDialogTitle = "Fehler";

// An error message with the error icon and a single OK button.
inline void ShowErrorDialog(tuserprompts& prompts, const std::string& text) {
  prompts.ShowMessageBox(ErrorDialogTitle, text, mbIconError | mbOK);
}

}  // namespace zv
