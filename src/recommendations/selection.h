#pragma once
// The preparations chosen for a recommendation screen: 50 records, first used as a set (slot =
// preparation index) and then as the list in category order (slots 1..n, a product below 1 ends
// the list).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/bounded_array.h"

namespace recommendations {

struct SelectionRecord {
    int16_t product = 0;
    std::string letters;  // the use variant letters, lower case
};

class Selection {
  public:
    static constexpr int kSlots = 50;

    // Slot 1..50; any other slot is the run-time failure "subscript out of range".
    SelectionRecord& operator()(int slot) { return records_(slot); }
    const SelectionRecord& operator()(int slot) const { return records_(slot); }
    void Clear() { records_.Fill(SelectionRecord{}); }

    // Marks preparation p as chosen.
    void Mark(int p) { records_(p).product = 1; }
    // Adds variant letters to preparation p, in lower case, unless its letters already hold them.
    void AddLetters(int p, std::string_view letters);

    // Turns the set into the ordered list: for each category 1..lastCategory, the chosen
    // preparations of that category by ascending index, each once, with their letters ("ba" is
    // stored as "ab"). Preparations of category 0 or above lastCategory are dropped.
    void Order(const std::vector<int16_t>& categories, int lastCategory);

    // The records of the list: slots 1, 2, ... while the product is at least 1.
    std::vector<SelectionRecord> Listed() const;

  private:
    base::Array1<SelectionRecord> records_{1, kSlots};
};

// Marks every item of a comma-separated list in the letter notation ("1,3,23a"): the leading
// number marks its slot, the trailing letters are added to it. Empty items name nothing.
void MarkLetterList(Selection& selection, std::string_view list);

// Marks every item of a list in the dash notation ("1,7-4,29"): the variant "-1".."-6" is removed,
// and each item that is then a number marks its slot; other items are skipped.
void MarkDashList(Selection& selection, std::string_view list);

// Fills the list directly in the order given, in the code notation (index x 100 + variant):
// item j becomes record j with that code as its product.
void LoadCodeList(Selection& selection, std::string_view list);

// The comma-separated items of a list, as written.
std::vector<std::string> SplitList(std::string_view list);

}  // namespace recommendations
