// The list file operations as the editor and the uninstall step use them,
// with the "Please wait..." window.
#include <memory>

#include "model/listfileio.h"
#include "model/tzvshortcutlist.h"
#include "ui/tzvshortcutlistdialog.h"

namespace zv {

namespace {

// The window comes into being only when the operation opens the progress,
// so a file that is refused before never makes one.
class tdialogprogress : public tlistprogress {
 public:
  bool Open(std::int32_t maximum) override {
    dialog_ = std::make_unique<tzvshortcutlistdialog>();
    return dialog_->Open(maximum);
  }
  void Step(std::int32_t position, bool processMessages) override {
    if (dialog_) dialog_->Step(position, processMessages);
  }
  void Close() override {
    if (dialog_) dialog_->Close();
  }

 private:
  std::unique_ptr<tzvshortcutlistdialog> dialog_;
};

}  // namespace

bool tzvshortcutlist::ExportToFile(const std::string& fileName, tlistprogress& progress) {
  return ExportToFile(fileName, progress, DefaultListFileIo());
}

bool tzvshortcutlist::ImportFromFile(const std::string& fileName, tlistprogress& progress) {
  return ImportFromFile(fileName, progress, DefaultListFileIo());
}

bool tzvshortcutlist::ExportToFile(const std::string& fileName) {
  tdialogprogress progress;
  return ExportToFile(fileName, progress);
}

bool tzvshortcutlist::ImportFromFile(const std::string& fileName) {
  tdialogprogress progress;
  return ImportFromFile(fileName, progress);
}

}  // namespace zv
