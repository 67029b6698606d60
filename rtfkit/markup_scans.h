// Rewrites of the paragraph writer that hit a text many times over (tag
// pairs, bold openings, signed bonuses), each done in one left-to-right scan
// that builds a new text: the result is that of making the edits one by one,
// at a cost in proportion to the text.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace qv {

// Replaces every occurrence of pattern found left to right in the text as it
// is now; a replacement is not searched again, so it may hold its own
// pattern. With anyCase the occurrences are those of the text lowered by
// HungarianLowerCase (pattern given in lower case), replaced in the text
// itself.
std::string ReplaceOnePass(std::string_view pattern, std::string_view replacement, std::string text,
                           bool anyCase = false);

// Turns each open tag (found in any case, left to right) into group and the
// first close tag after it that no earlier open tag took into "}". An open
// tag without a partner stays for the tag stripping. Meant for tags such as
// "<b>" and "</b>", of which no two occurrences overlap.
std::string PairTags(std::string text, std::string_view open, std::string_view close,
                     std::string_view group);

// PairTags of each kind in turn, in one scan of the text: the kinds' tags
// each start with their only "<" and no group holds a "<", so pairing one
// kind neither makes nor unmakes a tag of another, and the edits of all
// kinds are made in one copy.
struct TagKind {
  std::string_view open, close, group;
};
std::string PairTagKinds(std::string text, std::span<const TagKind> kinds);

// ReplaceOnePass(mark, replacement, text, true) for each mark in turn, in
// one scan: each mark (given in lower case) starts with its only "<" and no
// replacement holds a "<", so replacing one mark neither makes nor unmakes
// another, and every "<" is looked at once.
struct MarkReplacement {
  std::string_view lowered, replacement;
};
std::string ReplaceMarksOnePass(std::span<const MarkReplacement> marks, std::string text);

// A blank that follows a bold opening "{\b " moves in front of it, again
// and again, until no opening is followed by a blank: a blank after a run
// of openings ends up in front of the whole run.
std::string MoveBlankBeforeBold(std::string text);

// Each " (+" gets "<i><b>" in front of its "(" and "</b></i>" right after
// the first ")" that follows it, or at the end of the text when none does.
std::string MarkSignedBonuses(std::string text);

}  // namespace qv
