#include "ui/taboutdialog_win32.h"

#include <shellapi.h>

#include "core/accesskey.h"
#include "resources/resource.h"
#include "ui/abouttexts.h"
#include "ui/dialogkeys.h"

namespace zv {

taboutdialog::taboutdialog() : tform("taboutdialog", "About", 341, 145) {
  OpenUrl = [](const std::string& url) {
    ShellExecuteA(GetDesktopWindow(), nullptr, url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  };
}

void taboutdialog::BuildControls() {
  AddDialogLook(109, IDB_TITLEABOUT, 49, 16);
  tfontdescription bold = Fonts().Font;
  bold.Bold = true;
  zorvanelbl = &AddOwnFontLabel(nullptr, "zorvanelbl", "Zorvane", 120, 8, 0, 0, bold);
  versionlbl = &AddLabel(nullptr, "versionlbl", AboutVersionText, 120, 24);
  copyrightlbl = &AddLabel(nullptr, "copyrightlbl", AboutCopyrightText, 120, 44);
  tfontdescription link = Fonts().Font;
  link.Underline = true;
  link.Colour = LinkColour;
  wwwlbl = &AddOwnFontLabel(nullptr, "wwwlbl", AboutWebAddress, 120, 60, 0, 0, link);
  wwwlbl->MakeLink();
  OnCommand(*wwwlbl, [this] { wwwlblClick(); });
  portionscopyrightlbl = &AddLabel(nullptr, "portionscopyrightlbl", AboutPortionsText, 120, 80);
  licenselbl = &AddLabel(nullptr, "licenselbl", "", 120, 100, 213, 39);
  licenselbl->AutoSize = false;
  licenselbl->WordWrap = true;
  oklbl = &AddLinkCommand("oklbl", "OK", 120, 17, IDI_CHECKMARK, 0, true, [this] { oklblClick(); });
}

void taboutdialog::FormCreate() {
  ApplyFontFallback();
  ShowIconAndTitle();
}

void taboutdialog::oklblClick() { Close(tmodalresult::OK); }

void taboutdialog::wwwlblClick() {
  // The window stays open; whether a browser came up is not checked.
  if (OpenUrl) OpenUrl(AboutLinkUrl(WithoutAccessKeys(wwwlbl->Text())));
}

void taboutdialog::FormKeyPress(char& key) {
  if (OptionsDialogKey(key) != tdialogkey::PassOn) {
    key = 0;
    Close(tmodalresult::Cancel);
  }
}

void ShowAboutWindow() {
  taboutdialog dialog;
  if (!dialog.CreateForm()) return;
  dialog.ShowModal();
}

}  // namespace zv
