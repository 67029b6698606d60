#include "itemlist/page_file.h"

#include <algorithm>
#include <stdexcept>

namespace qv {
PageFile PageFile::Create(const std::string& name) {
  PageFile page;
  page.file_.emplace(name);
  return page;
}

void PageFile::Seek(std::int64_t offset) {
  pos_ = offset < 0 ? 0 : static_cast<std::size_t>(offset);
  if (pos_ < base_) throw std::logic_error("item-list page: a move back into settled text");
  // As a file would, with a hole.
  if (pos_ - base_ > text_.size()) text_.resize(pos_ - base_, '\0');
}

void PageFile::Write(std::string_view text) {
  const std::size_t at = pos_ - base_;
  if (at == text_.size()) {  // the usual case: writing at the end
    text_.append(text);
    pos_ += text.size();
    return;
  }
  const std::size_t over = std::min(text.size(), text_.size() - at);
  text_.replace(at, over, text.substr(0, over));
  text_.append(text.substr(over));
  pos_ += text.size();
}

void PageFile::Line(std::string_view text) {
  if (pos_ - base_ == text_.size()) {  // the usual case: writing at the end
    text_.append(text).append("\r\n", 2);
    pos_ += text.size() + 2;
    return;
  }
  Write(text);
  Write("\r\n");
}

void PageFile::GoOutBefore(std::int64_t offset) {
  const std::size_t n = std::min(static_cast<std::size_t>(offset) - base_, text_.size());
  GoOut(std::string_view(text_).substr(0, n));
  text_.erase(0, n);
  base_ += n;
}

void PageFile::InsertAtFinish(std::int64_t offset, std::string text) {
  inserts_.emplace_back(offset < 0 ? 0 : static_cast<std::size_t>(offset), std::move(text));
}

void PageFile::PutOut(std::string_view text) {
  // Pieces gather into blocks, so that the page goes out in few writes; a
  // piece of half a block or more goes as it is, behind what gathered.
  if (file_ && text.size() >= kWriteBlock / 2) {
    FlushOut();
    file_->Write(text);
    return;
  }
  OutBlock(text.size()).append(text);
}

std::string& PageFile::OutBlock(std::size_t bytes) {
  if (!file_) return finished_;
  if (out_.size() + bytes > kWriteBlock) FlushOut();
  if (out_.capacity() < kWriteBlock) out_.reserve(kWriteBlock);
  return out_;
}

void PageFile::FlushOut() {
  if (out_.empty()) return;
  out_ = file_->Hand(std::move(out_));  // written beside the work
}

void PageFile::GoOut(std::string_view text) {
  if (sink_)
    sink_->Put(*this, text);
  else
    PutOut(text);
}

void PageFile::Finish() {
  text_.resize(pos_ - base_);
  std::stable_sort(inserts_.begin(), inserts_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  // The page in pieces: the text up to each insertion, then the insertion.
  const std::string_view page = text_;
  std::size_t done = 0;
  for (const auto& [offset, text] : inserts_) {
    const std::size_t at = std::min(offset - std::min(offset, base_), page.size());
    GoOut(page.substr(done, at - done));
    PutOut(text);
    done = at;
  }
  GoOut(page.substr(done));
  if (sink_) sink_->End(*this);
  inserts_.clear();
  sink_.reset();
  if (!file_) {
    text_ = std::move(finished_);
    finished_.clear();
    base_ = 0;
    pos_ = text_.size();
    return;
  }
  FlushOut();
  file_->Commit();
  file_.reset();
}

}  // namespace qv
