#include "itemlist/data_files.h"

#include <cstdint>

#include "platform/user_dirs.h"
#include "text/report_reader.h"

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
  return FindDataFile(dir, {preferred, fallback});
}

ItemCatalog ReadItemFile(const std::string& path) {
  ItemCatalog items;
  ReportReader in(path);
  while (!in.Eof()) {
    ItemRecord r;
    if (ParseItemLine(in.ReadLine(), &r)) items.Add(std::move(r));
  }
  return items;
}

SpellCatalog ReadSpellFile(const std::string& path) {
  SpellCatalog spells;
  ReportReader in(path);
  while (!in.Eof()) {
    SpellRecord r;
    if (ParseSpellLine(in.ReadLine(), &r)) spells.Add(std::move(r));
  }
  return spells;
}

}  // namespace qv
