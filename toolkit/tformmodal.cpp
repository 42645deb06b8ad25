// A form's modal loop and its key preview: the form sees key strokes and
// typed characters before its controls, and the labels' access keys move
// the focus to the controls they name.
#include "toolkit/tform.h"

#include <commctrl.h>

#include "core/textutil.h"
#include "core/accesskey.h"
#include "platform/runningunderwine.h"

namespace zv {

namespace {

struct tdisabling {
  HWND Form;
  std::vector<HWND>* Windows;
};

BOOL CALLBACK DisableOther(HWND wnd, LPARAM p) {
  auto* d = reinterpret_cast<tdisabling*>(p);
  if (wnd != d->Form && IsWindowVisible(wnd) && IsWindowEnabled(wnd)) {
    EnableWindow(wnd, FALSE);
    d->Windows->push_back(wnd);
  }
  return TRUE;
}

}  // namespace

tmodalresult tform::ShowModal() {
  if (!Handle()) return tmodalresult::Cancel;
  modalResult_ = tmodalresult::None;
  modal_ = true;
  std::vector<HWND> disabled;
  tdisabling d{Handle(), &disabled};
  EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(&d));
  // Whatever ends the loop, the other windows come back before this one
  // hides, so the activation returns to them.
  struct tguard {
    tform& Form;
    std::vector<HWND>& Disabled;
    ~tguard() {
      for (HWND w : Disabled)
        if (IsWindow(w)) EnableWindow(w, TRUE);
      if (Form.Handle()) ShowWindow(Form.Handle(), SW_HIDE);
      Form.modal_ = false;
    }
  } guard{*this, disabled};

  FormShow();
  bool quit = false;
  WPARAM quitCode = 0;
  if (modalResult_ == tmodalresult::None && Handle()) {
    // As dialogs open: keyboard cues shown after a key press, hidden after a
    // click, unless the user has them always shown (under Wine: hidden).
    ChangeCues(UIS_INITIALIZE, UISF_HIDEACCEL | UISF_HIDEFOCUS);
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    HWND focus = GetFocus();
    if (!focus || !IsChild(Handle(), focus)) {
      if (HWND first = FirstFocus()) SetFocus(first);
    }
    // As a dialog opens: what is typed replaces the text of the edit box in
    // focus rather than joining it.
    focus = GetFocus();
    if (focus && IsChild(Handle(), focus) && IsClassOf(focus, "Edit")) SendMessageA(focus, EM_SETSEL, 0, -1);
    UpdateWindow(Handle());
  }
  MSG msg;
  while (modalResult_ == tmodalresult::None && !error_) {
    if (!Handle()) {
      modalResult_ = tmodalresult::Cancel;
      break;
    }
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      // The program is ending: close as Cancel, and leave the quit request
      // for the loop that runs the program.
      quit = true;
      quitCode = msg.wParam;
      modalResult_ = tmodalresult::Cancel;
      break;
    }
    if (got < 0) {
      modalResult_ = tmodalresult::Cancel;
      break;
    }
    if (!PreviewMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
  return modalResult_;
}

void tform::Close(tmodalresult result) {
  modalResult_ = result == tmodalresult::None ? tmodalresult::Cancel : result;
  if (!modal_ && Handle()) ShowWindow(Handle(), SW_HIDE);
}

bool tform::PreviewMessage(MSG& msg) {
  if (!Handle() || (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))) return false;
  // With Alt down a key arrives as WM_SYSKEYDOWN.
  if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && FormKeyDown(msg.wParam)) return true;
  // Alt shows the access keys. Windows' default handling of the key does
  // the same; Wine's does not, and a second request changes nothing.
  if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_MENU) ChangeCues(UIS_CLEAR, UISF_HIDEACCEL);
  // Tab shows the focus, as the system's dialog keys do.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) ChangeCues(UIS_CLEAR, UISF_HIDEFOCUS);
  HWND focus = GetFocus();
  // Enter and Space run the link that has the focus, as a click would.
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_SPACE) && LinkOf(focus)) {
    SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), STN_CLICKED), reinterpret_cast<LPARAM>(focus));
    return true;
  }
  const bool hotkeyFocused = focus && IsClassOf(focus, HOTKEY_CLASSA);
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) &&
      GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
    // Only the character goes on, to the form's key preview.
    TranslateMessage(&msg);
    return true;
  }
  if (msg.message == WM_CHAR) {
    char key = static_cast<char>(msg.wParam);
    FormKeyPress(key);
    if (key == 0) return true;
    msg.wParam = static_cast<unsigned char>(key);
  }
  if (msg.message == WM_SYSCHAR && hotkeyFocused) return true;  // Alt+letter is a hotkey there
  if (msg.message == WM_SYSCHAR ||
      (msg.message == WM_CHAR && focus &&
       !(SendMessageA(focus, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&msg)) & DLGC_WANTCHARS))) {
    if (LabelAccessKey(static_cast<char>(msg.wParam))) return true;
  }
  return IsDialogMessageA(Handle(), &msg) != FALSE;
}

