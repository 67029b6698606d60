#include "itemlist/data_files.h"

#include <cstdint>

#include "config/file_places.h"
#include "platform/edited_text.h"
#include "platform/error.h"
#include "platform/user_dirs.h"

namespace qv {
namespace {

// Reads a decimal integer at *pos after any blanks or tabs; *pos ends right
// behind its last digit.
bool ReadNumber(std::string_view line, std::size_t* pos, int* value) {
  std::size_t i = *pos;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
  const std::size_t digits = i;
  std::int64_t n = 0;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
    n = n * 10 + (line[i++] - '0');
    if (n > INT32_MAX) return false;
  }
  if (i == digits) return false;
  *value = static_cast<int>(negative ? -n : n);
  *pos = i;
  return true;
}

// Calls parse on every line of the file at path.
template <typename Parse>
void ForEachLine(const std::string& path, Console* console, Parse parse) {
  EditedText text;
  InputProblem problem;
  if (!ReadEditedText(path, &text, &problem))
    ThrowFileProblem(problem.operation, path, problem.reason);
  if (console != nullptr) WarnLostCharacters(*console, path, text);
  const std::string_view all(text.text);
  for (std::size_t start = 0; start < all.size();) {
    std::size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    parse(all.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace

bool ParseItemLine(std::string_view line, ItemRecord* item) {
  ItemRecord r;
  std::size_t pos = 0;
  for (int* field : {&r.number, &r.unused1, &r.unused2, &r.sellPrice, &r.buyPrice, &r.weight})
    if (!ReadNumber(line, &pos, field)) return false;
  r.name = std::string(line.substr(pos));
  *item = std::move(r);
  return true;
}

bool ParseSpellLine(std::string_view line, SpellRecord* spell) {
  SpellRecord r;
  std::size_t pos = 0;
  if (!ReadNumber(line, &pos, &r.number)) return false;
  // Exactly one blank, then the code character.
  if (pos + 1 >= line.size() || line[pos] != ' ') return false;
  r.code = line[pos + 1];
  pos += 2;
  for (int i = 0; i < 3; ++i)
    if (!ReadNumber(line, &pos, &r.value)) return false;
  r.name = std::string(line.substr(pos));
  *spell = std::move(r);
  return true;
}

std::string DataFilePath(const std::string& dir, const std::string& preferred,
                         const std::string& fallback) {
  return RequireDataFile(error_kind::kFile, "sem " + preferred + ", sem " + fallback, dir,
                         {preferred, fallback});
}

ItemCatalog ReadItemFile(const std::string& path, Console* console) {
  ItemCatalog items;
  ForEachLine(path, console, [&items](std::string_view line) {
    ItemRecord r;
    if (ParseItemLine(line, &r)) items.Add(std::move(r));
  });
  return items;
}

SpellCatalog ReadSpellFile(const std::string& path, Console* console) {
  SpellCatalog spells;
  ForEachLine(path, console, [&spells](std::string_view line) {
    SpellRecord r;
    if (ParseSpellLine(line, &r)) spells.Add(std::move(r));
  });
  return spells;
}

std::string NoItemKnownWarning(const std::string& itemsPath) {
  const std::string userDir = UserDataDir();
  std::string text = WarningText("a targylista ('" + itemsPath +
                                 "') a jelentes egyik targyat sem ismeri, igy a targyak melle nem "
                                 "kerult suly es ar");
  const bool own = !userDir.empty() && itemsPath.starts_with(userDir);
  if (!own) text += "; a program melletti listak csak a mintajelentesek targyait ismerik";
  if (userDir.empty()) return text + "; csereld le a jatek teljes targylistajara";
  return text + "; a jatek teljes listait (item.txt, spell.txt) tedd ebbe a mappaba: '" + userDir +
         "'";
}

}  // namespace qv
