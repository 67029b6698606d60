// The one reader of a map applet, for the document's map sections and for
// the item-list page: the applet's parameters picked out of report lines,
// one at a time as the lines are read, and the map drawn from them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "graphics/mono_bitmap.h"
#include "maps/map_resources.h"
#include "text/turn_report.h"
#include "text/report_cursor.h"

namespace qv {

// Where the reader takes report lines from, one at a time.
class LineSource {
 public:
  virtual ~LineSource() = default;
  virtual bool AtEnd() = 0;
  // The next line, when not AtEnd(); it stays valid until the next call.
  virtual const std::string& Next() = 0;
};

// The lines a report cursor reads on from its current line; each becomes
// the cursor's current line.
class CursorLines final : public LineSource {
 public:
  explicit CursorLines(ReportCursor& cursor) : cursor_(cursor) {}
  bool AtEnd() override { return cursor_.Eof(); }
  const std::string& Next() override { return cursor_.ReadLine(); }

 private:
  ReportCursor& cursor_;
};

// Lines held in memory, first to last.
class ListedLines final : public LineSource {
 public:
  explicit ListedLines(std::span<const std::string> lines) : lines_(lines) {}
  bool AtEnd() override { return at_ == lines_.size(); }
  const std::string& Next() override { return lines_[at_++]; }

 private:
  std::span<const std::string> lines_;
  std::size_t at_ = 0;
};

// Picks an applet's parameters out of lines the way the layout's converter
// reads them. The older layout: the first line whose lower-cased text holds
// "<param name=koord" is cut into pieces (SplitAppletLine); the third piece
// is the frame and the pieces from it on that hold "<param name=p" (any
// case) are the cells, up to the piece holding "</applet>". The newer
// layout: the first line holding "<param name=koord" is the frame, the
// following lines holding "<param name=p" are the cells (case as written),
// up to a line holding "</table></center>" (any case). The cells are read
// from the source only as they are asked for.
class AppletReader {
 public:
  AppletReader(LineSource& lines, Layout layout) : lines_(lines), layout_(layout) {}

  // Reads on to the frame's line; false when the lines end first.
  bool FindFrame();
  // The frame parameter's text (in the older layout its piece of the line,
  // empty when the line has fewer than three pieces).
  const std::string& frame() const { return frame_; }
  // The next cell parameter's text, or nullptr after the last; valid until
  // the next call.
  const std::string* NextCell();

 private:
  LineSource& lines_;
  const Layout layout_;
  std::string frame_;
  std::vector<std::string> pieces_;        // the older layout's applet line, cut
  std::size_t nextPiece_ = 2;              // the older layout's next piece to look at
  const std::string* lastLine_ = nullptr;  // the newer layout's line read last
  bool cellsDone_ = false;
};

// The frame parameter's text and the cell parameters' texts, in order, as
// an AppletReader reads them from `lines`; empty without a frame line.
struct AppletParams {
  std::string frame;
  std::vector<std::string> cells;
};
std::optional<AppletParams> ReadAppletParams(const std::vector<std::string>& lines, Layout layout);

// The map of the applet whose frame `applet` has found: the frame parsed
// and checked (CheckMapFrame, then CheckPictureBudget against `usedBytes`,
// both naming `reportName`), the pictures from `resources` (looked for by
// `programDir`), the labels, then each cell as it is read. The picture's
// data (its DibRows) is what MapPictureBytes counts for the budget. Throws
// qv::Error for a field that is not a number, a map too large or past the
// budget, a picture or font that cannot be loaded.
MonoBitmap DrawAppletMap(AppletReader& applet, MapResources& resources,
                         const std::string& programDir, const std::string& reportName,
                         std::int64_t usedBytes);

}  // namespace qv
