// The bytes a connection has received and not handed out yet.
#pragma once

#include <cstddef>
#include <string>

namespace qv {

class ReceiveBuffer {
 public:
  static constexpr std::size_t kNotFound = std::string::npos;

  std::size_t Size() const { return data_.size() - head_; }
  bool Empty() const { return Size() == 0; }

  void Append(const char* bytes, std::size_t n);

  // Offset of the first terminator byte, or kNotFound. Bytes already known
  // to hold none are not searched again, so waiting for a long line that
  // arrives in many pieces stays linear.
  std::size_t Find(char terminator);

  // Removes and returns the first n bytes.
  std::string Take(std::size_t n);
  // Removes and returns everything.
  std::string TakeAll();
  void Clear();

 private:
  std::string data_;
  std::size_t head_ = 0;      // bytes before head_ are consumed
  std::size_t searched_ = 0;  // bytes from head_ on known to hold no searchedFor_
  char searchedFor_ = '\n';
};

}  // namespace qv
