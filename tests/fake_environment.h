#pragma once
// Environment variables from a table, expanded by the system's rules: a
// name is found without regard to case, and %NAME% of a name that is not
// set stays as written.
#include <map>
#include <string>

#include "core/environment.h"
#include "core/textutil.h"

class tfakeenvironment : public zv::tenvironment {
 public:
  void Set(const std::string& name, const std::string& value) { vars_[zv::UpperAscii(name)] = value; }

  std::string Expand(const std::string& text) override {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
      const std::size_t open = text.find('%', i);
      const std::size_t close = open == std::string::npos ? open : text.find('%', open + 1);
      if (close == std::string::npos) break;
      out += text.substr(i, open - i);
      auto it = vars_.find(zv::UpperAscii(text.substr(open + 1, close - open - 1)));
      if (it != vars_.end()) {
        out += it->second;
        i = close + 1;
      } else {
        // The closing % may open the next name.
        out += text.substr(open, close - open);
        i = close;
      }
    }
    return out + text.substr(i);
  }

 private:
  std::map<std::string, std::string> vars_;
};
