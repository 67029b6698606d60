#include "platform/arguments.h"

#include "platform/error.h"
#include "platform/system_error.h"
#include "platform/win32/wide.h"

#include <shellapi.h>  // after windows.h

namespace qv {

std::vector<std::string> ProgramArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr)
    throw Error(error_kind::kCommandLine,
                "a parancssor nem olvashato: " + SystemErrorText(LastSystemError()));
  // As UTF-8, like a name: a report named in any script is found, and the
  // option values are turned into Windows-1250 where they are used.
  std::vector<std::string> params;
  for (int i = 1; i < count; ++i) params.push_back(win32::NameOf(wide[i], wcslen(wide[i])));
  LocalFree(wide);
  return params;
}

}  // namespace qv
