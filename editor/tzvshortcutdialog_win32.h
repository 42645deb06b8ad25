#pragma once
// The shortcut properties dialog: name, hotkey, view style, type and the
// target fields of the type, written into the shortcut only on a valid OK.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "core/userprompts.h"
#include "editor/shortcutdialoglogic.h"
#include "platform/win32iconpicker.h"
#include "model/tzvshortcut.h"
#include "toolkit/tform.h"

namespace zv {

class tzvshortcutdialog : public tform {
 public:
  tzvshortcutdialog(tzvshortcut& shortcut, bool editing);
  ~tzvshortcutdialog() override;

  bool accepted = false;
  // The file dialogs and the folder browser; the real ones unless replaced.
  tuserprompts* Prompts;
  std::function<bool(HWND owner, const std::string& prompt, std::string& folder)> BrowseFolder;
  // The icon picker; the system's unless replaced. Where there is none, a
  // file dialog chooses the first icon of a file.
  std::function<ticonpick(HWND owner, ticonlocation& location)> PickIcon;

  HWND shortcuttypecb = nullptr;
  HWND captioneb = nullptr;
  HWND hotkeyhk = nullptr;
  HWND viewstylecb = nullptr;
  HWND executableeb = nullptr, parameterseb = nullptr, workingdirectoryeb = nullptr;
  HWND filenameeb = nullptr;
  HWND foldereb = nullptr, fullexplorercb = nullptr;
  tcontainer* shortcutpropertiesgb = nullptr;
  tcontainer* applicationpanel = nullptr;
  tcontainer* filepanel = nullptr;
  tcontainer* folderpanel = nullptr;
  tcontainer* currentpanel = nullptr;
  tspeedbutton *executablebtn = nullptr, *workingdirectorybtn = nullptr, *filenamebtn = nullptr,
               *folderbtn = nullptr;
  tshape* hotkeywarningshape = nullptr;
  timage* hotkeywarningimg = nullptr;
  tlabel* hotkeywarninglbl = nullptr;
  tlabel* oklbl = nullptr;
  tlabel* cancellbl = nullptr;
  tlabel* iconlbl = nullptr;
  tlabel* defaulticonlbl = nullptr;
  timage* iconimg = nullptr;
  timage* defaulticonimg = nullptr;

  tshortcutformvalues FormValues() const;
  void shortcuttypecbChange();
  void captionebChange();
  void oklblClick();
  void cancellblClick();
  void filenamebtnClick();
  void executablebtnClick();
  void workingdirectorybtnClick();
  void folderbtnClick();
  void iconlblClick();
  void defaulticonlblClick();

 protected:
  void BuildControls() override;
  void FormCreate() override;
  void FormShow() override;
  void FormKeyPress(char& key) override;
  void FormDpiChanged() override;

 private:
  void SetItemHeight(HWND list, int itemHeight);
  void MakeImageLists();
  void FrameWarning();
  // Shows the picture of the icon chosen so far, and the reset when there is one.
  void ShowIcon(std::int32_t index);
  std::int32_t ChosenIconIndex() const;
  tlabel& FieldLabel(HWND parent, const std::string& name, const std::string& text, int x, int y);
  HWND Edit(HWND parent, int x, int y, int w);
  tspeedbutton& BrowseButton(HWND parent, int x, int y, std::function<void()> click);
  HWND OwnerDrawnList(HWND parent, int x, int y, int w, int itemHeight);
  void DrawListItem(const DRAWITEMSTRUCT& item, HIMAGELIST images, int pictureTop);
  bool ChooseFile(HWND edit, const std::string& title, const std::string& filter, bool followLinks);

  tzvshortcut& shortcut_;
  bool editing_;
  std::string icon_;  // the Icon the form holds
  std::int32_t iconIndex_ = -1;
  HIMAGELIST shortcuttypeil_ = nullptr;
  HIMAGELIST viewstyleil_ = nullptr;
};

// Shows the dialog on the shortcut; true only after a valid OK. On false the
// shortcut is unchanged. The dialog is destroyed before this returns.
bool EditShortcut(bool editing, tzvshortcut& shortcut);

}  // namespace zv
