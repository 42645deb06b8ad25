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

#include "toolkit/tsubclass.h"

namespace zv {

class TDragDropListBox : public tsubclass {
 public:
  // The extended style the window needs so the shell delivers drops to it.
  static constexpr DWORD ExStyle = WS_EX_ACCEPTFILES;

  // Subclasses the list and gives it ExStyle.
  bool Attach(HWND list);

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
  // The text of a row as LB_GETTEXT and screen readers read it, where the
  // rows themselves hold placeholders; unset: the rows' own strings.
  std::function<std::string(int row)> RowText;
  // An error from a handler; it must not unwind through the system.
  std::function<void(std::exception_ptr)> OnError;

  bool Dragging() const { return dragging_; }
  void CancelDrag();

  // The row at a client point: -1 when none. With pastEnd a point below
  // the last row inside the list gives the number of rows.
  int RowAt(POINT p, bool pastEnd) const;
  RECT RowRect(int row) const;

 private:
  LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  LRESULT Message(UINT msg, WPARAM wp, LPARAM lp);
  void EraseBelowRows(HDC dc) const;
  void DropFiles(HDROP drop);
  void DragTo(POINT p);
  void EndDrag(bool drop, POINT p);

  bool pending_ = false;   // button down on a row, not yet moved far enough
  bool dragging_ = false;
  bool accepted_ = false;  // the last answer of OnDragOver
  POINT down_ = {0, 0};
};

}  // namespace zv
