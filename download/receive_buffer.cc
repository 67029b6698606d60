#include "download/receive_buffer.h"

#include <cstring>

namespace qv {

void ReceiveBuffer::Append(const char* bytes, std::size_t n) {
  // Consumed bytes are dropped once they make up most of the storage, so
  // taking lines one by one from a large buffer stays linear.
  if (head_ > 0 && head_ >= data_.size() / 2) {
    data_.erase(0, head_);
    head_ = 0;
  }
  data_.append(bytes, n);
}

std::size_t ReceiveBuffer::Find(char terminator) {
  if (terminator != searchedFor_) {
    searchedFor_ = terminator;
    searched_ = 0;
  }
  const char* start = data_.data() + head_;
  const std::size_t size = Size();
  const void* hit =
      searched_ < size ? std::memchr(start + searched_, terminator, size - searched_) : nullptr;
  if (hit == nullptr) {
    searched_ = size;
    return kNotFound;
  }
  searched_ = static_cast<std::size_t>(static_cast<const char*>(hit) - start);
  return searched_;
}

std::string ReceiveBuffer::Take(std::size_t n) {
  if (n > Size()) n = Size();
  std::string out = data_.substr(head_, n);
  head_ += n;
  searched_ = searched_ > n ? searched_ - n : 0;
  if (head_ == data_.size()) {
    data_.clear();
    head_ = 0;
  }
  return out;
}

std::string ReceiveBuffer::TakeAll() {
  std::string out = data_.substr(head_);
  Clear();
  return out;
}

void ReceiveBuffer::Clear() {
  data_.clear();
  head_ = 0;
  searched_ = 0;
}

}  // namespace qv
