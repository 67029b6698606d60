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

void PageFile::PutOut(std::string_view text) {
  if (file_)
    file_->Write(text);
  else
    finished_.append(text);
}

void PageFile::PutOutThrough(std::int64_t offset) {
  const std::size_t end = std::min(text_.size(), pos_);
  const std::size_t at = std::clamp<std::size_t>(offset < 0 ? 0 : static_cast<std::size_t>(offset),
                                                 putOut_, std::max(putOut_, end));
  PutOut(std::string_view(text_).substr(putOut_, at - putOut_));
  putOut_ = at;
}

void PageFile::Finish() {
  text_.resize(std::max(pos_, putOut_));
  std::stable_sort(inserts_.begin(), inserts_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  // The page in pieces: the text up to each insertion, then the insertion.
  const std::string_view page = text_;
  std::size_t done = putOut_;
  for (const auto& [offset, text] : inserts_) {
    const std::size_t at = std::clamp(offset, done, page.size());
    PutOut(page.substr(done, at - done));
    PutOut(text);
    done = at;
  }
  PutOut(page.substr(done));
  inserts_.clear();
  putOut_ = 0;
  if (!file_) {
    text_ = std::move(finished_);
    finished_.clear();
    pos_ = text_.size();
    return;
  }
  file_->Commit();
  file_.reset();
}

}  // namespace qv
