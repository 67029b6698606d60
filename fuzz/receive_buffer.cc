// Fuzz target: the download's receive buffer, driven as the line reader
// drives it and compared with a plain string after every step. The input is
// a script of steps, each a byte (its value modulo 6 picks the step) and
// its arguments:
//   0 n bytes...  append n bytes (fewer when the input ends)
//   1             take a line: find "\n", take through it
//   2 t           find the terminator t
//   3 n           take n bytes
//   4             take everything
//   5             clear
#include <cstdint>
#include <string>

#include "download/receive_buffer.h"
#include "fuzz/fuzz_support.h"

namespace {

using qv::fuzz::CheckFailed;

std::size_t Offset(const std::string& model, char terminator) {
  const std::size_t at = model.find(terminator);
  return at == std::string::npos ? qv::ReceiveBuffer::kNotFound : at;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::ReceiveBuffer buffer;
  std::string model;
  std::size_t i = 0;
  auto next = [&]() -> uint8_t { return i < size ? data[i++] : 0; };
  while (i < size) {
    switch (next() % 6) {
      case 0: {
        std::size_t n = next();
        if (n > size - i) n = size - i;
        buffer.Append(reinterpret_cast<const char*>(data + i), n);
        model.append(reinterpret_cast<const char*>(data + i), n);
        i += n;
        break;
      }
      case 1: {
        const std::size_t k = buffer.Find('\n');
        if (k != Offset(model, '\n')) CheckFailed("a line end found in the wrong place");
        if (k != qv::ReceiveBuffer::kNotFound) {
          if (buffer.Take(k + 1) != model.substr(0, k + 1)) CheckFailed("the wrong line taken");
          model.erase(0, k + 1);
        }
        break;
      }
      case 2: {
        const char terminator = static_cast<char>(next());
        if (buffer.Find(terminator) != Offset(model, terminator))
          CheckFailed("a terminator found in the wrong place");
        break;
      }
      case 3: {
        const std::size_t n = next();
        if (buffer.Take(n) != model.substr(0, n)) CheckFailed("the wrong bytes taken");
        model.erase(0, n);
        break;
      }
      case 4:
        if (buffer.TakeAll() != model) CheckFailed("not everything taken");
        model.clear();
        break;
      case 5:
        buffer.Clear();
        model.clear();
        break;
    }
    if (buffer.Size() != model.size() || buffer.Empty() != model.empty())
      CheckFailed("the buffer's size is wrong");
  }
  return 0;
}
