#include "app/traycontextmenu_win32.h"

#include <vector>

#include "app/tzorvanemaindialog.h"
#include "resources/resource.h"
#include "toolkit/dpi.h"
#include "toolkit/resourcemodule.h"
#include "ui/menuentry.h"

namespace zv {

ttraycontextmenu::ttraycontextmenu(HWND owner, std::function<void(std::uint32_t)> run)
    : owner_(owner), run_(std::move(run)) {
  MakeIcons(SystemDpi());
  menu_.OnDpiChange = [this](int dpi) { MakeIcons(dpi); };
  std::vector<tmenuentry> items = {MenuEntry("Shortcut Editor...", 0), MenuEntry("Find...", 4),
                                   MenuEntry("-", -1),                 MenuEntry("Options...", 1),
                                   MenuEntry("About...", 2),           MenuEntry("-", -1),
                                   MenuEntry("Exit", 3)};
  const std::uint32_t commands[] = {cmEditor, cmFind, 0, cmOptions, cmAbout, 0, cmExit};
  for (std::size_t i = 0; i < items.size(); ++i) items[i].Tag = static_cast<std::int32_t>(commands[i]);
  menu_.Rebuild(std::move(items));
}

ttraycontextmenu::~ttraycontextmenu() {
  if (list_) ImageList_Destroy(list_);
}

void ttraycontextmenu::Popup(int x, int y) {
  if (const tmenuentry* chosen = menu_.Popup(owner_, x, y)) run_(static_cast<std::uint32_t>(chosen->Tag));
}

void ttraycontextmenu::MakeIcons(int dpi) {
  const int size = SystemMetricForDpi(SM_CXSMICON, dpi);
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 5, 0);
  for (int id : {IDI_MENUEDITOR, IDI_MENUOPTIONS, IDI_MENUABOUT, IDI_MENUEXIT, IDI_MENUFIND}) {
    HICON icon = LoadIconResource(id, size);
    ImageList_AddIcon(list, icon);
    if (icon) DestroyIcon(icon);
  }
  icons_.SetList(list);
  if (list_) ImageList_Destroy(list_);
  list_ = list;
}

}  // namespace zv
