// Which parameters name reports, and report patterns ("*.htm") turned into
// the files they match: a command prompt hands them over unexpanded.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace qv {

// A switch ("/k", "/t", "/o", "/letolt", "/atlasz", "/?", in any case) or a valued
// option ("/NAME=VALUE": no "/" or "\" between the leading "/" and the first
// "="): never a report, nor a pattern. "/home/x=1/a_1.htm" is a path.
bool IsOptionParam(const std::string& param);

// Every other parameter, in order: the reports of a run given several.
std::vector<std::string> ReportParams(const CommandLine& args);

// The parameters with each pattern (a report parameter holding "*" or "?"
// that names no file itself) replaced by the files it matches, in the
// order matchingFiles gives them. Throws qv::Error naming a pattern that
// matches no file.
CommandLine ExpandReportPatterns(
    const CommandLine& args,
    const std::function<std::vector<std::string>(const std::string&)>& matchingFiles,
    const std::function<bool(const std::string&)>& isFile);

}  // namespace qv
