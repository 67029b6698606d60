// The one exception type of the tool. Every failure that nothing handles on
// the way ends the run in main(): the kind and the text go to standard error
// and the process exits with status 1.
#pragma once

#include <stdexcept>
#include <string>

namespace qv {

class Error : public std::runtime_error {
 public:
  Error(std::string kind, const std::string& text);
  const std::string& kind() const { return kind_; }
  const std::string& text() const { return text_; }

 private:
  std::string kind_;
  std::string text_;
};

// An I/O failure on a named file; `what` describes the operation ("open",
// "read", "write"), errno_value is the system error behind it.
[[noreturn]] void ThrowFileError(const std::string& what, const std::string& name, int errno_value);

// The same with the reason in words: "cannot <what> '<name>': <reason>".
[[noreturn]] void ThrowFileProblem(const std::string& what, const std::string& name,
                                   const std::string& reason);

}  // namespace qv
