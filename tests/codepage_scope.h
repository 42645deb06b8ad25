#pragma once
// Puts a code page in the place of the process's for one test.
#include "core/codepage.h"

class tcodepagescope {
 public:
  explicit tcodepagescope(const zv::tcodepage& page) { zv::UseProcessCodePage(&page); }
  ~tcodepagescope() { zv::UseProcessCodePage(nullptr); }
  tcodepagescope(const tcodepagescope&) = delete;
  tcodepagescope& operator=(const tcodepagescope&) = delete;
};

// Texts of the program spelled in Windows-1252, as UTF-8.
inline std::string U8(const std::string& cp1252) { return zv::Utf8FromCp1252(cp1252); }
