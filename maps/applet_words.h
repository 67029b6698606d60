// The map applet's words as the reports write them, for every reader of the
// applet: the frame is <param name=koord value="...">, cell N is
// <param name=pN value="...">. The newer layout writes them in lower case;
// the older one writes the tags in capitals and is read lowered.
#pragma once

#include <string_view>

namespace qv {

// A parameter's tag and the names of the frame and of a cell (a cell's name
// is "p" and its number).
inline constexpr std::string_view kParamTag = "<param name=";
inline constexpr std::string_view kFrameName = "koord";
inline constexpr std::string_view kCellName = "p";

// What a line or piece holding a frame or a cell parameter holds.
inline constexpr std::string_view kFrameParam = "<param name=koord";
inline constexpr std::string_view kCellParam = "<param name=p";
static_assert(kFrameParam.substr(0, kParamTag.size()) == kParamTag &&
              kFrameParam.substr(kParamTag.size()) == kFrameName);
static_assert(kCellParam.substr(0, kParamTag.size()) == kParamTag &&
              kCellParam.substr(kParamTag.size()) == kCellName);

// The applet's opening (its tag name, the attributes follow) and closing
// tags.
inline constexpr std::string_view kAppletStart = "<applet";
inline constexpr std::string_view kAppletEnd = "</applet>";

// In the newer layout the cells end with the table around the applet.
inline constexpr std::string_view kCellsEnd = "</table></center>";

}  // namespace qv
