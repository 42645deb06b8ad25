#pragma once
// The editor's status line beside the entry count at the bottom right.
namespace zv {

// The status line's width at a DPI. At 96 DPI it is the designed width,
// whatever the text. At other scales, where fonts do not grow in step with
// the scale, it grows to its text's width as far as the room up to the
// count label (less the gap kept before it) allows; never below the
// designed width, which the window's least size leaves room for.
int StatusLineWidth(int left, int designedWidth, int textWidth, int countLeft, int gap, int dpi);

}  // namespace zv
