// Fuzz target: settling the turn from the lines of a login answer. The
// input's first line is the character number (/kar), the second the turn
// asked for (/ford, e.g. "utolso" or "57&bul"), every further line one line
// of the answer.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "download/turn_resolution.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines = qv::fuzz::InputLines(qv::fuzz::AsText(data, size));
  if (lines.size() < 2) return 0;
  qv::TurnResolution resolution(lines[0], lines[1]);
  std::size_t longest = lines[1].size();
  for (std::size_t i = 2; i < lines.size() && !resolution.Settled(); ++i) {
    resolution.Take(lines[i]);
    // The turn is only ever cut from the texts it was given.
    longest = std::max(longest, lines[i].size());
    if (resolution.turn().size() > longest) qv::fuzz::CheckFailed("the turn grew beyond its sources");
  }
  return 0;
}
