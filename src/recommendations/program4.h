#pragma once
// Recommendations of program 4 (cancer prevention): the lists collected from the ratings, the
// body mass, the overall rating and the precancerous conditions the user marked, the description
// of each preparation in its variant, and the use table.
#include <string>
#include <string_view>
#include <vector>

#include "recommendations/selection.h"
#include "recommendations/template_filter.h"
#include "state/shared_state.h"

namespace recommendations::program4 {

inline constexpr int kButtons = 14;
// Supplements, cosmetics and salts are listed; peloids are not.
inline constexpr int kLastCategory = 3;
// Catalogue key 470 + n holds list n (1..12); list 1 is the general course.
inline constexpr long kListKey = 470;
inline constexpr int kLists = 12;
inline constexpr int kGeneralList = 1;
// The questions of the precancerous-conditions test (test index 7).
inline constexpr int kPrecancerTest = 7;
inline constexpr int kPrecancerQuestions = 21;

inline constexpr std::string_view kUseTablePath = "\\Doc\\OZ-12-1-TABL-1-r.rtf";

// The list that a "yes" to question q (1..21) of the precancerous-conditions test adds.
int PrecancerList(int question);

// The lists the program-4 values of the shared state call for, in the order they are added: a
// test 1, 2 or 7 rated below 5 (a test not given included), marked weight loss, an overall
// rating below 5, and each "yes" of the precancerous-conditions test.
std::vector<int> ListsFor(const state::SharedState& state);
// Adds list n: every item marks its preparation and brings its variant letters.
void AddList(Selection& selection, int n);
// The lists marked and put in category order (categories 1..3); when nothing is left, the
// general list.
Selection CollectLists(const std::vector<int>& lists);
Selection Choose(const state::SharedState& state);

// The code of a listed preparation: its index and its variant letters ("23ab").
std::string Code(const SelectionRecord& record);
std::vector<std::string> ListCodes(const Selection& ordered);

// The description of a preparation in its variant, below the program's directory
// ("\Doc\OZ-12-1-23ab-r.rtf").
std::string DescriptionPath(const SelectionRecord& record);
// The use table keeps the rows tagged with one of the list's codes (tag width 6).
TemplateRule UseTableRule(const std::vector<std::string>& codes);

}  // namespace recommendations::program4
