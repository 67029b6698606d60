// The turn a download asks for, as the login answer settles it: "utolso"
// (the latest turn) is read from the turn list, and a turn holding "&bul"
// is matched against the turn headings of the page.
#pragma once

#include <string>

namespace qv {

class TurnResolution {
 public:
  TurnResolution(std::string kar, std::string turn)
      : kar_(std::move(kar)), turn_(std::move(turn)) {}

  // Looks at one line of the login answer.
  void Take(const std::string& line);

  // The turn as it will be sent and used in the file names.
  const std::string& turn() const { return turn_; }

  // True once the turn is known: not "utolso" any more, and a turn with
  // "&bul" has met its heading (or the one before it) on the last line.
  bool Settled() const { return turn_ != "utolso" && stop_; }

 private:
  std::string kar_;
  std::string turn_;
  bool stop_ = true;
};

}  // namespace qv