const tlabel* tform::LinkOf(HWND wnd) const {
  if (!wnd) return nullptr;
  for (const auto& label : labels_)
    if (label->Handle() == wnd && label->IsLink()) return label.get();
  return nullptr;
}

HWND tform::FirstFocus() const {
  // Links may come first in the Tab order, but a window opens with its own
  // control in focus, or none, as before links took the focus: Enter must
  // still mean the window's OK.
  HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
  for (HWND w = first; w;) {
    if (!LinkOf(w)) return w;
    w = GetNextDlgTabItem(Handle(), w, FALSE);
    if (w == first) break;
  }
  return nullptr;
}

bool tform::LabelAccessKey(char key) {
  for (auto& label : labels_) {
    HWND target = label->IsLink() ? label->Handle() : label->FocusControl;
    if (!target || !label->Handle() || label->PlainText) continue;
    const char accel = AccessKeyOf(label->Text());
    if (!accel || AsciiUpper(accel) != AsciiUpper(key)) continue;
    if (!IsWindowVisible(label->Handle()) || !IsWindowVisible(target) || !IsWindowEnabled(target))
      continue;
    // Reached by the keyboard: the cues show from now on, as the focus
    // rectangle of the control that takes the focus.
    ChangeCues(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS);
    if (label->IsLink()) {
      // A link runs, as a button's access key presses it.
      SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(target), STN_CLICKED),
                   reinterpret_cast<LPARAM>(target));
      return true;
    }
    SetFocus(target);
    if (IsClassOf(target, "Edit")) SendMessageA(target, EM_SETSEL, 0, -1);
    return true;
  }
  return false;
}

void tform::GiveLinksAccessKeys() {
  std::string taken;
  auto note = [&taken](const std::string& text) {
    if (const char key = AccessKeyOf(text)) taken += key;
  };
  for (const auto& label : labels_)
    if (!label->PlainText) note(label->Text());
  for (HWND control : controls_) note(WindowTextOf(control));
  for (const auto& label : labels_) {
    if (!label->IsLink() || AccessKeyOf(label->Text())) continue;
    label->SetText(WithFreeAccessKey(label->Text(), taken));
    note(label->Text());
  }
}

void tform::ChangeCues(WORD action, WORD cues) {
  if (!Handle()) return;
  if (!RunningUnderWine()) {
    SendMessageA(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(action, cues), 0);
    return;
  }
  // Wine keeps no UI state: its default handling answers every query with
  // 0, cues always shown, and ignores changes. The form keeps the state for
  // its own labels instead, as Windows does for a window opened by a click
  // with the default settings: hidden until the keyboard is used.
  const WORD before = wineCues_;
  if (action == UIS_CLEAR)
    wineCues_ = static_cast<WORD>(wineCues_ & ~cues);
  else
    wineCues_ = static_cast<WORD>(wineCues_ | cues);
  if (wineCues_ == before) return;
  for (auto& label : labels_)
    if (label->Handle())
      SendMessageA(label->Handle(), WM_UPDATEUISTATE, MAKEWPARAM(action == UIS_CLEAR ? UIS_CLEAR : UIS_SET, cues), 0);
}

}  // namespace zv
