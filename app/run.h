// One run of the tool: usage, start line, the chosen mode, end line.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/session.h"
#include "download/turn_request.h"

namespace qv {

// The work a mode hands a report to, so that tests can watch the batch run.
struct ModeHandlers {
  std::function<void(Session&, const std::string&)> convert;   // detect + convert
  std::function<void(Session&, const std::string&)> itemList;  // item-list page
  std::function<void(Session&)> download;
  std::function<void(Session&, const std::vector<std::string>&)> atlas;  // the reports merged
  std::function<std::vector<std::string>()> listDirectory;                    // current directory
  std::function<std::vector<std::string>(const std::string&)> matchingFiles;  // of a pattern
  std::function<bool(const std::string&)> isFile;  // names an existing file
  std::function<std::string()> timeText;
};

// The handlers that do the real work.
ModeHandlers DefaultHandlers();

// The mode of a run; the first rule that applies wins: "/o" downloads,
// "/atlasz" merges the reports (those given, or the directory's) into the
// atlas, two or more report parameters naming existing files (reportFiles, see
// ReportParams) without "/k" are each converted or paged in turn, "/t" with
// a report (and without "/k") builds one item-list page, "/k" runs over the
// directory, any other parameter is a report to convert.
enum class Mode { kDownload, kAtlas, kReports, kItemList, kBatch, kSingle, kNone };
Mode ChooseMode(const CommandLine& args, int reportFiles = 0);

// True when the batch run takes a directory entry of this name.
bool TakenByBatch(const std::string& name);

// The numbered line before each report of a batch run or of a run given
// several reports: "   1. Filenev: 1234_56.htm", and the same without the
// name.
std::string BatchLine(int counter, const std::string& name);
std::string BatchLinePrefix(int counter);

// The typed options of a download.
DownloadOptions DownloadOptionsFrom(const CommandLine& args);

// Runs the tool; errors propagate as exceptions (caught in main). Report
// patterns are first replaced by the files they match (ExpandReportPatterns)
// when the run takes its reports from the parameters.
void RunTool(Session& session, const ModeHandlers& handlers);

}  // namespace qv
