// One end-to-end case: a run of the tool in a fresh directory, with the
// files it starts with and what it must print, exit with and leave behind.
//
// A case file is UTF-8 text with LF line ends; everything is converted to
// Windows-1250 before use, and every line of a file or of an expected stream
// stands for the line plus CR LF. Sections start with "--- ":
//
//   # what the case shows (comment lines before the first section)
//   --- args            one parameter a line
//   --- env             NAME=VALUE a line, added to a minimal C-locale environment
//   --- stdin [lf] [noeol]       what standard input holds (empty without it)
//   --- file NAME [lf|cr] [noeol] [utf8|bom|utf16]   a file to create (lf:
//                                LF line ends, cr: CR alone; noeol: no line
//                                end after the last line; utf8: the case's
//                                UTF-8 as it is, bom: the same behind a
//                                byte-order mark, utf16: UTF-16 LE behind one,
//                                as an editor saves them)
//   --- dir NAME        a directory to create
//   --- fifo NAME       a named pipe to create (nobody writes to it)
//   --- link NAME       a symbolic link to create; its one line is the target
//   --- exefile NAME [lf] [noeol]   a file beside the tool's executable (the
//                                tool runs from a copy in a directory of its own;
//                                NAME may be picture/x.bmp; the built picture/
//                                directory is linked in when the case brings none)
//   --- exedir NAME / --- exelink NAME   a directory or a symbolic link
//                                beside the tool's executable
//   --- userfile NAME [flags]    a file in the player's own folder (the
//                                per-user settings and data folder, one
//                                folder in the cases), flags as for file
//   --- stdout / --- stderr      expected streams (a missing one must be empty);
//                                "--- stdout tail": the stream's expected end
//   --- outfile NAME    expected content of a file after the run
//   --- outtail NAME    expected end of a file after the run
//   --- outhas NAME     a part the file must hold somewhere
//   --- nofile NAME     a file that must not exist after the run
//   --- listing         every name the directory holds after the run, one a
//                       line in byte order (no temporary file left behind)
//   --- exit N          expected exit status (default 0)
//
// Every line up to the next section line belongs to the section, blank
// lines included. A section line may end with "from NAME...": the lines of
// the files fixtures/NAME beside the case file (UTF-8, LF line ends, shared
// by the cases that need the same report header) come first, in the order
// named, then the section's own lines; flags go before "from":
//
//   --- file t_1.htm from old_layout_header
//   <P>
//   Köd.
//
// In the streams, the time behind "Indulas ideje: " and "Befejezes ideje: "
// is written TIME, the directory of the tool's executable EXEDIR and the
// player's own folder USERDIR. Paths behind these are written with "/"; on
// Windows the tool must name them with "\", and the expected text is
// changed so.
//
// A reason the system gives is written as a placeholder, since each system
// words it its own way (and in its user's language): {ENOENT} (a file not
// found) and {ECONNREFUSED} (a connection refused) stand for strerror() of
// that errno value on POSIX systems, and on Windows for FormatMessageW of
// ERROR_FILE_NOT_FOUND or WSAECONNREFUSED without its line end and final
// full stop (tests/support/system_texts.h), as the tool prints it.
#pragma once

#include <string>
#include <vector>

namespace cmdtest {

struct FileSpec {
  enum class Match { kWhole, kTail, kPart };
  enum class Special { kNone, kFifo, kSymlink };
  std::string name;
  std::string content;  // bytes as they go to disk; a link's target
  bool directory = false;
  Match match = Match::kWhole;
  Special special = Special::kNone;
};

struct Case {
  std::string path;
  std::vector<std::string> args;
  std::vector<std::string> env;
  std::string input;  // standard input
  std::vector<FileSpec> inputs;
  std::vector<FileSpec> exeFiles;   // files beside the executable
  std::vector<FileSpec> userFiles;  // files in the player's own folder
  std::string expectedStdout;
  bool stdoutTail = false;
  std::string expectedStderr;
  std::vector<FileSpec> outputs;    // expected files after the run
  std::vector<std::string> absent;  // files that must not exist
  bool checkListing = false;
  std::vector<std::string> listing;  // the directory's names after the run, sorted
  int expectedExit = 0;
};

// Parses a case file; throws std::runtime_error on a malformed one.
Case ReadCase(const std::string& path);

}  // namespace cmdtest
