#include "components/tdragdroplistbox_win32.h"

#include "platform/win32text.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace zv {

namespace {

POINT PointOf(LPARAM lp) { return POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}; }

}  // namespace

bool TDragDropListBox::Attach(HWND list) {
  if (!list || Handle()) return false;
  SetWindowLongA(list, GWL_EXSTYLE, GetWindowLongA(list, GWL_EXSTYLE) | static_cast<LONG>(ExStyle));
  return tsubclass::Attach(list);
}

LRESULT TDragDropListBox::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
  try {
    return Message(msg, wp, lp);
  } catch (...) {
    pending_ = dragging_ = false;
    if (OnError) OnError(std::current_exception());
    return 0;
  }
}

int TDragDropListBox::RowAt(POINT p, bool pastEnd) const {
  RECT client;
  GetClientRect(Handle(), &client);
  if (!PtInRect(&client, p)) return -1;
  const LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
  const int count = static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0));
  if (HIWORD(hit) == 0) return static_cast<int>(LOWORD(hit));
  // Outside every row: below the last one (or on an empty list).
  if (!pastEnd) return -1;
  if (count == 0) return 0;
  const RECT last = RowRect(count - 1);
  return p.y >= last.bottom ? count : -1;
}

RECT TDragDropListBox::RowRect(int row) const {
  RECT r = {0, 0, 0, 0};
  SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  return r;
}

// A drop handle is memory of this process. One posted by another program
// means nothing here (or something else): it is neither read nor freed.
bool IsDropBlock(HDROP drop) {
  const SIZE_T size = GlobalSize(drop);
  if (size < sizeof(DROPFILES)) return false;
  const auto* block = static_cast<const char*>(GlobalLock(drop));
  if (!block) return false;
  const auto* head = reinterpret_cast<const DROPFILES*>(block);
  bool ok = head->pFiles >= sizeof(DROPFILES) && head->pFiles < size;
  if (ok) {
    // The names end with an empty one inside the block.
    const std::size_t unit = head->fWide ? 2 : 1;
    ok = false;
    std::size_t run = 0;
    for (std::size_t i = head->pFiles; i + unit <= size; i += unit) {
      const bool zero = unit == 1 ? block[i] == 0 : (block[i] == 0 && block[i + 1] == 0);
      if (!zero) {
        run = 1;
        continue;
      }
      if (run == 0) {
        ok = true;
        break;
      }
      run = 0;
    }
  }
  GlobalUnlock(drop);
  return ok;
}

void TDragDropListBox::DropFiles(HDROP drop) {
  if (!IsDropBlock(drop)) return;
  // The handle goes back to the shell whatever the handler does.
  struct tfinish {
    HDROP Drop;
    ~tfinish() { DragFinish(Drop); }
  } finish{drop};
  if (!OnDropFiles) return;
  std::vector<std::string> files;
  POINT p = {0, 0};
  DragQueryPoint(drop, &p);
  // The W form: the A form would hand over a name the process code page
  // cannot hold with stand-ins, a file that does not exist. Such a name is
  // left out like a duplicate.
  const UINT n = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < n; ++i) {
    const UINT len = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring wide(len + 1, L'\0');
    wide.resize(DragQueryFileW(drop, i, wide.data(), len + 1));
    std::string path;
    if (!wide.empty() && ProcessFromWide(wide, path)) files.push_back(std::move(path));
  }
  OnDropFiles(files, p.x, p.y);
}

void TDragDropListBox::DragTo(POINT p) {
  RECT client;
  GetClientRect(Handle(), &client);
  // Beyond the top or bottom edge the list scrolls toward the pointer.
  const int top = static_cast<int>(SendMessageA(Handle(), LB_GETTOPINDEX, 0, 0));
  if (p.y < client.top && top > 0)
    SendMessageA(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(top - 1), 0);
  else if (p.y >= client.bottom)
    SendMessageA(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(top + 1), 0);
  accepted_ = PtInRect(&client, p) && OnDragOver && OnDragOver(true, p.x, p.y);
  SetCursor(LoadCursorA(nullptr, accepted_ ? IDC_ARROW : IDC_NO));
}

