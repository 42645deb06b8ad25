#include "editor/tzvshortcutdialog_win32.h"

#include <algorithm>
#include <cstring>

#include "core/codepage.h"
#include "model/hotkeytext.h"
#include "model/hotkeyvalue.h"
#include "components/shellimages.h"
#include "components/systemimagelist.h"
#include "platform/win32environment.h"
#include "platform/win32folderbrowser.h"
#include "platform/win32iconpicker.h"
#include "platform/win32prompts.h"
#include "resources/resource.h"
#include "toolkit/colourmode.h"
#include "toolkit/resourcemodule.h"
#include "ui/dialogkeys.h"
#include "platform/win32text.h"

namespace zv {

namespace {

// Three pictures of size x size pixels.
HIMAGELIST IconList(int firstIcon, int size) {
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 3, 0);
  for (int id = firstIcon; id < firstIcon + 3; ++id) {
    HICON icon = LoadIconResource(id, size);
    ImageList_AddIcon(list, icon);
    if (icon) DestroyIcon(icon);
  }
  return list;
}

int ListIndex(HWND list) { return static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0)); }

// Out of sight, out of the tab order and of the access keys.
void Withdraw(HWND control) {
  ShowWindow(control, SW_HIDE);
  EnableWindow(control, FALSE);
}

}  // namespace

tzvshortcutdialog::tzvshortcutdialog(tzvshortcut& shortcut, bool editing)
    : tform("tzvshortcutdialog", "", 445, 333),
      Prompts(&ProcessPrompts()),
      BrowseFolder(BrowseForFolder),
      PickIcon(PickIconLocation),
      shortcut_(shortcut),
      editing_(editing) {}

tzvshortcutdialog::~tzvshortcutdialog() {
  Destroy();  // the lists draw with the image lists until the window goes
  if (shortcuttypeil_) ImageList_Destroy(shortcuttypeil_);
  if (viewstyleil_) ImageList_Destroy(viewstyleil_);
}

tlabel& tzvshortcutdialog::FieldLabel(HWND parent, const std::string& name, const std::string& text,
                                      int x, int y) {
  return AddLabel(parent, name, text, x, y);
}

HWND tzvshortcutdialog::Edit(HWND parent, int x, int y, int w) {
  return AddControl(parent, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, x, y, w, 21);
}

tspeedbutton& tzvshortcutdialog::BrowseButton(HWND parent, int x, int y, std::function<void()> click) {
  tspeedbutton& button = AddSpeedButton(parent, x, y, 21, 21);
  button.SetGlyph(LoadBitmapResourceForDpi(IDB_FOLDERGLYPH, Dpi()));
  OnCommand(button.Handle(), [click = std::move(click)](int code) {
    if (code == BN_CLICKED) click();
  });
  return button;
}

HWND tzvshortcutdialog::OwnerDrawnList(HWND parent, int x, int y, int w, int itemHeight) {
  HWND list = AddControl(parent, "COMBOBOX", "",
                         CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_TABSTOP | WS_VSCROLL,
                         0, x, y, w, 200);
  SetItemHeight(list, itemHeight);
  return list;
}

void tzvshortcutdialog::SetItemHeight(HWND list, int itemHeight) {
  SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Scaled(itemHeight));
  SendMessageA(list, CB_SETITEMHEIGHT, 0, Scaled(itemHeight));
}

void tzvshortcutdialog::MakeImageLists() {
  if (shortcuttypeil_) ImageList_Destroy(shortcuttypeil_);
  if (viewstyleil_) ImageList_Destroy(viewstyleil_);
  shortcuttypeil_ = IconList(IDI_TYPEAPPLICATION, Scaled(16));
  viewstyleil_ = IconList(IDI_VIEWMINIMIZED, Scaled(16));
}

