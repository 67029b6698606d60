// The map applet's parameters as a report carries them: the frame of the
// grid ("koord") and one cell per "p..." parameter.
#pragma once

#include <string>
#include <vector>

namespace qv {

// From <param name=koord value="W,H,X0,Y0;">.
struct MapFrame {
  int columns = 0;      // tiles across
  int rows = 0;         // tiles down
  int firstColumn = 0;  // number printed above the leftmost column
  int firstRow = 0;     // number printed left of the top row
};

// From <param name=pN value="row,column,terrain,arrow,icons;">.
struct MapCell {
  int row = 0;      // zero-based
  int column = 0;   // zero-based
  int terrain = 0;  // tile 1..14
  int arrow = 0;    // 1..9, anything else: no arrow
  int icons = 0;    // icon bit mask, below 1: no icon
};

// Everything up to and including the first double quote is dropped, then
// four fields: three ended by ",", the last by ";". A field that is not an
// integer by the tool's number rule throws qv::Error.
MapFrame ParseMapFrame(const std::string& param);

// Everything up to and including the first `="` is dropped, then five
// fields: four ended by ",", the last by ";". Throws like ParseMapFrame.
MapCell ParseMapCell(const std::string& param);

// The older layout keeps the whole applet on one line: the line is cut
// after every "> <" (and at every "@"), each piece keeping its own angle
// brackets.
std::vector<std::string> SplitAppletLine(const std::string& line);

}  // namespace qv
