// An environment variable set for a scope.
#pragma once

#include <cstdlib>
#include <string>

namespace qv::test {

// Sets an environment variable (nullptr: removes it) and puts back the
// earlier value when it goes.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* before = std::getenv(name);
    had_ = before != nullptr;
    if (had_) before_ = before;
    Set(value);
  }
  ~ScopedEnv() { Set(had_ ? before_.c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Set(const char* value) {
#ifdef _WIN32
    _putenv_s(name_.c_str(), value != nullptr ? value : "");  // "" removes it there
#else
    if (value != nullptr)
      setenv(name_.c_str(), value, 1);
    else
      unsetenv(name_.c_str());
#endif
  }
  std::string name_;
  bool had_ = false;
  std::string before_;
};

}  // namespace qv::test
