// The paragraph writer as it stood before its passes became single scans,
// kept as the behaviour the scans must match (paragraph_reference.cc).
#pragma once

#include <string>
#include <string_view>

#include "rtfkit/paragraph.h"

namespace qv::test::reference {

// The whole writer: each pass is a series of edits of the whole text.
void WriteNarrative(const ParagraphContext& ctx, std::string& narrative, RtfWriter& out);
void WriteParagraph(const ParagraphContext& ctx, std::string text, int width, RtfWriter& out);

// The passes that edit the text once for every match, each as it stood.
void BreakBeforeContinueMarks(std::string& text);
void MarkSignedBonuses(std::string& text);
void PairTags(std::string& text, std::string_view open, std::string_view close,
              std::string_view group);
void MoveBlankBeforeBold(std::string& text);
void GroupAtOpener(std::string& text, const std::string& opening, char opener,
                   bool (*accepts)(char), char closer);
void GroupAtPhrase(std::string& text, const std::string& opening, std::string_view phrase);
void GroupCombatPhrase(std::string& text, const std::string& opening, std::string_view phrase);
bool IsDigit(char c);
bool IsSign(char c);

}  // namespace qv::test::reference
