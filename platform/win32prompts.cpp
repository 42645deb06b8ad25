#include "platform/win32prompts.h"

#include <algorithm>

#include <commdlg.h>
#include <cderr.h>

#include <vector>

namespace zv {

twin32prompts& ProcessPrompts() {
  static twin32prompts prompts;
  return prompts;
}

HWND twin32prompts::Owner(tpromptowner owner) const {
  if (owner == tpromptowner::MainWindow && main_ && IsWindow(main_)) return main_;
  return GetDesktopWindow();
}

int twin32prompts::ShowMessageBox(tpromptowner owner, const std::string& title,
                              const std::string& text, std::uint32_t flags) {
  return MessageBoxA(Owner(owner), text.c_str(), title.c_str(), flags);
}

void twin32prompts::ErrorDialog(const std::string& text) {
  // The framework's error dialog: German caption, one OK button.
  MessageBoxA(Owner(tpromptowner::MainWindow), text.c_str(), "Fehler", MB_OK | MB_ICONERROR);
}

std::string DialogFilter(const std::string& filter) {
  std::string out = filter;
  for (char& c : out)
    if (c == '|') c = '\0';
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

bool twin32prompts::FileDialog(tfiledialog& d) {
  // Room for the longest path the system knows, 32,767 UTF-16 units, at
  // three bytes of UTF-8 each: no choice is ever cut.
  std::vector<char> name(32767 * 3 + 1, '\0');
  d.FileName.copy(name.data(), name.size() - 1);
  const std::string filter = DialogFilter(d.Filter);
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Owner(tpromptowner::MainWindow);
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrTitle = d.Title.empty() ? nullptr : d.Title.c_str();
  ofn.lpstrDefExt = d.DefaultExt.empty() ? nullptr : d.DefaultExt.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (d.OverwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (d.HideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  if (d.PathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;
  if (d.FileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (d.NoReadOnlyReturn) ofn.Flags |= OFN_NOREADONLYRETURN;
  if (d.EnableSizing) ofn.Flags |= OFN_ENABLESIZING;
  if (d.NoDereferenceLinks) ofn.Flags |= OFN_NODEREFERENCELINKS;
  if (d.OwnerWindow) ofn.hwndOwner = reinterpret_cast<HWND>(d.OwnerWindow);
  BOOL ok = d.Save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!ok && name[0] && CommDlgExtendedError() == FNERR_INVALIDFILENAME) {
    // A start name the dialog refuses (quotes, wildcards, a bad path) would
    // keep it from opening at all: open it without one.
    std::fill(name.begin(), name.end(), '\0');
    ok = d.Save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  }
  if (!ok) return false;
  d.FileName = name.data();
  return true;
}

}  // namespace zv
