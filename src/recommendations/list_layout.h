#pragma once
// The list of a recommendation screen as rows: section headings and preparation buttons in the
// order they stand, each on its row. A screen shows exactly this.
#include <cstdint>
#include <string>
#include <vector>

#include "recommendations/selection.h"

namespace recommendations {

// The section headings lblRazdel(1..5): categories 1..4 and, in program 1, the diet.
inline constexpr int kFirstHeading = 1;
inline constexpr int kLastHeading = 5;
inline constexpr int kDietHeading = 5;

struct LayoutEntry {
    enum class Kind { Heading, Button };
    Kind kind = Kind::Button;
    int index = 0;    // heading k, or button number 1..
    int16_t row = 0;  // the row the entry stands on
    int item = 0;     // the preparation (or, in program 1, the list item) behind a button
    int slot = 0;     // the selection slot a button shows (0 in program 1)
    std::string caption;
    std::string docPath;  // the button's description document, where the program fixes it here
};

struct ListLayout {
    std::vector<LayoutEntry> entries;
    int16_t row = 0;         // rows used
    int16_t button = 1;      // the next free button
    int16_t designRows = 2;  // rows the screen holds at design time

    std::vector<LayoutEntry> Buttons() const;
    std::vector<int> Headings() const;
    // The lower block moves by this many rows from where it stands at design time (a negative
    // number moves it up).
    int16_t GrowthRows() const;
};

// Lays out a list in category order: each preparation under the heading of its category, a
// heading shown once, before its first preparation. preparations[i] is the preparation of slot
// i + 1. A preparation without a heading (category 0, or none of the screen's headings) is not
// shown. More preparations than the screen has buttons (maxButtons; 0 = no limit) is the
// run-time failure "subscript out of range".
ListLayout LayOutByCategory(const std::vector<int>& preparations,
                            const std::vector<int16_t>& categories, int maxButtons);
// The same for the list of an ordered selection (slot i shown on button i).
ListLayout LayOutByCategory(const Selection& ordered, const std::vector<int16_t>& categories,
                            int maxButtons);

}  // namespace recommendations
