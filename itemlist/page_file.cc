#include "itemlist/page_file.h"

#include <algorithm>


namespace qv {
PageFile PageFile::Create(const std::string& name) {
  PageFile page;
  page.file_.emplace(name);
  return page;
}

void PageFile::Seek(std::int64_t offset) {
  pos_ = offset < 0 ? 0 : static_cast<std::size_t>(offset);
  if (pos_ > text_.size()) text_.resize(pos_, '\0');  // as a file would, with a hole
}

void PageFile::Write(std::string_view text) {
  if (pos_ == text_.size()) {  // the usual case: writing at the end
    text_.append(text);
    pos_ += text.size();
    return;
  }
  const std::size_t over = std::min(text.size(), text_.size() - pos_);
  text_.replace(pos_, over, text.substr(0, over));
  text_.append(text.substr(over));
  pos_ += text.size();
}

void PageFile::Line(std::string_view text) {
  Write(text);
  Write("\r\n");
}

void PageFile::InsertAtFinish(std::int64_t offset, std::string text) {
  inserts_.emplace_back(offset < 0 ? 0 : static_cast<std::size_t>(offset), std::move(text));
}

void PageFile::Finish() {
  text_.resize(pos_);
  std::stable_sort(inserts_.begin(), inserts_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  // The page in pieces: the text up to each insertion, then the insertion.
  std::string joined;
  auto put = [&](std::string_view piece) {
    if (file_)
      file_->Write(piece);
    else
      joined.append(piece);
  };
  const std::string_view page = text_;
  std::size_t done = 0;
  for (const auto& [offset, text] : inserts_) {
    const std::size_t at = std::min(offset, page.size());
    put(page.substr(done, at - done));
    put(text);
    done = at;
  }
  put(page.substr(done));
  inserts_.clear();
  if (!file_) {
    text_ = std::move(joined);
    pos_ = text_.size();
    return;
  }
  file_->Commit();
  file_.reset();
}

}  // namespace qv
