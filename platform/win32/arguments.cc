#include "platform/arguments.h"

#include "platform/error.h"
#include "platform/win32/wide.h"

#include <shellapi.h>  // after windows.h

namespace qv {

std::vector<std::string> ProgramArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) throw Error("Command line error", win32::ErrorText(GetLastError()));
  std::vector<std::string> params;
  std::string refused;
  for (int i = 1; i < count; ++i) {
    std::string param;
    if (!win32::Narrow(wide[i], wcslen(wide[i]), &param) && refused.empty()) refused = param;
    params.push_back(std::move(param));
  }
  LocalFree(wide);
  if (!refused.empty())
    throw Error("Command line error",
                "the parameter '" + refused +
                    "' holds a character that Windows-1250 cannot hold (shown as \"?\")");
  return params;
}

}  // namespace qv
