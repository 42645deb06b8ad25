#include "model/memoryregistry.h"

#include <algorithm>

#include "core/textutil.h"

namespace zv {

class tmemoryregistry::handle : public tregkeyhandle {
 public:
  explicit handle(nodeptr n) : Node(std::move(n)) {}
  nodeptr Node;
};

tmemoryregistry::tmemoryregistry() : root_(std::make_shared<node>()) {}

tmemoryregistry::nodeptr tmemoryregistry::Child(const nodeptr& n, const std::string& name) {
  for (auto& c : n->Children)
    if (SameTextAscii(c->Name, name)) return c;
  return nullptr;
}

tmemoryregistry::nodeptr tmemoryregistry::Find(const std::string& path, nodeptr* parent) {
  std::vector<std::string> parts;
  if (!SplitRegistryPath(path, parts)) return nullptr;
  nodeptr n = root_, p;
  for (auto& part : parts) {
    p = n;
    n = Child(n, part);
    if (!n) return nullptr;
  }
  if (parent) *parent = p;
  return n;
}

bool tmemoryregistry::CountWrite() {
  ++writes_;
  return !(failAt_ > 0 && writes_ >= failAt_ && writes_ < failAt_ + failTimes_);
}

void tmemoryregistry::MarkDeleted(const nodeptr& n) {
  n->Deleted = true;
  for (auto& c : n->Children) MarkDeleted(c);
}

void tmemoryregistry::MakeReadOnly(const std::string& path) {
  nodeptr n = Find(path);
  if (!n) return;
  std::vector<nodeptr> todo{n};
  while (!todo.empty()) {
    nodeptr k = todo.back();
    todo.pop_back();
    k->ReadOnly = true;
    for (auto& c : k->Children) todo.push_back(c);
  }
}

bool tmemoryregistry::KeyExists(const std::string& path) { return Find(path) != nullptr; }

std::unique_ptr<tregkeyhandle> tmemoryregistry::OpenKey(const std::string& path, bool create) {
  std::vector<std::string> parts;
  if (!SplitRegistryPath(path, parts)) return nullptr;
  nodeptr n = root_;
  for (auto& part : parts) {
    nodeptr c = Child(n, part);
    if (!c) {
      if (!create || n->ReadOnly || !CountWrite()) return nullptr;
      c = std::make_shared<node>();
      c->Name = part;
      n->Children.push_back(c);
    }
    n = c;
  }
  return std::make_unique<handle>(n);
}

bool tmemoryregistry::DeleteTree(const nodeptr& parent, const nodeptr& n) {
  while (!n->Children.empty())
    if (!DeleteTree(n, n->Children.front())) return false;
  if (n->ReadOnly || !CountWrite()) return false;
  MarkDeleted(n);
  auto& siblings = parent->Children;
  siblings.erase(std::find(siblings.begin(), siblings.end(), n));
  return true;
}

bool tmemoryregistry::DeleteKey(const std::string& path) {
  nodeptr parent;
  nodeptr n = Find(path, &parent);
  if (!n || !parent) return false;  // missing, or the root itself
  return DeleteTree(parent, n);
}

bool tmemoryregistry::RenameKey(const std::string& path, const std::string& newName) {
  nodeptr parent;
  nodeptr n = Find(path, &parent);
  if (!n || !parent || newName.empty() || newName.find('\\') != std::string::npos) return false;
  nodeptr clash = Child(parent, newName);
  if (clash && clash != n) return false;
  if (n->ReadOnly || !CountWrite()) return false;
  n->Name = newName;
  return true;
}

bool tmemoryregistry::QueryValue(tregkeyhandle& key, const std::string& name, tregvalue& out) {
  auto& n = static_cast<handle&>(key).Node;
  if (n->Deleted) return false;
  for (auto& v : n->Values)
    if (SameTextAscii(v.first, name)) {
      out = v.second;
      return true;
    }
  return false;
}

bool tmemoryregistry::SetValue(tregkeyhandle& key, const std::string& name, std::uint32_t type,
                               const std::string& data) {
  auto& n = static_cast<handle&>(key).Node;
  if (n->Deleted || n->ReadOnly || !CountWrite()) return false;
  for (auto& v : n->Values)
    if (SameTextAscii(v.first, name)) {
      v.second = tregvalue{type, data};  // the name keeps its first spelling
      return true;
    }
  n->Values.emplace_back(name, tregvalue{type, data});
  return true;
}

bool tmemoryregistry::DeleteValue(tregkeyhandle& key, const std::string& name) {
  auto& n = static_cast<handle&>(key).Node;
  if (n->Deleted) return false;
  for (auto it = n->Values.begin(); it != n->Values.end(); ++it)
    if (SameTextAscii(it->first, name)) {
      if (n->ReadOnly || !CountWrite()) return false;
      n->Values.erase(it);
      return true;
    }
  return false;
}

std::vector<std::string> tmemoryregistry::ValueNames(tregkeyhandle& key) {
  std::vector<std::string> names;
  auto& n = static_cast<handle&>(key).Node;
  if (!n->Deleted)
    for (auto& v : n->Values) names.push_back(v.first);
  return names;
}

std::vector<std::string> tmemoryregistry::SubKeyNames(tregkeyhandle& key) {
  std::vector<std::string> names;
  auto& n = static_cast<handle&>(key).Node;
  if (!n->Deleted)
    for (auto& c : n->Children) names.push_back(c->Name);
  return names;
}

void tmemoryregistry::DumpNode(const nodeptr& n, const std::string& prefix, std::string& out) {
  std::vector<std::pair<std::string, tregvalue>> values = n->Values;
  std::sort(values.begin(), values.end(),
            [](auto& a, auto& b) { return UpperAscii(a.first) < UpperAscii(b.first); });
  for (auto& v : values) {
    out += prefix + "|" + v.first + "=" + std::to_string(v.second.Type) + ":";
    for (unsigned char c : v.second.Data) {
      static const char* hex = "0123456789abcdef";
      out += hex[c >> 4];
      out += hex[c & 15];
    }
    out += "\n";
  }
  std::vector<nodeptr> children = n->Children;
  std::sort(children.begin(), children.end(),
            [](auto& a, auto& b) { return UpperAscii(a->Name) < UpperAscii(b->Name); });
  for (auto& c : children) {
    out += prefix + "\\" + c->Name + "\n";
    DumpNode(c, prefix + "\\" + c->Name, out);
  }
}

std::string tmemoryregistry::Dump(const std::string& path) {
  std::string out;
  if (nodeptr n = Find(path)) DumpNode(n, "", out);
  return out;
}

}  // namespace zv
