// How deep the groups of an RTF text are left open.
#pragma once

#include <string_view>

namespace qv::test {

// The depth of the groups an RTF text leaves open: "{" and "}" that are not
// escaped are counted (picture data, being hexadecimal, holds neither); -1
// when a "}" closes more than was opened.
inline int BraceBalance(std::string_view rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;  // an escaped character or the first letter of a control word
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}') {
      if (--depth < 0) return -1;
    }
  }
  return depth;
}

}  // namespace qv::test
