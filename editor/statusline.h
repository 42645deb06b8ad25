#pragma once
// The editor's status line beside the entry count at the bottom right.
namespace zv {

// The status line's width: its designed width, grown to its text's width
// as far as the room up to the count label (less the gap kept before it)
// allows; never below the designed width, which the window's least size
// leaves room for.
int StatusLineWidth(int left, int designedWidth, int textWidth, int countLeft, int gap);

}  // namespace zv
