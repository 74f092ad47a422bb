#include "recommendations/program4.h"

#include <algorithm>

#include "base/text_codec.h"
#include "recommendations/preparations.h"
#include "text/catalogue.h"

namespace recommendations::program4 {

namespace {
constexpr int kProgram = 4;
constexpr int kYes = 1;
}  // namespace

int PrecancerList(int question) {
    static constexpr int kListOf[kPrecancerQuestions] = {12, 3, 6, 12, 12, 3, 6,  8, 12, 4, 8,
                                                         8,  5, 5, 7,  3,  5, 12, 7, 5,  8};
    if (question < 1 || question > kPrecancerQuestions) return 0;
    return kListOf[question - 1];
}

std::vector<int> ListsFor(const state::SharedState& state) {
    std::vector<int> lists;
    for (int t = 1; t <= kPrecancerTest; ++t) {
        if (state.ratingOf(kProgram, t) >= 5) continue;
        if (t == 1) lists.push_back(9);
        if (t == 2) lists.push_back(10);
        if (t == kPrecancerTest) lists.push_back(11);
    }
    if (state.bodyMassClass(kProgram) == 1) lists.push_back(2);
    if (state.overallRating(kProgram) < 5) lists.push_back(kGeneralList);
    for (int q = 1; q <= kPrecancerQuestions; ++q) {
        if (state.answers(kProgram, kPrecancerTest, q) == kYes) lists.push_back(PrecancerList(q));
    }
    return lists;
}

void AddList(Selection& selection, int n) {
    MarkLetterList(selection, text::GetCatalogText(kListKey + n));
}

Selection CollectLists(const std::vector<int>& lists) {
    Selection selection;
    for (int n : lists) AddList(selection, n);
    const std::vector<int16_t> categories = CategoryList();
    selection.Order(categories, kLastCategory);
    if (selection.Listed().empty()) {
        AddList(selection, kGeneralList);
        selection.Order(categories, kLastCategory);
    }
    return selection;
}

Selection Choose(const state::SharedState& state) { return CollectLists(ListsFor(state)); }

std::string Code(const SelectionRecord& record) {
    return std::to_string(record.product) + base::ToLower(record.letters);
}

std::vector<std::string> ListCodes(const Selection& ordered) {
    std::vector<std::string> codes;
    for (const SelectionRecord& record : ordered.Listed()) codes.push_back(Code(record));
    return codes;
}

std::string DescriptionPath(const SelectionRecord& record) {
    return "\\Doc\\OZ-12-1-" + Code(record) + "-r.rtf";
}

TemplateRule UseTableRule(const std::vector<std::string>& codes) {
    return ListedTagsRule(6, codes);
}

}  // namespace recommendations::program4
