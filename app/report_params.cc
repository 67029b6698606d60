#include "app/report_params.h"

#include "platform/error.h"
#include "platform/wildcard.h"
#include "text/text.h"

namespace qv {

bool IsOptionParam(const std::string& param) {
  const std::string lower = AsciiLowerCase(param);
  for (const char* name : {"/k", "/t", "/o", "/letolt", "/atlasz", "/?"})
    if (lower == name) return true;
  const std::size_t eq = param.find('=');
  return param.size() > 1 && param[0] == '/' && eq != std::string::npos &&
         param.find_first_of("/\\", 1) > eq;
}

std::vector<std::string> ReportParams(const CommandLine& args) {
  std::vector<std::string> reports;
  for (const std::string& p : args.Params())
    if (!IsOptionParam(p)) reports.push_back(p);
  return reports;
}

CommandLine ExpandReportPatterns(
    const CommandLine& args,
    const std::function<std::vector<std::string>(const std::string&)>& matchingFiles,
    const std::function<bool(const std::string&)>& isFile) {
  std::vector<std::string> expanded;
  for (const std::string& p : args.Params()) {
    if (IsOptionParam(p) || !HoldsWildcard(p) || isFile(p)) {
      expanded.push_back(p);
      continue;
    }
    const std::vector<std::string> files = matchingFiles(p);
    if (files.empty())
      throw Error(error_kind::kCommandLine, "egy fajl sem illeszkedik erre: '" + p + "'");
    expanded.insert(expanded.end(), files.begin(), files.end());
  }
  return CommandLine(std::move(expanded));
}

}  // namespace qv
