#pragma once
// Where start-up and the first menu spend their time, for the benchmark:
// when the environment variable ZV_STARTUP_TRACE names a file, each step is
// noted with the performance counter and the notes are added to that file,
// one "<counter> <step>" line each, when start-up has ended and when the
// first menu has closed. Without the variable nothing is noted or written.
namespace zv {

void StartupMark(const char* step);
// Adds the notes so far to the file; after the second time (the first menu
// has closed) later marks are ignored.
void WriteStartupMarks();

}  // namespace zv