void TDragDropListBox::EndDrag(bool drop, POINT p) {
  if (!dragging_) return;
  dragging_ = false;
  RECT client;
  GetClientRect(Handle(), &client);
  if (drop && accepted_ && PtInRect(&client, p) && OnDragDrop) OnDragDrop(p.x, p.y);
  accepted_ = false;
  if (OnEndDrag) OnEndDrag();
}

void TDragDropListBox::CancelDrag() {
  pending_ = false;
  if (!dragging_) return;
  EndDrag(false, POINT{0, 0});
  // The list's own button tracking ends as with a release.
  if (Handle() && GetCapture() == Handle()) Pass(WM_LBUTTONUP, 0, 0);
}

// Owner-drawn rows paint all of themselves: erased first, they would flash.
// Only the part below the last row is the list's to clear.
void TDragDropListBox::EraseBelowRows(HDC dc) const {
  RECT free;
  GetClientRect(Handle(), &free);
  const int count = static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0));
  if (count > 0) free.top = std::max(free.top, RowRect(count - 1).bottom);
  if (free.top >= free.bottom) return;
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(GetParent(Handle()), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Handle())));
  FillRect(dc, &free, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
}

LRESULT TDragDropListBox::Message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case LB_GETTEXTLEN:
    case LB_GETTEXT: {
      const int row = static_cast<int>(wp);
      if (!RowText || row < 0 || row >= static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0))) break;
      const std::string text = RowText(row);
      // The caller's buffer holds what LB_GETTEXTLEN answered, and a zero.
      if (msg == LB_GETTEXT && lp) std::memcpy(reinterpret_cast<char*>(lp), text.c_str(), text.size() + 1);
      return static_cast<LRESULT>(text.size());
    }
    case WM_ERASEBKGND:
      EraseBelowRows(reinterpret_cast<HDC>(wp));
      return 1;
    case WM_DROPFILES:
      DropFiles(reinterpret_cast<HDROP>(wp));
      return 0;
    case WM_LBUTTONDOWN: {
      const LRESULT r = Pass(msg, wp, lp);
      // A plain press on a row may become a drag; Shift and Ctrl select.
      const POINT p = PointOf(lp);
      pending_ = !(wp & (MK_SHIFT | MK_CONTROL)) && RowAt(p, false) >= 0;
      down_ = p;
      return r;
    }
    case WM_MOUSEMOVE: {
      const POINT p = PointOf(lp);
      if (dragging_) {
        DragTo(p);
        return 0;
      }
      if (!pending_) break;
      if (!(wp & MK_LBUTTON)) {
        pending_ = false;
        break;
      }
      if (std::abs(p.x - down_.x) <= GetSystemMetrics(SM_CXDRAG) &&
          std::abs(p.y - down_.y) <= GetSystemMetrics(SM_CYDRAG))
        return 0;
      pending_ = false;
      dragging_ = true;
      if (!OnStartDrag || !OnStartDrag()) {
        // Refused: it ends at once, and the list tracks the button again.
        EndDrag(false, p);
        break;
      }
      if (GetCapture() != Handle()) SetCapture(Handle());
      DragTo(p);
      return 0;
    }
    case WM_LBUTTONUP: {
      pending_ = false;
      const bool wasDragging = dragging_;
      dragging_ = false;
      const LRESULT r = Pass(msg, wp, lp);
      if (wasDragging) {
        dragging_ = true;
        EndDrag(true, PointOf(lp));
      }
      return r;
    }
    case WM_CAPTURECHANGED:
      pending_ = false;
      if (dragging_ && reinterpret_cast<HWND>(lp) != Handle()) EndDrag(false, POINT{0, 0});
      break;
    case WM_SETCURSOR:
      if (dragging_) {
        SetCursor(LoadCursorA(nullptr, accepted_ ? IDC_ARROW : IDC_NO));
        return TRUE;
      }
      break;
    case WM_KEYDOWN:
      if (dragging_ && wp == VK_ESCAPE) {
        CancelDrag();
        return 0;
      }
      break;
    default:
      break;
  }
  return Pass(msg, wp, lp);
}

}  // namespace zv
