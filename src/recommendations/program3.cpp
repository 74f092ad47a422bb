#include "recommendations/program3.h"

#include <algorithm>

#include "base/numbers.h"
#include "text/catalogue.h"

namespace recommendations::program3 {

namespace {
constexpr long kSheetTitleKey = 26;   // the title of the list of preparations
constexpr long kYearOfBirthKey = 27;  // "года рождения"
}  // namespace

int DoseVariant(int age) {
    if (age > 11) return 1;
    if (age >= 6) return 2;
    return 3;
}

bool CallsToAct(int variant) { return variant != 1; }

long ListKey(int variant, int age) {
    if (variant < 1 || variant > kVariants) return 0;
    switch (DoseVariant(age)) {
        case 1:
            return 370 + variant;
        case 2:
            return 378 + variant;
        default:
            return 386 + variant;
    }
}

Selection ChooseList(int variant, int age) {
    Selection list;
    if (const long key = ListKey(variant, age)) LoadCodeList(list, text::GetCatalogText(key));
    return list;
}

std::vector<int> ListCodes(const Selection& list) {
    std::vector<int> codes;
    for (const SelectionRecord& record : list.Listed()) codes.push_back(record.product);
    return codes;
}

int PreparationOf(int code) { return code / 100; }
int DoseOf(int code) { return code % 100; }

std::string DescriptionPath(int code) {
    const int dose = DoseOf(code);
    return "\\Doc\\DP-" + std::to_string(PreparationOf(code)) +
           (dose == 0 ? "" : "-" + std::to_string(dose)) + "-r.rtf";
}

TemplateRule UseTableRule(const std::vector<int>& codes) {
    TemplateRule rule;
    rule.tagWidth = 8;
    rule.dropMarkerOfKeptRow = true;
    rule.recommended = [codes](const std::string& tag) {
        const double value = base::Val(tag);
        return std::any_of(codes.begin(), codes.end(),
                           [value](int code) { return static_cast<double>(code) == value; });
    };
    return rule;
}

std::string SheetHeading(const state::SharedState& state) {
    return text::GetCatalogText(kSheetTitleKey) + std::string(text::kLineBreak) + " " +
           state.userFirstName + " " + state.userLastName + ", " +
           std::to_string(state.userYearBirth) + " " + text::GetCatalogText(kYearOfBirthKey);
}

}  // namespace recommendations::program3
