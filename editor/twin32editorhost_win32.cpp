#include <windows.h>

#include <stdexcept>

#include "components/iconindexcache.h"
#include "components/shellimages.h"
#include "editor/teditordialog_win32.h"
#include "editor/tzvshortcutdialog_win32.h"
#include "platform/win32environment.h"
#include "platform/win32filesystem.h"
#include "platform/win32hotkeys.h"
#include "platform/win32registry.h"

namespace zv {

namespace {

// A dropped path counts as a file only when it is an existing plain file.
class twin32dropfiles : public tdropfilequery {
 public:
  bool FileExists(const std::string& path) override {
    if (path.empty()) return false;
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
  }
  std::string ReadStart(const std::string& path, std::size_t maxBytes) override {
    return ProcessFileSystem().ReadFileStart(path, maxBytes);
  }
};

}  // namespace

twin32editorhost::twin32editorhost(tbackgroundicons* icons)
    : icons_(icons), files_(std::make_unique<twin32dropfiles>()) {}

twin32editorhost::~twin32editorhost() {
  if (icons_) icons_->OnArrivals = nullptr;
}

void twin32editorhost::CreateEditorWindow(teditorcommands& commands) {
  dialog_ = std::make_unique<teditordialog>(commands);
  teditordialog* d = dialog_.get();
  teditorservices& s = commands.Services();
  s.Prompts = &prompts_;
  s.Files = files_.get();
  s.EditShortcut = [](tzvshortcut& shortcut, bool editing) { return EditShortcut(editing, shortcut); };
  s.GetFileIconIndex = [d](const std::string& path) {
    const std::string expanded = ProcessEnvironment().Expand(path);
    const std::int32_t index = d->systemil.GetFileIconIndex(expanded);
    ProcessIconCache().Store(expanded, index);
    return index;
  };
  s.FolderIconIndex = [] {
    const int index = ProcessShellImages().FolderIconIndex();
    return index >= 0 ? index : 0;
  };
  s.KnownIconIndex = [](const std::string& path) {
    return ProcessIconCache().Find(ProcessEnvironment().Expand(path));
  };
  // Right after start the program's background lookups may not have come to
  // every path yet: the rows take their icons as those arrive.
  if (tbackgroundicons* lookups = icons_) {
    s.IconLookedUpLater = [lookups](const std::string& path) { return lookups->LookedUpLater(path); };
    lookups->OnArrivals = [d, &commands] { d->ApplyOutcome(commands.TakeKnownIcons()); };
  }
  s.CheckHotkeys = [d](tzvshortcutlist& list, bool resolve) {
    twin32hotkeys trial(d->Handle());
    return list.CheckHotkeys(trial, resolve);
  };
  s.ImportFromFile = [](tzvshortcutlist& list, const std::string& file) { return list.ImportFromFile(file); };
  s.ExportToFile = [](tzvshortcutlist& list, const std::string& file) { return list.ExportToFile(file); };
  s.SetWindowEnabled = [d](bool on) {
    EnableWindow(d->Handle(), on ? TRUE : FALSE);
    if (on) {
      SetForegroundWindow(d->Handle());
      SetFocus(d->shortcutslb.Handle());
    }
  };
  s.ShowOutcome = [d](const teditoroutcome& outcome) {
    d->ApplyOutcome(outcome);
    UpdateWindow(d->shortcutslb.Handle());
  };
  d->UseDpi(Dpi);
  if (!d->CreateForm()) throw std::runtime_error("The shortcut editor could not be created.");
  prompts_.SetMainWindow(d->Handle());
}

void twin32editorhost::ApplyOutcome(const teditoroutcome& outcome) {
  if (dialog_) dialog_->ApplyOutcome(outcome);
}

void twin32editorhost::ShowModal() {
  if (dialog_) dialog_->ShowModal();
}

void twin32editorhost::DestroyEditorWindow() {
  if (icons_) icons_->OnArrivals = nullptr;
  dialog_.reset();
}

bool twin32editorhost::SaveToRegistry(tzvshortcutlist& list) {
  return list.SaveToRegistry(ProcessRegistry(), ShortcutListKey);
}

bool ShowShortcutEditor(tzvshortcutlist& list, tbackgroundicons* icons) {
  twin32editorhost host(icons);
  return EditShortcutList(list, host);
}

}  // namespace zv