void tzvshortcutdialog::BuildControls() {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&icc);
  MakeImageLists();

  AddDialogLook(185, IDB_TITLEEDITOR, 125, 16);
  hotkeywarningshape = &AddShape(8, 124, 169, 73);
  hotkeywarningimg = &AddImage(12, 128, 22, 22);
  SetIconPicture(*hotkeywarningimg, IDI_HOTKEYWARNING, 22);
  hotkeywarninglbl = &AddLabel(nullptr, "hotkeywarninglbl", "", 40, 128, 133, 65);
  hotkeywarninglbl->AutoSize = false;
  hotkeywarninglbl->WordWrap = true;
  oklbl = &AddLinkCommand("oklbl", "OK", 288, 17, IDI_CHECKMARK, 0, true, [this] { oklblClick(); });
  cancellbl =
      &AddLinkCommand("cancellbl", "Cancel", 308, 41, IDI_CROSS, 0, true, [this] { cancellblClick(); });
  // The picture beside the link is the entry's icon.
  iconlbl = &AddLinkCommand("iconlbl", "Change &icon...", 228, 80, IDI_TYPEFILE, 0, false, [this] { iconlblClick(); },
                            &iconimg);
  defaulticonlbl =
      &AddLinkCommand("defaulticonlbl", "&Default icon", 248, 70, IDI_LINKARROW, 0, false,
                      [this] { defaulticonlblClick(); }, &defaulticonimg);

  // Tab order: the group box first, then the type list.
  const bool group = shortcut_.IsGroup();
  shortcutpropertiesgb =
      &AddGroupBox(nullptr, group ? " Group Properties " : " Shortcut Properties ", 196, 40, 241, group ? 64 : 285);
  HWND gb = shortcutpropertiesgb->Handle();
  tlabel& typelbl = FieldLabel(nullptr, "shortcuttypelbl", "&Shortcut Type", 196, 14);
  shortcuttypecb = OwnerDrawnList(nullptr, 272, 8, 165, 20);
  typelbl.FocusControl = shortcuttypecb;

  tlabel& captionlbl = FieldLabel(gb, "captionlbl", "&Name", 8, 16);
  captioneb = Edit(gb, 8, 32, 225);
  captionlbl.FocusControl = captioneb;
  tlabel& hotkeylbl = FieldLabel(gb, "hotkeylbl", "&Hotkey", 8, 60);
  hotkeyhk = AddControl(gb, HOTKEY_CLASSA, "", WS_TABSTOP, WS_EX_CLIENTEDGE, 8, 76, 225, 19);
  hotkeylbl.FocusControl = hotkeyhk;
  SendMessageA(hotkeyhk, HKM_SETRULES, HKCOMB_NONE, MAKELPARAM(0, 0));
  tlabel& viewstylelbl = FieldLabel(gb, "viewstylelbl", "&View", 8, 104);
  viewstylecb = OwnerDrawnList(gb, 8, 120, 225, 18);
  viewstylelbl.FocusControl = viewstylecb;

  applicationpanel = &AddPanel(gb, 8, 152, 225, 129);
  HWND ap = applicationpanel->Handle();
  tlabel& exelbl = FieldLabel(ap, "executablelbl", "&Executable", 0, 0);
  executableeb = Edit(ap, 0, 16, 205);
  exelbl.FocusControl = executableeb;
  executablebtn = &BrowseButton(ap, 204, 16, [this] { executablebtnClick(); });
  tlabel& parlbl = FieldLabel(ap, "parameterslbl", "&Parameters", 0, 44);
  parameterseb = Edit(ap, 0, 60, 225);
  parlbl.FocusControl = parameterseb;
  tlabel& wdlbl = FieldLabel(ap, "workingdirectorylbl", "&Working Directory", 0, 88);
  workingdirectoryeb = Edit(ap, 0, 104, 205);
  wdlbl.FocusControl = workingdirectoryeb;
  workingdirectorybtn = &BrowseButton(ap, 204, 104, [this] { workingdirectorybtnClick(); });

  filepanel = &AddPanel(gb, 8, 104, 225, 177);
  HWND fp = filepanel->Handle();
  tlabel& fnlbl = FieldLabel(fp, "filenamelbl", "&Filename", 0, 0);
  filenameeb = Edit(fp, 0, 16, 205);
  fnlbl.FocusControl = filenameeb;
  filenamebtn = &BrowseButton(fp, 204, 16, [this] { filenamebtnClick(); });
  // Over the View label and list while shown, and after the hotkey in tab order.
  SetWindowPos(fp, hotkeyhk, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  folderpanel = &AddPanel(gb, 8, 152, 225, 129);
  HWND dp = folderpanel->Handle();
  tlabel& folderlbl = FieldLabel(dp, "folderlbl", "Fo&lder", 0, 0);
  foldereb = Edit(dp, 0, 16, 205);
  folderlbl.FocusControl = foldereb;
  folderbtn = &BrowseButton(dp, 204, 16, [this] { folderbtnClick(); });
  fullexplorercb =
      AddControl(dp, "BUTTON", "Show f&ull Explorer", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 0, 48, 109, 17);

  for (tcontainer* panel : {applicationpanel, filepanel, folderpanel}) {
    ShowWindow(panel->Handle(), SW_HIDE);
    EnableWindow(panel->Handle(), FALSE);
  }
  for (const char* item : {"Application", "File", "Folder"})
    SendMessageA(shortcuttypecb, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  for (const char* item : {"Show Minimized", "Show Normal", "Show Maximized"})
    SendMessageA(viewstylecb, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));

  OnDrawItem(shortcuttypecb, [this](const DRAWITEMSTRUCT& d) { DrawListItem(d, shortcuttypeil_, 2); });
  OnDrawItem(viewstylecb, [this](const DRAWITEMSTRUCT& d) { DrawListItem(d, viewstyleil_, 1); });
  OnCommand(shortcuttypecb, [this](int code) {
    if (code == CBN_SELCHANGE) shortcuttypecbChange();
  });
  OnCommand(captioneb, [this](int code) {
    if (code == EN_CHANGE) captionebChange();
  });
  // A group has a name and nothing else.
  if (group)
    for (HWND control : {typelbl.Handle(), shortcuttypecb, hotkeylbl.Handle(), hotkeyhk, viewstylelbl.Handle(),
                         viewstylecb})
      Withdraw(control);
}

