// The note of the label font's search: it names the font only while nothing
// it was made from has changed, and is never made from what is changing.
#include "graphics/label_font_note.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "graphics/label_font.h"
#include "tests/support/files.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

using test::ScopedEnv;
using test::TempDir;

std::int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// Gives path a change time an hour ago, as installed files have.
void MakeOld(const std::string& path) {
  const timespec hourAgo{std::time(nullptr) - 3600, 0};
  const timespec times[2] = {hourAgo, hourAgo};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

struct NoteCase {
  TempDir dir;
  std::string conf = dir.Write("fonts.conf", "<fontconfig/>");
  std::string fonts = dir.path() + "/fonts";
  std::string font = dir.Write("fonts/serif-bold.ttf", "glyphs");
  std::string missing = dir.path() + "/user.conf";  // watched before it exists
  std::string note = dir.path() + "/notes/label-font";

  NoteCase() {
    for (const std::string& path : {conf, font, fonts}) MakeOld(path);
  }
  void Note() { NoteFont(note, {{conf, fonts, missing}, font}, NowNs()); }
};

TEST(LabelFontNote, NamesTheFontUntilAnythingItWatchesChanges) {
  NoteCase c;
  EXPECT_EQ(NotedFont(c.note), std::nullopt);  // nothing noted yet
  c.Note();
  EXPECT_EQ(NotedFont(c.note), c.font);
  EXPECT_EQ(NotedFont(c.note), c.font);  // and again

  // A font added to a watched folder, a settings file made where none was,
  // a settings file edited, the font replaced or removed.
  const std::function<void(NoteCase&)> changes[] = {
      [](NoteCase& n) { n.dir.Write("fonts/other.ttf", "x"); },
      [](NoteCase& n) { n.dir.Write("user.conf", "<fontconfig/>"); },
      [](NoteCase& n) { n.dir.Write("fonts.conf", "<fontconfig><alias/></fontconfig>"); },
      [](NoteCase& n) { n.dir.Write("fonts/serif-bold.ttf", "other glyphs"); },
      [](NoteCase& n) { std::filesystem::remove(n.font); }};
  for (std::size_t i = 0; i < std::size(changes); ++i) {
    NoteCase changed;
    changed.Note();
    ASSERT_EQ(NotedFont(changed.note), changed.font) << i;
    changes[i](changed);
    EXPECT_EQ(NotedFont(changed.note), std::nullopt) << i;
  }
  {
    ScopedEnv settings("FONTCONFIG_FILE", "/elsewhere/fonts.conf");
    EXPECT_EQ(NotedFont(c.note), std::nullopt);
  }
  EXPECT_EQ(NotedFont(c.note), c.font);
}

TEST(LabelFontNote, NothingIsNotedFromWhatIsChangingAndABadNoteIsNoNote) {
  NoteCase c;
  c.dir.Write("fonts/new.ttf", "x");  // the folder changed just now
  c.Note();
  EXPECT_FALSE(std::filesystem::exists(c.note));

  MakeOld(c.fonts);
  NoteFont(c.note, {{c.conf}, c.dir.path() + "/none.ttf"}, NowNs());  // no such font
  NoteFont(c.note, {{c.dir.path() + "/a\nb"}, c.font}, NowNs());      // a path on two lines
  EXPECT_FALSE(std::filesystem::exists(c.note));

  c.Note();
  const std::string whole = test::ReadFile(c.note);
  ASSERT_NE(whole, "");
  for (const std::string& bad : {whole.substr(0, whole.size() - 1), whole + "font " + whole,
                                 std::string("qvformat label font note 0\r\n"), std::string()}) {
    c.dir.Write("notes/label-font", bad);
    EXPECT_EQ(NotedFont(c.note), std::nullopt) << bad;
  }
  EXPECT_EQ(NotedFont(""), std::nullopt);
}

// The map label font found through a note is the one fontconfig finds.
TEST(LabelFontNote, TheNotedFontIsTheOneFontconfigFinds) {
  TempDir dir;
  const std::string note = dir.path() + "/label-font";
  const auto searched = OpenMapLabelFont(note);
  const auto noted = OpenMapLabelFont(note);
  EXPECT_EQ(MeasureInk(*noted, U"0123456789", 0).width(),
            MeasureInk(*searched, U"0123456789", 0).width());
  const std::optional<std::string> file = NotedFont(note);
  ASSERT_TRUE(file.has_value());
  EXPECT_NE(file->find("LiberationSerif-Bold"), std::string::npos) << *file;
}

}  // namespace
}  // namespace qv
