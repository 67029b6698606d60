// An environment variable set for a scope.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/environment.h"
#ifdef _WIN32
#include "platform/win32/wide.h"
#endif

namespace qv::test {

// Sets an environment variable (nullptr: removes it) and puts back the
// earlier value when it goes.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name), before_(EnvironmentValue(name)) {
    Set(value);
  }
  ~ScopedEnv() { Set(before_ ? before_->c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Set(const char* value) {
#ifdef _WIN32
    // Values travel as UTF-8, as EnvironmentValue gives them; "" removes one.
    _wputenv_s(win32::WideName(name_).c_str(),
               value != nullptr ? win32::WideName(value).c_str() : L"");
#else
    if (value != nullptr)
      setenv(name_.c_str(), value, 1);
    else
      unsetenv(name_.c_str());
#endif
  }
  std::string name_;
  std::optional<std::string> before_;
};

}  // namespace qv::test