void tzvshortcutdialog::FormCreate() {
  ShowIconAndTitle();
  ApplyFontFallback();
  currentpanel = nullptr;
  accepted = false;
}

void tzvshortcutdialog::FormShow() {
  const tshortcutformvalues v = ShortcutToForm(shortcut_);
  SendMessageA(shortcuttypecb, CB_SETCURSEL, static_cast<WPARAM>(v.TypeIndex), 0);
  if (!v.Group) shortcuttypecbChange();
  SendMessageA(viewstylecb, CB_SETCURSEL, static_cast<WPARAM>(v.ViewIndex), 0);
  SetWindowTextA(captioneb, v.Caption.c_str());
  SendMessageA(hotkeyhk, HKM_SETHOTKEY, HotkeyToControl(v.Hotkey).Word(), 0);
  SetWindowTextA(executableeb, v.Executable.c_str());
  SetWindowTextA(parameterseb, v.Parameters.c_str());
  SetWindowTextA(workingdirectoryeb, v.WorkingDirectory.c_str());
  SetWindowTextA(filenameeb, v.FileName.c_str());
  SetWindowTextA(foldereb, v.Folder.c_str());
  SendMessageA(fullexplorercb, BM_SETCHECK, v.FullExplorer ? BST_CHECKED : BST_UNCHECKED, 0);
  icon_ = v.Icon;
  // The editor knows the entry's picture; asking again could wait on a
  // path of a server that does not answer.
  ShowIcon(editing_ ? shortcut_.ImageIndex : ChosenIconIndex());
  // Shown as the shortcut came; a hotkey changed here does not update it.
  const bool warn = shortcut_.HotkeyStatus == hsInvalid;
  hotkeywarningshape->Visible = warn;
  hotkeywarningimg->Visible = warn;
  ShowWindow(hotkeywarninglbl->Handle(), warn ? SW_SHOWNA : SW_HIDE);
  hotkeywarninglbl->SetText(HotkeyWarningText(HotkeyToText(shortcut_.Hotkey)));
  FrameWarning();
  captionebChange();
}

// The frame holds the whole text, also when a wider face needed more lines.
void tzvshortcutdialog::FrameWarning() {
  RECT text;
  GetWindowRect(hotkeywarninglbl->Handle(), &text);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&text), 2);
  hotkeywarningshape->Bounds.bottom =
      std::max<LONG>(hotkeywarningshape->Bounds.top + Scaled(73), text.bottom + Scaled(4));
  InvalidateRect(Handle(), nullptr, FALSE);
}

