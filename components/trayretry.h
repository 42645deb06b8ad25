#pragma once
// When a refused tray icon is offered to the shell again: at logon the
// taskbar may not be there yet, so the program keeps trying for a while.
namespace zv {

// The wait in milliseconds before retry number retry (1 for the first):
// 1, 2, 4 ... seconds, the last one cut so that all waits add up to two
// minutes; 0 after that, when the program gives up.
unsigned TrayRetryDelay(int retry);

}  // namespace zv
