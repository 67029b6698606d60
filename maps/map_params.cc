#include "maps/map_params.h"

#include "platform/error.h"
#include "text/settings.h"
#include "text/line_cuts.h"
#include "text/text.h"

namespace qv {
namespace {

// Reads the parameter's fields one literal edit at a time: a field runs up
// to its terminator, which is removed with it.
class FieldReader {
 public:
  FieldReader(const std::string& param, std::string_view opening) : param_(param), rest_(param) {
    DeleteThrough(rest_, opening);
  }

  int Next(char terminator, const char* name) {
    const int p = CharPosFrom(rest_, terminator, 1);
    const std::string field = Copy(rest_, 1, p - 1);
    Delete(rest_, 1, p);
    int value = 0;
    if (p == 0 || !ParseInteger(field, &value))
      throw Error(error_kind::kMap, std::string("a terkep '") + name + "' mezoje nem szam: '" +
                                        field + "' itt: " + param_);
    return value;
  }

 private:
  const std::string& param_;
  std::string rest_;
};

}  // namespace

MapFrame ParseMapFrame(const std::string& param) {
  FieldReader f(param, "\"");
  MapFrame frame;
  frame.columns = f.Next(',', "oszlopok");
  frame.rows = f.Next(',', "sorok");
  frame.firstColumn = f.Next(',', "elso oszlop");
  frame.firstRow = f.Next(';', "elso sor");
  return frame;
}

MapCell ParseMapCell(const std::string& param) {
  FieldReader f(param, "=\"");
  MapCell cell;
  cell.row = f.Next(',', "sor");
  cell.column = f.Next(',', "oszlop");
  cell.terrain = f.Next(',', "terep");
  cell.arrow = f.Next(',', "nyil");
  cell.icons = f.Next(';', "ikonok");
  return cell;
}

std::vector<std::string> SplitAppletLine(const std::string& line) {
  const std::string marked = ReplaceAll("> <", ">@<", line) + "@";
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t at = marked.find('@'); at != std::string::npos;
       start = at + 1, at = marked.find('@', start))
    pieces.push_back(marked.substr(start, at - start));
  return pieces;
}

}  // namespace qv
