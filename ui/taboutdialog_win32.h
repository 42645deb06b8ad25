#pragma once
// The about window: name, version, credits and the maker's web link.
#include <functional>
#include <string>

#include "toolkit/tform.h"

namespace zv {

class taboutdialog : public tform {
 public:
  taboutdialog();
  // How the web link is opened; the shell's default action unless replaced.
  std::function<void(const std::string& url)> OpenUrl;

  tlabel* zorvanelbl = nullptr;
  tlabel* versionlbl = nullptr;
  tlabel* copyrightlbl = nullptr;
  tlabel* wwwlbl = nullptr;
  tlabel* portionscopyrightlbl = nullptr;
  tlabel* licenselbl = nullptr;
  tlabel* oklbl = nullptr;

  void oklblClick();
  void wwwlblClick();

 protected:
  void BuildControls() override;
  void FormCreate() override;
  void FormKeyPress(char& key) override;
};

// Shows the about window modally; it is destroyed before this returns.
void ShowAboutWindow();

}  // namespace zv
