// The converter of one layout on a report made of the input, converted into
// memory, and the document checked when checks are on: closed, and sound by
// the structural check of the tests (no row left open, no stray "\row", no
// row with more cells than edges, braces balanced).
//
// What does not change from input to input is made once per process: the
// program directory with the test map pictures and the shipped settings,
// the settings read from it, and the session, which keeps the map pictures
// and the label font from the first map on. The converter reads its report
// from a file: the input goes into a file in memory (memfd), not to disk;
// the Windows replays (under Wine) write it to a scratch folder instead.
#pragma once

#ifndef _WIN32
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/settings_file.h"
#include "convert/driver.h"
#include "fuzz/fuzz_support.h"
#include "platform/error.h"
#include "platform/run_context.h"
#include "rtfkit/rtf_writer.h"
#include "tests/support/consoles.h"
#include "tests/support/files.h"
#include "tests/support/rtf_structure.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"
#include "text/report_reader.h"
#include "text/text.h"

namespace qv::fuzz {

enum class ReportLayout { kOlder, kNewer };

// The program directory of the converter runs and what is read from it.
struct ConvertScratch {
  ConvertScratch() {
    test::WriteTestPictures(dir);
    dir.Write("qvformat.ini", test::SourceFile("assets/qvformat.ini"));
    settings = ReadFormatSettings(IniFile(SettingsPath(dir.path() + "/")), SiteSettings().host);
  }
  test::TempDir dir;
  FormatSettings settings;
};

#ifdef _WIN32
// A file in a scratch folder that holds one input at a time.
class InputFile {
 public:
  std::string Hold(const uint8_t* data, std::size_t size) {
    return dir_.Write("report.htm", std::string(reinterpret_cast<const char*>(data), size));
  }

 private:
  test::TempDir dir_;
};
#else
// A file in memory that holds one input at a time, named by its
// /proc/self/fd path.
class InputFile {
 public:
  InputFile() : fd_(memfd_create("report", MFD_CLOEXEC)) {
    if (fd_ < 0) std::abort();
  }
  ~InputFile() { close(fd_); }

  // Makes the file hold exactly the bytes and returns its name.
  std::string Hold(const uint8_t* data, std::size_t size) {
    if (ftruncate(fd_, 0) != 0) std::abort();
    for (std::size_t done = 0; done < size;) {
      const ssize_t n = pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
      if (n <= 0) std::abort();
      done += static_cast<std::size_t>(n);
    }
    return "/proc/self/fd/" + std::to_string(fd_);
  }

 private:
  int fd_;
};
#endif

inline int ConvertInput(ReportLayout layout, const uint8_t* data, std::size_t size) {
  static const ConvertScratch scratch;
  static test::SilentConsole console;
  static RunContext ctx{console, scratch.dir.path() + "/"};
  static ConverterSession session;
  static InputFile input;
  static std::string storage;  // the documents' bytes, reused from input to input

  const std::string report = input.Hold(data, size);
  RtfWriter rtf = RtfWriter::InMemory(std::move(storage));
  struct GiveBack {
    RtfWriter& rtf;
    ~GiveBack() { storage = rtf.TakeText(); }
  } giveBack{rtf};
  try {
    ReportReader reader(report);
    ConvertReportInto(ctx, session,
                      layout == ReportLayout::kOlder ? Layout::kOlder : Layout::kNewer,
                      scratch.settings, reader, rtf);
  } catch (const Error&) {
    return 0;  // refused with a message: a finished run
  }
  if (ResultChecksOn()) {
    const std::string& document = rtf.Text();
    if (!EndsWith(document, "}\r\n")) CheckFailed("the document is not closed");
    const std::string faults = test::RtfStructureFaults(document);
    if (!faults.empty()) CheckFailed("the document is not sound:\n" + faults);
  }
  return 0;
}

}  // namespace qv::fuzz
