#include "tests/support/rtf_structure.h"

#include <algorithm>
#include <cstring>

namespace qv::test {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Where findings are kept: by byte offset, made into line numbers at the end
// (a document is mostly picture data, which needs no line count).
struct Finding {
  std::size_t at;
  std::string what;
};

// The row state that the control words move through.
class RowState {
 public:
  explicit RowState(std::vector<Finding>& findings) : findings_(findings) {}

  void Word(std::string_view word, std::size_t at) {
    if (word == "trowd") {
      LeftOpen("\\trowd", at);
      defined_ = true;
      edges_ = 0;
      cells_ = 0;
    } else if (word == "cellx") {
      if (defined_) ++edges_;
    } else if (word == "cell") {
      if (!defined_) {
        findings_.push_back({at, "\\cell outside a row"});
        return;
      }
      if (++cells_ == edges_ + 1)
        findings_.push_back(
            {at, "row with more cells than its " + std::to_string(edges_) + " edges"});
    } else if (word == "row") {
      if (!defined_ || cells_ == 0)
        findings_.push_back({at, "\\row that ends no row holding a cell"});
      defined_ = false;
      cells_ = 0;
    } else if (word == "pard" || word == "sect" || word == "sectd" || word == "page") {
      LeftOpen("\\" + std::string(word), at);
    }
  }

  void End(std::size_t at) { LeftOpen("the document end", at); }

 private:
  // A row holding cells that something outside it follows.
  void LeftOpen(const std::string& what, std::size_t at) {
    if (cells_ == 0) return;
    findings_.push_back(
        {at, "row of " + std::to_string(cells_) + " cells left open before " + what});
    defined_ = false;
    cells_ = 0;
  }

  std::vector<Finding>& findings_;
  bool defined_ = false;  // a "\trowd" since the last "\row"
  int edges_ = 0;
  int cells_ = 0;
};

// The next backslash, "{" or "}" at or after a position. The text between them
// (most of a document, its picture data above all) is passed over by
// memchr, each of the three bytes found once.
class NextStop {
 public:
  explicit NextStop(std::string_view text) : text_(text) {}

  std::size_t From(std::size_t at) {
    std::size_t next = text_.size();
    for (int k = 0; k < 3; ++k) {
      if (found_[k] < at || found_[k] == kUnknown) found_[k] = Find(kBytes[k], at);
      next = std::min(next, found_[k]);
    }
    return next;
  }

 private:
  static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
  static constexpr char kBytes[3] = {'\\', '{', '}'};

  std::size_t Find(char c, std::size_t at) const {
    if (at >= text_.size()) return text_.size();
    const void* hit = std::memchr(text_.data() + at, c, text_.size() - at);
    return hit == nullptr ? text_.size()
                          : static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
  }

  std::string_view text_;
  std::size_t found_[3] = {kUnknown, kUnknown, kUnknown};
};

std::vector<std::string> Check(std::string_view rtf, long startDepth) {
  std::vector<Finding> findings;
  RowState rows(findings);
  long depth = startDepth;
  const std::size_t size = rtf.size();
  NextStop stops(rtf);
  for (std::size_t i = 0; i < size; ++i) {
    i = stops.From(i);
    if (i == size) break;
    const char c = rtf[i];
    if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (--depth < startDepth) {
        findings.push_back({i, "a } that closes no group"});
        depth = startDepth;
      }
    } else if (i + 1 < size) {
      const char next = rtf[i + 1];
      if (!IsLetter(next)) {
        ++i;  // a control symbol: an escaped character, "\'" takes two digits
        if (next == '\'') i += 2;
        continue;
      }
      std::size_t end = i + 1;
      while (end < size && IsLetter(rtf[end])) ++end;
      rows.Word(rtf.substr(i + 1, end - i - 1), i);
      i = end - 1;  // a number after the word is text to this check
    }
  }
  rows.End(size);
  if (depth != startDepth)
    findings.push_back({size, std::to_string(depth - startDepth) + " groups left open"});

  // Line numbers, counted once over the document up to the last finding.
  std::vector<std::string> described;
  std::size_t line = 1, counted = 0;
  for (const Finding& f : findings) {
    const std::size_t at = std::min(f.at, size);
    if (at > counted) {
      line += static_cast<std::size_t>(std::count(rtf.begin() + counted, rtf.begin() + at, '\n'));
      counted = at;
    }
    described.push_back("line " + std::to_string(line) + ": " + f.what);
  }
  return described;
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
