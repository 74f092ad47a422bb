#pragma once
// Recommendations of program 5 (depression prevention): the list chosen by sex and degree of
// risk, the description of each preparation, the calendar plan, the self-help text of the user's
// age group and the use table.
#include <string>
#include <string_view>
#include <vector>

#include "recommendations/selection.h"
#include "recommendations/template_filter.h"
#include "state/shared_state.h"

namespace recommendations::program5 {

inline constexpr int kButtons = 14;
// Supplements, cosmetics, salts and peloids are listed; the category search runs up to 8.
inline constexpr int kLastCategory = 8;

inline constexpr std::string_view kSelfHelpPath = "\\Doc\\dpr-nenon.rtf";
inline constexpr std::string_view kUseTablePath = "\\Doc\\dpr-TABL-1-r.rtf";

// The catalogue list of a man or a woman with a rating code: keys 571..573 for men (rating 0,
// 3, 5), 574..576 for women; 0 for any other rating.
long ListKey(state::Sex sex, int rating);
// The list marked and put in category order; empty for a rating without a list.
Selection ChooseList(state::Sex sex, int rating);
// The codes of an ordered list as the use table tags its rows: the preparation's digits and its
// variant letters.
std::vector<std::string> ListCodes(const Selection& ordered);

// The description of preparation p, below the program's directory.
std::string DescriptionPath(int p);
// The calendar plan for the sex and rating: "\Doc\dpr8-3-" + 1, 2, 3 for ratings 0, 3, 5 (0 for
// 1, 2, 4, nothing for others) + "a" for a woman + ".rtf".
std::string PlanPath(state::Sex sex, int rating);

// The age group of the self-help text: 1 below 30, 2 from 30 to 49, 3 from 50.
int AgeGroup(int age);
// The self-help text keeps only the section of the group: its marker "^^g^^" goes, the other
// sections go up to the next marker; a blank marker ends the sections.
TemplateRule SelfHelpRule(int group);
// The use table keeps the rows tagged with one of the list's codes.
TemplateRule UseTableRule(const std::vector<std::string>& codes);

}  // namespace recommendations::program5
