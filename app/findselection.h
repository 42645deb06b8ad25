#pragma once
// The find window's selection: which row the list's keys move it to, typed
// in the edit box above the list, and which row Enter starts.
namespace zv {

enum class tfindmove { Up, Down, PageUp, PageDown };

// The row selected after move, in count rows of which page show at once;
// selected -1 is none. Stops at either end; none when there are no rows.
int MoveFindSelection(int selected, int count, int page, tfindmove move);
// The row Enter starts: the selected one, else the first; -1 for no rows.
int FindRowToStart(int selected, int count);

}  // namespace zv
