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

void PageFile::Finish() {
  text_.resize(pos_);
  if (!file_) return;
  file_->Write(text_);
  file_->Commit();
  file_.reset();
}

}  // namespace qv
