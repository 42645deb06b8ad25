#include "platform/win32iconpicker.h"

#include <cwchar>
#include <string>

#include "core/textutil.h"
#include "platform/win32environment.h"
#include "platform/win32shell.h"
#include "platform/win32text.h"

namespace zv {

ticonpick PickIconLocation(HWND owner, ticonlocation& location) {
  // Exported by name since Vista and by ordinal 62 before; the import
  // libraries do not all name it.
  using pickicon = int(WINAPI*)(HWND, PWSTR, UINT, int*);
  static const pickicon pick = reinterpret_cast<pickicon>(ShellFunction({"PickIconDlg"}, 62));
  if (!pick) return ticonpick::Unavailable;
  const std::string start = ProcessEnvironment().Expand(location.File);
  std::wstring buffer(32768, L'\0');
  const std::wstring wide = WideFromProcess(start);
  if (wide.size() < buffer.size()) wide.copy(buffer.data(), wide.size());
  int index = location.Index;
  // 1 for a choice and 0 for none; the stub answers -1 and shows nothing.
  const int answer = pick(owner, buffer.data(), static_cast<UINT>(buffer.size()), &index);
  if (answer < 0) return ticonpick::Unavailable;
  if (answer == 0) return ticonpick::Cancelled;
  buffer.resize(wcsnlen(buffer.c_str(), buffer.size()));
  std::string chosen;
  if (!ProcessFromWide(buffer, chosen) || chosen.empty()) return ticonpick::Cancelled;
  if (!SameTextAscii(chosen, start)) location.File = chosen;
  location.Index = index;
  return ticonpick::Chosen;
}

}  // namespace zv
