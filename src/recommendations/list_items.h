#pragma once
// The items of the recommendation lists in the letter notation: a preparation index followed by
// the letters of its use variant ("23a", "21ab").
#include <cstdint>
#include <string>
#include <string_view>

namespace recommendations {

// The preparation index of an item (blanks trimmed first): 0 for an empty item, the value of an
// item that is a number as a whole, otherwise the value of its longest numeric beginning ("23a"
// gives 23). A value outside the 16-bit range is the run-time failure "overflow".
int16_t LeadingNumber(std::string_view item);

// The variant letters of an item (blanks trimmed first): "" for an empty or wholly numeric item,
// otherwise the longest ending made of characters above code 96 ("21ab" gives "ab"). The letters
// are returned as written; they are compared in lower case.
std::string TrailingLetters(std::string_view item);

}  // namespace recommendations
