#pragma once
// The options window: the nine settings, changed in the record only on OK.
#include <functional>

#include "settings/settings.h"
#include "toolkit/tform.h"

namespace zv {

class toptionsdialog : public tform {
 public:
  explicit toptionsdialog(tsettings& settings);

  bool accepted = false;

  HWND uselargeiconscb = nullptr;
  HWND displayhotkeyscb = nullptr;
  HWND uselargeeditoriconscb = nullptr;
  HWND autoloadcb = nullptr;
  HWND usesendtomenucb = nullptr;
  HWND usemenuhotkeycb = nullptr;
  HWND menuhotkeyhk = nullptr;
  HWND usefindhotkeycb = nullptr;
  HWND findhotkeyhk = nullptr;
  tcontainer* appearancecb = nullptr;
  tcontainer* integrationgb = nullptr;
  tlabel* winpluslbl = nullptr;
  tlabel* findwinpluslbl = nullptr;
  tlabel* oklbl = nullptr;
  tlabel* cancellbl = nullptr;

  // The record as the controls show it; every combination and any hotkey
  // (also none) is taken as it is.
  tsettings FormValues() const;
  void oklblClick();
  void cancellblClick();

 protected:
  void BuildControls() override;
  void FormCreate() override;
  void FormKeyPress(char& key) override;

 private:
  tsettings& settings_;
};

// Runs the window on the settings record; on OK stores the controls into
// it and saves it (save's errors go to the caller). True when OK was chosen.
bool ShowOptions(tsettings& settings, const std::function<void(tsettings&)>& save);
// The same on the process's settings, registry and identity.
bool ShowOptions();

}  // namespace zv
