#include "settings/toptionsdialog_win32.h"

#include <commctrl.h>

#include "model/hotkeyvalue.h"
#include "platform/win32appidentity.h"
#include "platform/win32registry.h"
#include "resources/resource.h"
#include "ui/dialogkeys.h"

namespace zv {

namespace {

bool Checked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetChecked(HWND box, bool on) { SendMessageA(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

}  // namespace

toptionsdialog::toptionsdialog(tsettings& settings)
    : tform("toptionsdialog", "Options", 381, 263), settings_(settings) {}

void toptionsdialog::BuildControls() {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&icc);
  AddDialogLook(125, IDB_TITLEOPTIONS, 64, 18);
  oklbl = &AddLinkCommand("oklbl", "OK", 172, 17, 0, IDB_LINKARROW, true, [this] { oklblClick(); });
  cancellbl = &AddLinkCommand("cancellbl", "Cancel", 192, 41, 0, IDB_LINKARROW, true,
                              [this] { cancellblClick(); });
  const DWORD check = BS_AUTOCHECKBOX | WS_TABSTOP;
  appearancecb = &AddGroupBox(nullptr, " Appearance ", 136, 8, 237, 85);
  HWND a = appearancecb->Handle();
  uselargeiconscb = AddControl(a, "BUTTON", "&Display large icons in shortcut menu", check, 0, 8, 20, 193, 17);
  displayhotkeyscb = AddControl(a, "BUTTON", "Di&splay hotkeys in shortcut menu", check, 0, 8, 40, 181, 17);
  uselargeeditoriconscb =
      AddControl(a, "BUTTON", "Displa&y large icons in shortcut editor", check, 0, 8, 60, 197, 17);
  integrationgb = &AddGroupBox(nullptr, " Windows Integration ", 136, 100, 237, 155);
  HWND g = integrationgb->Handle();
  autoloadcb = AddControl(g, "BUTTON", "&Load on startup", check, 0, 8, 20, 97, 17);
  usesendtomenucb = AddControl(g, "BUTTON", "&Integrate into \"Send to\" menu", check, 0, 8, 40, 165, 17);
  usemenuhotkeycb = AddControl(g, "BUTTON", "&Register shortcut menu hotkey", check, 0, 8, 60, 221, 17);
  winpluslbl = &AddLabel(g, "winpluslbl", "Win+", 26, 83, 26, 13);
  menuhotkeyhk = AddControl(g, HOTKEY_CLASSA, "", WS_TABSTOP, WS_EX_CLIENTEDGE, 56, 80, 173, 19);
  usefindhotkeycb = AddControl(g, "BUTTON", "Use &find hotkey", check, 0, 8, 106, 221, 17);
  findwinpluslbl = &AddLabel(g, "findwinpluslbl", "Win+", 26, 129, 26, 13);
  findhotkeyhk = AddControl(g, HOTKEY_CLASSA, "", WS_TABSTOP, WS_EX_CLIENTEDGE, 56, 126, 173, 19);
  // Any key, with or without Shift, Ctrl and Alt: the Windows key comes with
  // the registration.
  for (HWND hotkey : {menuhotkeyhk, findhotkeyhk}) SendMessageA(hotkey, HKM_SETRULES, 0, 0);
}

void toptionsdialog::FormCreate() {
  accepted = false;
  ApplyFontFallback();
  ShowIconAndTitle();
  const tsettings& v = settings_;
  SetChecked(uselargeiconscb, v.UseLargeIcons);
  SetChecked(displayhotkeyscb, v.DisplayHotkeys);
  SetChecked(uselargeeditoriconscb, v.UseLargeEditorIcons);
  SetChecked(autoloadcb, v.AutoLoad);
  SetChecked(usesendtomenucb, v.UseSendToMenu);
  SetChecked(usemenuhotkeycb, v.UseMenuHotKey);
  SendMessageA(menuhotkeyhk, HKM_SETHOTKEY, HotkeyToControl(v.MenuHotKey).Word(), 0);
  SetChecked(usefindhotkeycb, v.UseFindHotKey);
  SendMessageA(findhotkeyhk, HKM_SETHOTKEY, HotkeyToControl(v.FindHotKey).Word(), 0);
}

tsettings toptionsdialog::FormValues() const {
  tsettings v = settings_;
  v.UseLargeIcons = Checked(uselargeiconscb);
  v.DisplayHotkeys = Checked(displayhotkeyscb);
  v.UseLargeEditorIcons = Checked(uselargeeditoriconscb);
  v.AutoLoad = Checked(autoloadcb);
  v.UseSendToMenu = Checked(usesendtomenucb);
  v.UseMenuHotKey = Checked(usemenuhotkeycb);
  v.MenuHotKey = HotkeyFromControlWord(static_cast<std::uint32_t>(SendMessageA(menuhotkeyhk, HKM_GETHOTKEY, 0, 0)));
  v.UseFindHotKey = Checked(usefindhotkeycb);
  v.FindHotKey = HotkeyFromControlWord(static_cast<std::uint32_t>(SendMessageA(findhotkeyhk, HKM_GETHOTKEY, 0, 0)));
  return v;
}

void toptionsdialog::oklblClick() {
  settings_ = FormValues();
  accepted = true;
  Close(tmodalresult::OK);
}

void toptionsdialog::cancellblClick() { Close(tmodalresult::Cancel); }

void toptionsdialog::FormKeyPress(char& key) {
  switch (OptionsDialogKey(key)) {
    case tdialogkey::Confirm: key = 0; oklblClick(); break;
    case tdialogkey::Cancel: key = 0; cancellblClick(); break;
    default: break;
  }
}

bool ShowOptions(tsettings& settings, const std::function<void(tsettings&)>& save) {
  toptionsdialog dialog(settings);
  if (!dialog.CreateForm()) return false;
  dialog.ShowModal();
  if (dialog.accepted && save) save(settings);
  return dialog.accepted;
}

bool ShowOptions() {
  return ShowOptions(Settings(), [](tsettings& s) { SaveSettings(s, ProcessRegistry(), ProcessIdentity()); });
}

}  // namespace zv
