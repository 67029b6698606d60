#include "tests/support/rtf_structure.h"

namespace qv::test {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The row state that the control words move through.
class RowState {
 public:
  explicit RowState(std::vector<std::string>& findings) : findings_(findings) {}

  void Word(std::string_view word, std::size_t line) {
    if (word == "trowd") {
      LeftOpen("\\trowd", line);
      defined_ = true;
      edges_ = 0;
      cells_ = 0;
    } else if (word == "cellx") {
      if (defined_) ++edges_;
    } else if (word == "cell") {
      if (!defined_) {
        Find(line, "\\cell outside a row");
        return;
      }
      if (++cells_ == edges_ + 1)
        Find(line, "row with more cells than its " + std::to_string(edges_) + " edges");
    } else if (word == "row") {
      if (!defined_ || cells_ == 0) Find(line, "\\row that ends no row holding a cell");
      defined_ = false;
      cells_ = 0;
    } else if (word == "pard" || word == "sect" || word == "sectd" || word == "page") {
      LeftOpen("\\" + std::string(word), line);
    }
  }

  void End(std::size_t line) { LeftOpen("the document end", line); }

 private:
  // A row holding cells that something outside it follows.
  void LeftOpen(const std::string& what, std::size_t line) {
    if (cells_ == 0) return;
    Find(line, "row of " + std::to_string(cells_) + " cells left open before " + what);
    defined_ = false;
    cells_ = 0;
  }

  void Find(std::size_t line, const std::string& what) {
    findings_.push_back("line " + std::to_string(line) + ": " + what);
  }

  std::vector<std::string>& findings_;
  bool defined_ = false;  // a "\trowd" since the last "\row"
  int edges_ = 0;
  int cells_ = 0;
};

std::vector<std::string> Check(std::string_view rtf, long startDepth) {
  std::vector<std::string> findings;
  RowState rows(findings);
  long depth = startDepth;
  std::size_t line = 1;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    const char c = rtf[i];
    if (c == '\n') {
      ++line;
    } else if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (--depth < startDepth) {
        findings.push_back("line " + std::to_string(line) + ": a } that closes no group");
        depth = startDepth;
      }
    } else if (c == '\\' && i + 1 < rtf.size()) {
      const char next = rtf[i + 1];
      if (!IsLetter(next)) {
        ++i;  // a control symbol: an escaped character, "\'" takes two digits
        if (next == '\'') i += 2;
        if (next == '\n') ++line;
        continue;
      }
      std::size_t end = i + 1;
      while (end < rtf.size() && IsLetter(rtf[end])) ++end;
      rows.Word(rtf.substr(i + 1, end - i - 1), line);
      i = end - 1;  // a number after the word is text to this check
    }
  }
  rows.End(line);
  if (depth != startDepth)
    findings.push_back("line " + std::to_string(line) + ": " + std::to_string(depth - startDepth) +
                       " groups left open");
  return findings;
}

std::string Join(const std::vector<std::string>& findings, std::size_t limit) {
  std::string text;
  for (std::size_t i = 0; i < findings.size() && i < limit; ++i) text += findings[i] + "\n";
  if (findings.size() > limit) text += "and " + std::to_string(findings.size() - limit) + " more\n";
  return text;
}

}  // namespace

std::vector<std::string> RtfStructureFindings(std::string_view rtf) { return Check(rtf, 0); }

std::string RtfStructureFaults(std::string_view rtf, std::size_t limit) {
  return Join(Check(rtf, 0), limit);
}

std::string RtfPieceFaults(std::string_view piece, std::size_t limit) {
  return Join(Check(piece, 1), limit);
}

}  // namespace qv::test
