#pragma once
// How the list file operations report their progress. The window behind it
// lives on the Win32 side; the core only drives it.
#include <cstdint>

namespace zv {

class tlistprogress {
 public:
  virtual ~tlistprogress() = default;
  // Sets the maximum and shows the progress; false when the maximum is
  // refused (below 0), and then nothing is shown.
  virtual bool Open(std::int32_t maximum) = 0;
  // Progress before entry i. The export lets pending window messages through,
  // the import only repaints.
  virtual void Step(std::int32_t position, bool processMessages) = 0;
  virtual void Close() = 0;
};

class tnullprogress : public tlistprogress {
 public:
  bool Open(std::int32_t maximum) override { return maximum >= 0; }
  void Step(std::int32_t, bool) override {}
  void Close() override {}
};

}  // namespace zv
