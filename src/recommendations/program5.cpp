#include "recommendations/program5.h"

#include <algorithm>

#include "base/text_codec.h"
#include "recommendations/preparations.h"
#include "text/catalogue.h"

namespace recommendations::program5 {

namespace {
constexpr long kFirstListKey = 570;
}

long ListKey(state::Sex sex, int rating) {
    const long base = kFirstListKey + (sex == state::Sex::Man ? 0 : 3);
    switch (rating) {
        case 0:
            return base + 1;
        case 3:
            return base + 2;
        case 5:
            return base + 3;
        default:
            return 0;
    }
}

Selection ChooseList(state::Sex sex, int rating) {
    Selection selection;
    if (const long key = ListKey(sex, rating)) MarkLetterList(selection, text::GetCatalogText(key));
    selection.Order(CategoryList(), kLastCategory);
    return selection;
}

std::vector<std::string> ListCodes(const Selection& ordered) {
    std::vector<std::string> codes;
    for (const SelectionRecord& record : ordered.Listed())
        codes.push_back(std::to_string(record.product) + base::ToLower(record.letters));
    return codes;
}

std::string DescriptionPath(int p) {
    if (p == 2) return "\\Doc\\dpr-2.rtf";
    if (p == 22) return "\\Doc\\OZ-12-1-22-r.rtf";
    if (p == 24 || p == 25) return "\\Doc\\dpr-" + std::to_string(p) + ".rtf";
    return "\\Doc\\ZRV-r-12-1-" + std::to_string(p) + ".rtf";
}

std::string PlanPath(state::Sex sex, int rating) {
    std::string course;
    switch (rating) {
        case 0:
            course = "1";
            break;
        case 3:
            course = "2";
            break;
        case 5:
            course = "3";
            break;
        case 1:
        case 2:
        case 4:
            course = "0";
            break;
        default:
            break;
    }
    return "\\Doc\\dpr8-3-" + course + (sex == state::Sex::Man ? "" : "a") + ".rtf";
}

int AgeGroup(int age) {
    if (age < 30) return 1;
    if (age <= 49) return 2;
    return 3;
}

TemplateRule SelfHelpRule(int group) {
    TemplateRule rule;
    rule.tagWidth = 5;
    rule.dropMarkerOfKeptRow = true;
    rule.recommended = [group](const std::string& tag) { return tag == std::to_string(group); };
    return rule;
}

TemplateRule UseTableRule(const std::vector<std::string>& codes) {
    return ListedTagsRule(6, codes);
}

}  // namespace recommendations::program5
