#include "components/trayretry.h"

namespace zv {

namespace {
const unsigned FirstDelayMs = 1000;
const unsigned TotalMs = 120000;
}  // namespace

unsigned TrayRetryDelay(int retry) {
  unsigned delay = FirstDelayMs;
  unsigned waited = 0;
  for (int i = 1; i < retry && waited < TotalMs; ++i) {
    waited += delay;
    delay *= 2;
  }
  if (retry < 1 || waited >= TotalMs) return 0;
  return delay < TotalMs - waited ? delay : TotalMs - waited;
}

}  // namespace zv
