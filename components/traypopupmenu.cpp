#include "components/traypopupmenu.h"

#include "components/tcooltrayicon.h"

namespace zv {

ttraypopupmenu::~ttraypopupmenu() {
  // SetPopupMenu(nullptr) takes the icon off users_.
  while (!users_.empty()) users_.back()->SetPopupMenu(nullptr);
}

}  // namespace zv
