#include "tests/cmdtest/case_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/encoding.h"
#include "tests/support/editor_forms.h"
#include "tests/support/system_texts.h"

namespace cmdtest {
namespace {

std::vector<std::string> SplitWords(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

enum class Form { kCp1250, kUtf8, kUtf8Bom, kUtf16 };

// Joins section lines into bytes: each line + line end, except where noeol
// drops the last one, in the form asked for.
std::string Join(const std::vector<std::string>& lines, const std::string& eol, bool noeol,
                 Form form = Form::kCp1250) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out += lines[i];
    if (!(noeol && i + 1 == lines.size())) out += eol;
  }
  switch (form) {
    case Form::kCp1250: return qv::Utf8ToCp1250(out);
    case Form::kUtf8: return out;
    case Form::kUtf8Bom: return "\xEF\xBB\xBF" + out;
    case Form::kUtf16: return "\xFF\xFE" + qv::test::Utf16Bytes(out, false);
  }
  return out;
}

// The lines of an expected stream with the system's words in place of
// their placeholders.
std::vector<std::string> SystemWordsIn(std::vector<std::string> lines) {
  for (std::string& line : lines) line = qv::test::WithSystemWords(line);
  return lines;
}

// The lines of a shared fixture, tests/cmd/fixtures/NAME beside the case
// file.
std::vector<std::string> FixtureLines(const std::string& casePath, const std::string& name) {
  if (name.find('/') != std::string::npos)
    throw std::runtime_error(casePath + ": fixture names hold no '/': " + name);
  const std::string path =
      (std::filesystem::path(casePath).parent_path() / "fixtures" / name).string();
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(casePath + ": cannot read fixture " + path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

Case ReadCase(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  Case c;
  c.path = path;

  std::vector<std::string> header;  // words of the current section line
  std::vector<std::string> body;

  auto finish = [&]() {
    if (header.empty()) return;  // leading comment lines
    const std::string& kind = header[0];
    const std::string name = header.size() > 1 ? header[1] : "";
    bool lf = false, cr = false, noeol = false, tail = false;
    Form form = Form::kCp1250;
    // Flags follow the name ("--- stdout tail" has none); "from" takes the
    // rest of the line: fixtures whose lines come before the section's own.
    std::vector<std::string> lines;
    for (std::size_t i = kind == "stdout" || kind == "stdin" ? 1 : 2; i < header.size(); ++i) {
      if (header[i] == "lf") {
        lf = true;
      } else if (header[i] == "cr") {
        cr = true;
      } else if (header[i] == "utf8") {
        form = Form::kUtf8;
      } else if (header[i] == "bom") {
        form = Form::kUtf8Bom;
      } else if (header[i] == "utf16") {
        form = Form::kUtf16;
      } else if (header[i] == "tail") {
        tail = true;
      } else if (header[i] == "noeol") {
        noeol = true;
      } else if (header[i] == "from" && i + 1 < header.size()) {
        while (++i < header.size()) {
          const std::vector<std::string> fixture = FixtureLines(path, header[i]);
          lines.insert(lines.end(), fixture.begin(), fixture.end());
        }
      } else {
        throw std::runtime_error(path + ": unknown flag " + header[i]);
      }
    }
    lines.insert(lines.end(), body.begin(), body.end());
    const std::string eol = lf ? "\n" : cr ? "\r" : "\r\n";
    if (kind == "args") {
      for (const std::string& l : lines) c.args.push_back(qv::Utf8ToCp1250(l));
    } else if (kind == "env") {
      for (const std::string& l : lines) c.env.push_back(l);
    } else if (kind == "stdin") {
      c.input = Join(lines, eol, noeol);
    } else if (kind == "file" && !name.empty()) {
      c.inputs.push_back({name, Join(lines, eol, noeol, form), false});
    } else if (kind == "exefile" && !name.empty()) {
      c.exeFiles.push_back({name, Join(lines, eol, noeol, form), false});
    } else if (kind == "userfile" && !name.empty()) {
      c.userFiles.push_back({name, Join(lines, eol, noeol, form), false});
    } else if (kind == "dir" && !name.empty()) {
      c.inputs.push_back({name, "", true});
    } else if (kind == "exedir" && !name.empty()) {
      c.exeFiles.push_back({name, "", true});
    } else if (kind == "fifo" && !name.empty()) {
      c.inputs.push_back({name, "", false, FileSpec::Match::kWhole, FileSpec::Special::kFifo});
    } else if ((kind == "link" || kind == "exelink") && !name.empty() && lines.size() == 1) {
      (kind == "link" ? c.inputs : c.exeFiles)
          .push_back({name, lines[0], false, FileSpec::Match::kWhole, FileSpec::Special::kSymlink});
    } else if (kind == "stdout") {
      c.expectedStdout = Join(SystemWordsIn(lines), eol, noeol);
      c.stdoutTail = tail;
    } else if (kind == "stderr") {
      c.expectedStderr = Join(SystemWordsIn(lines), eol, noeol);
    } else if (kind == "outfile" && !name.empty()) {
      c.outputs.push_back({name, Join(lines, eol, noeol), false, FileSpec::Match::kWhole});
    } else if (kind == "outtail" && !name.empty()) {
      c.outputs.push_back({name, Join(lines, eol, noeol), false, FileSpec::Match::kTail});
    } else if (kind == "outhas" && !name.empty()) {
      c.outputs.push_back({name, Join(lines, eol, noeol), false, FileSpec::Match::kPart});
    } else if (kind == "listing") {
      c.checkListing = true;
      for (const std::string& l : lines)
        if (!l.empty()) c.listing.push_back(qv::Utf8ToCp1250(l));
    } else if (kind == "nofile" && !name.empty()) {
      c.absent.push_back(name);
    } else if (kind == "exit" && !name.empty()) {
      c.expectedExit = std::stoi(name);
    } else {
      throw std::runtime_error(path + ": bad section line '--- " + kind + " " + name + "'");
    }
  };

  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("--- ", 0) == 0) {
      finish();
      header = SplitWords(line.substr(4));
      body.clear();
      if (header.empty()) throw std::runtime_error(path + ": empty section line");
    } else if (!header.empty()) {
      body.push_back(line);
    }
  }
  finish();
  return c;
}

}  // namespace cmdtest
