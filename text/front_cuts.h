// A report line cut from the front, piece by piece, in time linear in the
// line however many pieces are cut: the cells of a long table row.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "text/text.h"

namespace qv {

// A report line cut from the front, piece by piece. Where a marker and the
// first non-blank character next stand is remembered until the cuts pass it,
// and a marker once missing stays missing, so cutting a long line into many
// cells reads each part of it only once per marker.
class FrontCuts {
 public:
  // Room for the few markers a row is cut at, in one allocation.
  explicit FrontCuts(std::string text) : text_(std::move(text)) { found_.reserve(8); }

  bool Empty() const { return start_ >= text_.size(); }
  // The text before position p of the rest (1-based); empty when p is 0.
  std::string_view Before(int p) const {
    return p <= 0 ? std::string_view() : std::string_view(text_).substr(start_, p - 1);
  }
  std::string_view Rest() const { return std::string_view(text_).substr(start_); }

  // Position of marker in the rest (1-based), 0 when missing.
  int Find(std::string_view marker) {
    auto seen = std::find_if(found_.begin(), found_.end(),
                             [&](const Found& f) { return f.marker == marker; });
    if (seen == found_.end()) seen = found_.insert(found_.end(), Found{marker});
    if (!seen->known || (seen->at != std::string::npos && seen->at < start_)) {
      seen->at = text_.find(marker, start_);
      seen->known = true;
    }
    return seen->at == std::string::npos ? 0 : static_cast<int>(seen->at - start_) + 1;
  }
  bool Holds(std::string_view marker) { return Find(marker) > 0; }
  bool StartsAfterBlanksWith(char c) {
    const std::size_t at = FirstNonBlank();
    return at < text_.size() && text_[at] == c;
  }

  // Deletes n characters of the rest (all when fewer are left).
  void Drop(int n) {
    if (n > 0) start_ = std::min(text_.size(), start_ + static_cast<std::size_t>(n));
  }
  // Deletes through the first marker; when it is missing, as many
  // characters as it has, less one (the cutting rule of the report sections).
  void DropThrough(std::string_view marker) { Drop(Find(marker) + Length(marker) - 1); }
  void DropLeadingBlanks() { start_ = std::min(FirstNonBlank(), text_.size()); }
  void Clear() { start_ = text_.size(); }
  // Goes on with a new text in place of the rest.
  void Replace(std::string text) {
    text_ = std::move(text);
    start_ = 0;
    found_.clear();
    nonBlankKnown_ = false;
  }

 private:
  struct Found {
    std::string_view marker;
    std::size_t at = std::string::npos;  // in text_; npos: missing for good
    bool known = false;
  };

  std::size_t FirstNonBlank() {
    if (!nonBlankKnown_ || nonBlank_ < start_) {
      nonBlank_ = text_.find_first_not_of(' ', start_);
      nonBlankKnown_ = true;
    }
    return nonBlank_;
  }

  std::string text_;
  std::size_t start_ = 0;
  std::vector<Found> found_;
  std::size_t nonBlank_ = std::string::npos;
  bool nonBlankKnown_ = false;
};

}  // namespace qv
