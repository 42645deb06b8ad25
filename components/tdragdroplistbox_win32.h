#pragma once
// TDragDropListBox: a list box that takes files dropped from the shell and
// lets one of its rows be dragged to another place. It works on a list box
// window made elsewhere (a form's control), which it subclasses.
#include <windows.h>
#include <shellapi.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace zv {

class TDragDropListBox {
 public:
  // The extended style the window needs so the shell delivers drops to it.
  static constexpr DWORD ExStyle = WS_EX_ACCEPTFILES;

  TDragDropListBox() = default;
  ~TDragDropListBox();
  TDragDropListBox(const TDragDropListBox&) = delete;
  TDragDropListBox& operator=(const TDragDropListBox&) = delete;

  bool Attach(HWND list);
  HWND Handle() const { return list_; }

  // One call per shell drop: the paths in the shell's order and the drop
  // point in client coordinates.
  std::function<void(const std::vector<std::string>& files, int x, int y)> OnDropFiles;
  // Reordering: false from OnStartDrag cancels the drag at once.
  std::function<bool()> OnStartDrag;
  // Answers whether a drop at the point would be taken.
  std::function<bool(bool sourceIsList, int x, int y)> OnDragOver;
  std::function<void(int x, int y)> OnDragDrop;
  // Every drag that started ends here: dropped, refused or cancelled.
  std::function<void()> OnEndDrag;
  // An error from a handler; it must not unwind through the system.
  std::function<void(std::exception_ptr)> OnError;

  bool Dragging() const { return dragging_; }
  void CancelDrag();

  // The row at a client point: -1 when none. With pastEnd a point below
  // the last row inside the list gives the number of rows.
  int RowAt(POINT p, bool pastEnd) const;
  RECT RowRect(int row) const;

 private:
  static LRESULT CALLBACK ListProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Message(UINT msg, WPARAM wp, LPARAM lp);
  // The list's own procedure.
  LRESULT Pass(UINT msg, WPARAM wp, LPARAM lp);
  void EraseBelowRows(HDC dc) const;
  void DropFiles(HDROP drop);
  void DragTo(POINT p);
  void EndDrag(bool drop, POINT p);

  HWND list_ = nullptr;
  WNDPROC previous_ = nullptr;
  bool pending_ = false;   // button down on a row, not yet moved far enough
  bool dragging_ = false;
  bool accepted_ = false;  // the last answer of OnDragOver
  POINT down_ = {0, 0};
};

}  // namespace zv
