#pragma once
// Recommendations of program 3 (a child's health): one list chosen by the result variant and the
// child's age group, already in category order, whose items carry the dose for that age group;
// the description of each preparation in its dose, the use table and the child's prescription
// sheet.
#include <string>
#include <string_view>
#include <vector>

#include "recommendations/selection.h"
#include "recommendations/template_filter.h"
#include "state/shared_state.h"

namespace recommendations::program3 {

inline constexpr int kButtons = 14;
inline constexpr long kFirstListKey = 371;
inline constexpr long kLastListKey = 394;
inline constexpr int kVariants = 8;

inline constexpr std::string_view kUseTablePath = "\\Doc\\DR-02-r.rtf";

// The dose variant of an age: 1 above 11 years, 2 from 6 to 11, 3 below 6. An item of a list is
// index × 100 + dose variant, or index × 100 for one form for all ages.
int DoseVariant(int age);

// Whether the screen calls to act on the risks found: not for variant 1, in which none was found.
bool CallsToAct(int variant);

// The list of a result variant 1..8 for an age: 386 + variant below 6, 378 + variant from 6 to
// 11, 370 + variant above 11; 0 for any other variant.
long ListKey(int variant, int age);
// The list's items in list order, each record's product the item's code; empty without a list.
Selection ChooseList(int variant, int age);
// The codes of a list in order.
std::vector<int> ListCodes(const Selection& list);

// The preparation of a code (code \ 100) and its dose variant (code mod 100).
int PreparationOf(int code);
int DoseOf(int code);
// The description of a code in its dose: "\Doc\DP-" + preparation + ("-" + dose unless it is 0) +
// "-r.rtf" (1301 opens DP-13-1-r.rtf, 400 opens DP-4-r.rtf).
std::string DescriptionPath(int code);

// The use table keeps the rows whose tag (eight characters from its marker) is, as a number, one
// of the codes; a kept row loses its marker at once.
TemplateRule UseTableRule(const std::vector<int>& codes);

// The heading of the child's prescription sheet: the title of the list (catalogue 26), a line
// break, a blank, the first and last name, ", ", the year of birth and "года рождения".
std::string SheetHeading(const state::SharedState& state);

}  // namespace recommendations::program3
