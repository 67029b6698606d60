#include "itemlist/page_run.h"

#include "text/text.h"

namespace qv {

FoundItem* PageRun::FindItem(int number) {
  const auto it = itemIndex_.find(number);
  return it == itemIndex_.end() ? nullptr : &items[it->second];
}

FoundItem& PageRun::AddItem(FoundItem item) {
  itemIndex_[item.number] = items.size();
  items.push_back(std::move(item));
  return items.back();
}

const ActiveSpell* PageRun::FindSpell(int number) const {
  for (const ActiveSpell& s : spells)
    if (s.number == number) return &s;
  return nullptr;
}

}  // namespace qv