void tzvshortcutdialog::FormDpiChanged() {
  MakeImageLists();
  SetItemHeight(shortcuttypecb, 20);
  SetItemHeight(viewstylecb, 18);
  for (tspeedbutton* b : {executablebtn, workingdirectorybtn, filenamebtn, folderbtn})
    b->SetGlyph(LoadBitmapResourceForDpi(IDB_FOLDERGLYPH, Dpi()));
  FrameWarning();
  ShowIcon(iconIndex_);
}

tshortcutformvalues tzvshortcutdialog::FormValues() const {
  tshortcutformvalues v;
  v.Group = shortcut_.IsGroup();
  v.TypeIndex = ListIndex(shortcuttypecb);
  v.ViewIndex = ListIndex(viewstylecb);
  v.Caption = WindowTextOf(captioneb);
  v.Hotkey = HotkeyFromControlWord(static_cast<std::uint32_t>(SendMessageA(hotkeyhk, HKM_GETHOTKEY, 0, 0)));
  v.Executable = WindowTextOf(executableeb);
  v.Parameters = WindowTextOf(parameterseb);
  v.WorkingDirectory = WindowTextOf(workingdirectoryeb);
  v.FileName = WindowTextOf(filenameeb);
  v.Folder = WindowTextOf(foldereb);
  v.FullExplorer = SendMessageA(fullexplorercb, BM_GETCHECK, 0, 0) == BST_CHECKED;
  v.Icon = icon_;
  return v;
}

void tzvshortcutdialog::shortcuttypecbChange() {
  if (currentpanel) {
    ShowWindow(currentpanel->Handle(), SW_HIDE);
    EnableWindow(currentpanel->Handle(), FALSE);
  }
  const int index = ListIndex(shortcuttypecb);
  EnableWindow(viewstylecb, index != 1);
  currentpanel = index == 1 ? filepanel : index == 2 ? folderpanel : applicationpanel;
  EnableWindow(currentpanel->Handle(), TRUE);
  ShowWindow(currentpanel->Handle(), SW_SHOW);
}

void tzvshortcutdialog::captionebChange() {
  SetWindowTextA(Handle(), ShortcutDialogCaption(editing_, WindowTextOf(captioneb), shortcut_.IsGroup()).c_str());
}

void tzvshortcutdialog::oklblClick() {
  const tshortcutformvalues v = FormValues();
  if (!FormIsComplete(v)) {
    MessageBoxA(Handle(), v.Group ? MissingGroupNameText : MissingInformationText, MissingInformationTitle,
                MB_OK | MB_ICONERROR);
    return;
  }
  accepted = true;
  FormToShortcut(v, shortcut_);
  Close(tmodalresult::OK);
}

void tzvshortcutdialog::cancellblClick() { Close(tmodalresult::Cancel); }

void tzvshortcutdialog::FormKeyPress(char& key) {
  switch (ShortcutDialogKey(key, GetFocus() == hotkeyhk)) {
    case tdialogkey::Confirm: key = 0; oklblClick(); break;
    case tdialogkey::Cancel: key = 0; cancellblClick(); break;
    case tdialogkey::Swallow: key = 0; break;
    default: break;
  }
}

bool tzvshortcutdialog::ChooseFile(HWND edit, const std::string& title, const std::string& filter,
                                   bool followLinks) {
  if (!Prompts) return false;
  tfiledialog d;
  d.Title = title;
  d.Filter = filter;
  d.FileName = WindowTextOf(edit);
  d.HideReadOnly = true;
  d.PathMustExist = true;
  d.FileMustExist = true;
  d.EnableSizing = true;
  d.NoDereferenceLinks = !followLinks;
  d.OwnerWindow = reinterpret_cast<std::uintptr_t>(Handle());
  if (!Prompts->FileDialog(d)) return false;
  SetWindowTextA(edit, d.FileName.c_str());
  return true;
}

void tzvshortcutdialog::filenamebtnClick() {
  ChooseFile(filenameeb, "File Selection", "All Files (*.*)|*.*", false);
}

void tzvshortcutdialog::executablebtnClick() {
  ChooseFile(executableeb, "Executable Selection",
             "Executables (*.exe, *.com, *.bat)|*.exe;*.com;*.bat", true);
}

void tzvshortcutdialog::workingdirectorybtnClick() {
  std::string folder;
  if (BrowseFolder && BrowseFolder(Handle(), "Please select a working directory.", folder))
    SetWindowTextA(workingdirectoryeb, folder.c_str());
}

