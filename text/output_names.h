// The names of the files the tool writes, all derived here from a report's
// name (or, for a download, from the character and the turn).
#pragma once

#include <string>

namespace qv {

// The document's name for a report: in the file's name (a directory in
// front is kept as it is), every "_" becomes "r" when the first "_" stands
// before the first "."; then ASCII lower case and ".htm" -> ".rtf". Empty
// when the name has no such "_": the document then goes to standard output.
std::string RtfOutputName(const std::string& reportName);

// The item-list page's name: every "_" of the report's own name replaced by
// "r"; a directory in front stays as typed. 1234_57.htm gives 1234r57.htm.
std::string ItemListPageName(const std::string& reportName);

// A downloaded report: character "_" turn ".htm".
std::string DownloadedReportName(const std::string& character, const std::string& turn);
// The page a download opens (and, with /letolt, the site's own rendering):
// the item-list page name of the downloaded report, character "r" turn
// ".htm" with every "_" of either replaced by "r".
std::string DownloadedPageName(const std::string& character, const std::string& turn);

}  // namespace qv
