#pragma once
// An editor over recording seams: scripted answers, a fake hotkey check and
// a window that mirrors the row changes as a real list box would.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "editor/teditorcommands.h"
#include "fake_prompts.h"
#include "list_helpers.h"

class tfakedropfiles : public zv::tdropfilequery {
 public:
  std::set<std::string> Files;  // existing plain files; anything else is not
  bool FileExists(const std::string& path) override { return Files.count(path) > 0; }
  std::map<std::string, std::string> Contents;  // of some of them
  std::string ReadStart(const std::string& path, std::size_t maxBytes) override {
    auto it = Contents.find(path);
    return it == Contents.end() ? std::string() : it->second.substr(0, maxBytes);
  }
};

// Marks a hotkey used by an earlier entry, or taken by another program, as
// invalid; resolving moves a clash to Alt+ the key when that is free.
inline std::int32_t FakeCheckHotkeys(zv::tzvshortcutlist& list, bool resolve,
                                     const std::set<std::uint16_t>& taken) {
  std::int32_t result = 0;
  std::set<std::uint16_t> used = taken;
  for (int i = 0; i < list.Count(); ++i) {
    zv::tzvshortcut* s = list.GetItem(i);
    if (s->Hotkey == 0) {
      s->HotkeyStatus = zv::hsNone;
      continue;
    }
    if (used.count(s->Hotkey)) {
      std::uint16_t other = static_cast<std::uint16_t>(s->Hotkey | 0x8000);
      if (resolve && !used.count(other)) {
        s->Hotkey = other;
        if (result == 0) result = 1;
      } else {
        s->HotkeyStatus = zv::hsInvalid;
        result = -1;
        continue;
      }
    }
    s->HotkeyStatus = zv::hsNone;
    used.insert(s->Hotkey);
  }
  return result;
}

struct editorrig {
  tfakeprompts Prompts;
  tfakedropfiles Files;
  std::set<std::uint16_t> TakenElsewhere;
  std::vector<std::string> Log;
  // The properties dialog: changes the shortcut and answers "confirmed".
  std::function<bool(zv::tzvshortcut&, bool)> Dialog = [](zv::tzvshortcut&, bool) { return false; };
  bool ImportResult = true;
  std::function<void(zv::tzvshortcutlist&)> ImportAdds;
  bool ExportResult = true;
  std::vector<std::string> Exported;
  zv::teditorcommands Editor;
  int Rows = 0;  // what the list box holds after the outcomes

  editorrig() {
    zv::teditorservices& s = Editor.Services();
    s.Prompts = &Prompts;
    s.Files = &Files;
    s.EditShortcut = [this](zv::tzvshortcut& sc, bool editing) {
      Log.push_back(editing ? "edit " + sc.Caption : "new");
      return Dialog(sc, editing);
    };
    s.GetFileIconIndex = [](const std::string& path) { return static_cast<std::int32_t>(path.size()); };
    s.CheckHotkeys = [this](zv::tzvshortcutlist& list, bool resolve) {
      Log.push_back(resolve ? "resolve" : "check");
      return FakeCheckHotkeys(list, resolve, TakenElsewhere);
    };
    s.ImportFromFile = [this](zv::tzvshortcutlist& list, const std::string& file) {
      Log.push_back("import " + file);
      if (ImportAdds) ImportAdds(list);
      return ImportResult;
    };
    s.ExportToFile = [this](zv::tzvshortcutlist& list, const std::string& file) {
      Exported.push_back(file + ":" + Captions(list));
      return ExportResult;
    };
    s.SetWindowEnabled = [this](bool on) { Log.push_back(on ? "enabled" : "disabled"); };
    Editor.FormCreate(true);
  }

  void Load(std::vector<std::unique_ptr<zv::tzvshortcut>> items) {
    for (auto& i : items) Append(Editor.worklist, std::move(i));
    Apply(Editor.FillShortcutList());
    Log.clear();
  }
  void Select(std::vector<int> rows, int focused) {
    std::vector<bool> sel(static_cast<size_t>(Editor.RowCount()), false);
    for (int r : rows) sel[static_cast<size_t>(r)] = true;
    Editor.SetSelection(sel, focused);
  }
  zv::teditoroutcome Apply(zv::teditoroutcome out) {
    if (out.Refill) Rows = Editor.worklist.Count();
    for (auto& c : out.Rows) {
      if (c.Kind == zv::trowchange::Insert) ++Rows;
      if (c.Kind == zv::trowchange::Delete) --Rows;
      if (c.Kind == zv::trowchange::Clear) Rows = 0;
    }
    return out;
  }
  std::string Titles() const {
    std::string out;
    for (auto& r : Prompts.Shown) out += (out.empty() ? "" : ";") + r.Title;
    return out;
  }
};

inline std::vector<std::unique_ptr<zv::tzvshortcut>> Entries(const std::string& captions) {
  // "A,-,B": shortcuts named A and B around a separator.
  std::vector<std::unique_ptr<zv::tzvshortcut>> out;
  std::string item;
  for (size_t i = 0; i <= captions.size(); ++i) {
    if (i == captions.size() || captions[i] == ',') {
      if (item == "-")
        out.push_back(Separator());
      else if (!item.empty())
        out.push_back(MakeShortcut(zv::stApplication, item, "C:\\" + item + ".exe"));
      item.clear();
    } else {
      item += captions[i];
    }
  }
  return out;
}