void tzvshortcutdialog::folderbtnClick() {
  std::string folder;
  if (BrowseFolder && BrowseFolder(Handle(), "Please select a folder.", folder))
    SetWindowTextA(foldereb, folder.c_str());
}

std::int32_t tzvshortcutdialog::ChosenIconIndex() const {
  return FileIconIndexOf(ProcessShellImages(), ProcessEnvironment().Expand(FormIconSource(FormValues())));
}

void tzvshortcutdialog::ShowIcon(std::int32_t index) {
  iconIndex_ = index;
  const int size = Scaled(16);
  HICON icon = nullptr;
  if (index >= 0) {
    TdfsSystemImageList images(ProcessShellImages());
    images.SetImageSize(isSmall);
    images.SetDpi(Dpi());
    icon = static_cast<HICON>(images.GetIcon(index));
  }
  if (icon)
    iconimg->SetIcon(icon, size);
  else
    SetIconPicture(*iconimg, IDI_TYPEFILE, 16);
  // Nothing to go back to while the entry has the default.
  ShowWindow(defaulticonlbl->Handle(), icon_.empty() ? SW_HIDE : SW_SHOWNA);
  defaulticonimg->Visible = !icon_.empty();
  EnableWindow(defaulticonlbl->Handle(), !icon_.empty());
  InvalidateRect(Handle(), nullptr, FALSE);
}

void tzvshortcutdialog::iconlblClick() {
  if (!PickIcon) return;
  ticonlocation location = IconPickerStart(FormValues());
  const ticonpick pick = PickIcon(Handle(), location);
  if (pick == ticonpick::Unavailable && Prompts) {
    tfiledialog d;
    d.Title = IconFileDialogTitle;
    d.Filter = IconFileDialogFilter;
    d.FileName = ProcessEnvironment().Expand(location.File);
    d.HideReadOnly = d.PathMustExist = d.FileMustExist = d.EnableSizing = true;
    d.OwnerWindow = reinterpret_cast<std::uintptr_t>(Handle());
    if (!Prompts->FileDialog(d)) return;
    location = {d.FileName, 0};
  } else if (pick != ticonpick::Chosen) {
    return;
  }
  icon_ = IconLocationText(location);
  ShowIcon(ChosenIconIndex());
}

void tzvshortcutdialog::defaulticonlblClick() {
  if (icon_.empty()) return;
  icon_.clear();
  ShowIcon(ChosenIconIndex());
  // The focus was on the reset, which is gone now.
  SetFocus(iconlbl->Handle());
}

void tzvshortcutdialog::DrawListItem(const DRAWITEMSTRUCT& d, HIMAGELIST images, int pictureTop) {
  HDC dc = d.hDC;
  const RECT& r = d.rcItem;
  tselection font(dc, FormFont());
  const bool selected = (d.itemState & ODS_SELECTED) != 0;
  const tpalette& p = CurrentPalette();
  SetBkColor(dc, Gdi(selected ? p.SelectedRow : p.Row));
  SetTextColor(dc, Gdi(selected ? p.SelectedRowText : p.RowText));
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  if (d.itemID == static_cast<UINT>(-1)) return;
  ImageList_Draw(images, static_cast<int>(d.itemID), dc, r.left + Scaled(2), r.top + Scaled(pictureTop),
                 ILD_TRANSPARENT);
  const LRESULT length = SendMessageA(d.hwndItem, CB_GETLBTEXTLEN, d.itemID, 0);
  std::string text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '\0');
  if (length > 0) SendMessageA(d.hwndItem, CB_GETLBTEXT, d.itemID, reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  SIZE sample = {};
  const std::string& probe = ProgramText("\xC2g");
  sample = TextExtent(dc, probe);
  const int itemHeight = r.bottom - r.top;
  SetBkMode(dc, TRANSPARENT);
  TextOutText(dc, r.left + Scaled(23), r.top + (itemHeight - sample.cy) / 2, text);
  if ((d.itemState & ODS_FOCUS) && !(d.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &r);
}

bool EditShortcut(bool editing, tzvshortcut& shortcut) {
  tzvshortcutdialog dialog(shortcut, editing);
  if (!dialog.CreateForm()) return false;
  dialog.ShowModal();
  return dialog.accepted;
}

}  // namespace zv
