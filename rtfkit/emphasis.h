// The emphasis the player configures for report prose: groups around combat
// results, signed brackets, conditional-command and encyclopedia notes.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// The ten emphasis switches of section FORMAT; a style is on only at 1.
struct Emphasis {
  int harcFelkover = 0;          // bold combat results
  int harcDolt = 0;              // italic combat results
  int kerekZarojelFelkover = 0;  // bold "(+..." / "(-..."
  int kerekZarojelDolt = 0;
  int szogletesZarojelFelkover = 0;  // bold "[+..." / "[-..."
  int szogletesZarojelDolt = 0;
  int feltetelesFelkover = 0;  // bold "(Feltételes ..."
  int feltetelesDolt = 0;
  int encyclopediaFelkover = 0;  // bold "(ld. enc.)"
  int encyclopediaDolt = 0;
};

// Rules H, K, S, F and E, in this order, each only when one of its switches
// is on. Every group opened is closed, at the end of the text when its
// closer never comes.
std::string AddEmphasis(const Emphasis& e, std::string text);

// The passes the rules are made of, each one scan over the text.

// Groups every opener whose next character passes accepts, up to the first
// closer at or after it, and goes on after that closer.
std::string GroupAtOpener(std::string text, std::string_view opening, char opener,
                          bool (*accepts)(char), char closer);
// Groups every phrase (which starts with "(") up to the first ")" at or after
// it, and goes on after that ")".
std::string GroupAtPhrase(std::string text, std::string_view opening, std::string_view phrase);
// Groups a combat phrase together with the number in front of it: the group
// opens at the last blank before the phrase and closes after its final ".".
std::string GroupCombatPhrase(std::string text, std::string_view opening, std::string_view phrase);

bool IsDigit(char c);
bool IsSign(char c);

}  // namespace qv
