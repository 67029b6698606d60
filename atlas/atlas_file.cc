#include "atlas/atlas_file.h"

#include <charconv>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/error.h"
#include "platform/input_file.h"
#include "platform/replacing_file.h"

namespace qv {
namespace {

constexpr std::string_view kFirstLine = "qvformat atlasz 1";
constexpr std::string_view kLineEnd = "\r\n";
// The largest atlas file read: far more than years of a player's maps.
constexpr std::int64_t kMostBytes = std::int64_t{1} << 30;

// Appends the fields, each after a tab but the first, and the line end.
class LineBuilder {
 public:
  explicit LineBuilder(std::string& out) : out_(out) {}
  template <typename... Fields>
  void Line(std::string_view first, const Fields&... fields) {
    out_ += first;
    ((out_ += '\t', Add(fields)), ...);
    out_ += kLineEnd;
  }

 private:
  void Add(std::string_view text) { out_ += text; }
  void Add(std::int64_t n) { out_ += std::to_string(n); }
  void Add(int n) { out_ += std::to_string(n); }
  std::string& out_;
};

// A decimal number as the file writes it: an optional "-", then digits
// without a leading zero (a lone "0" apart).
bool ParseNumber(std::string_view text, std::int64_t* value) {
  std::string_view digits = text.substr(!text.empty() && text[0] == '-' ? 1 : 0);
  if (digits.empty() || (digits[0] == '0' && (digits.size() > 1 || digits.size() < text.size())))
    return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return ec == std::errc() && end == text.data() + text.size();
}

class FileParser {
 public:
  explicit FileParser(const std::string& fileName) : fileName_(fileName) {}

  void Take(std::string_view line, AtlasWorld& world) {
    ++lineNumber_;
    std::vector<std::string_view> f;
    for (std::size_t start = 0;;) {
      const std::size_t tab = line.find('\t', start);
      f.push_back(line.substr(start, tab - start));
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
    if (f[0] == "cella" && f.size() == 8) {
      AtlasCell c;
      c.x = Coordinate(f[1]);
      c.y = Coordinate(f[2]);
      c.terrain = Int(f[3], 1, 14);
      c.icons = Int(f[4], 0, INT32_MAX);
      c.firstTurn = Number(f[5]);
      c.lastTurn = Number(f[6]);
      c.character = Number(f[7]);
      if (c.firstTurn > c.lastTurn) Fail();
      world.cells.push_back(c);
    } else if (f[0] == "lepes" && f.size() == 6) {
      world.steps.push_back(
          {Number(f[1]), Number(f[2]), Coordinate(f[3]), Coordinate(f[4]), Int(f[5], 1, 9)});
    } else if (f[0] == "hely" && f.size() == 6) {
      AtlasPlace p;
      p.x = Coordinate(f[1]);
      p.y = Coordinate(f[2]);
      p.turn = Number(f[3]);
      p.character = Number(f[4]);
      p.text = std::string(f[5]);
      world.places.push_back(std::move(p));
    } else {
      Fail();
    }
  }

  [[noreturn]] void Fail() const {
    throw Error(error_kind::kFile, "'" + fileName_ + "' nem olvashato atlaszfajl, hibas a " +
                                       std::to_string(lineNumber_) + ". sora; a fajl valtozatlan");
  }
  void NextLine() { ++lineNumber_; }

 private:
  std::int64_t Number(std::string_view text) const {
    std::int64_t n = 0;
    if (!ParseNumber(text, &n) || n < 0) Fail();
    return n;
  }
  int Int(std::string_view text, std::int64_t low, std::int64_t high) const {
    std::int64_t n = 0;
    if (!ParseNumber(text, &n) || n < low || n > high) Fail();
    return static_cast<int>(n);
  }
  int Coordinate(std::string_view text) const { return Int(text, INT32_MIN, INT32_MAX); }

  const std::string& fileName_;
  int lineNumber_ = 0;
};

}  // namespace

std::string AtlasFileText(const AtlasWorld& world) {
  std::string out;
  LineBuilder b(out);
  b.Line(kFirstLine);
  for (const AtlasCell& c : world.cells)
    b.Line("cella", c.x, c.y, c.terrain, c.icons < 1 ? 0 : c.icons, c.firstTurn, c.lastTurn,
           c.character);
  for (const AtlasStep& s : world.steps) b.Line("lepes", s.character, s.turn, s.x, s.y, s.arrow);
  for (const AtlasPlace& p : world.places)
    b.Line("hely", p.x, p.y, p.turn, p.character, std::string_view(p.text));
  return out;
}

AtlasWorld ParseAtlasFile(const std::string& bytes, const std::string& fileName) {
  AtlasWorld world;
  FileParser parser(fileName);
  std::string_view rest(bytes);
  bool first = true;
  while (!rest.empty() || first) {
    std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first) {
      parser.NextLine();
      if (line != kFirstLine) parser.Fail();
      first = false;
      continue;
    }
    parser.Take(line, world);
  }
  return world;
}

AtlasWorld ReadAtlasFile(const std::string& fileName) {
  if (!PathExists(fileName)) return {};
  std::string bytes;
  InputProblem problem;
  if (!ReadRegularFile(fileName, kMostBytes, &bytes, &problem))
    ThrowFileProblem(problem.operation, fileName, problem.reason);
  return ParseAtlasFile(bytes, fileName);
}

void WriteAtlasFile(const AtlasWorld& world, const std::string& fileName) {
  ReplacingFile file(fileName);
  file.Write(AtlasFileText(world));
  file.Commit();
}

}  // namespace qv
