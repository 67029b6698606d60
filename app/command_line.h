// The command-line parameters and the two lookups every mode uses.
#pragma once

#include <string>
#include <vector>

namespace qv {

class CommandLine {
 public:
  CommandLine() = default;
  // The parameters without the executable's own path.
  explicit CommandLine(std::vector<std::string> params) : params_(std::move(params)) {}

  int Count() const { return static_cast<int>(params_.size()); }
  // Parameter number n, counted from 1.
  const std::string& Param(int n) const { return params_.at(n - 1); }
  const std::vector<std::string>& Params() const { return params_; }

  // True when a whole parameter equals name, compared in ASCII lower case.
  // "/kk" is not "/k".
  bool HasOption(const std::string& name) const;

  // The text after the first "=" of the last parameter that contains name
  // anywhere (case-blind); a matching parameter without "=" gives the whole
  // parameter; empty when nothing matches. "/karakter=5" answers "/kar".
  std::string OptionValue(const std::string& name) const;

 private:
  std::vector<std::string> params_;
};

}  // namespace qv
