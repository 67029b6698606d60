#include "app/command_line.h"

#include "text/text.h"

namespace qv {

bool CommandLine::HasOption(const std::string& name) const {
  const std::string wanted = AsciiLowerCase(name);
  for (const std::string& p : params_)
    if (AsciiLowerCase(p) == wanted) return true;
  return false;
}

std::string CommandLine::OptionValue(const std::string& name) const {
  const std::string wanted = AsciiLowerCase(name);
  std::string result;
  for (const std::string& p : params_) {
    if (!Contains(AsciiLowerCase(p), wanted)) continue;
    const std::size_t eq = p.find('=');
    result = eq == std::string::npos ? p : p.substr(eq + 1);
  }
  return result;
}

}  // namespace qv
