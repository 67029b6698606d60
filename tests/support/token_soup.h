// Random texts made of tokens, the same on every run: the inputs of the
// tests that compare a pass with its reference or check every paragraph.
#pragma once

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

class TokenSoup {
 public:
  TokenSoup(const std::vector<std::string_view>& tokens, unsigned seed)
      : tokens_(tokens.begin(), tokens.end()), rng_(seed) {}

  // Up to maxTokens tokens.
  std::string Next(int maxTokens = 40) {
    std::string text;
    const int n = Below(maxTokens + 1);
    std::uniform_int_distribution<std::size_t> pick(0, tokens_.size() - 1);
    for (int i = 0; i < n; ++i) text += tokens_[pick(rng_)];
    return text;
  }
  // A number from 0 to n - 1.
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

 private:
  std::vector<std::string> tokens_;
  std::mt19937 rng_;
};

}  // namespace qv::test
