#include "recommendations/program2.h"

#include "recommendations/preparations.h"
#include "recommendations/template_fill.h"
#include "text/catalogue.h"

namespace recommendations::program2 {

namespace {

constexpr long kFirstListKey = 270;
constexpr long kFirstTopicKey = 250;

// What the marked factor adds: its lists (a list of the user's sex where a man and a woman differ)
// and its topics.
struct FactorAdvice {
    int key;
    std::vector<int> lists;
    const char* topics;
    bool bySex = false;  // list 9 for a man, 10 for a woman
};

// clang-format off
const FactorAdvice kFactorAdvice[] = {
    // key  lists     topics       a man's or a woman's list
    {232, {},       ",3",        false},
    {233, {2},      "",          false},
    {234, {7},      "",          false},
    {235, {8},      "",          false},
    {236, {},       "",          true},
    {238, {2},      ",7,12",     false},
    {239, {3, 4},   "",          false},
    {240, {6},      ",6",        false},
    {241, {7},      ",6,12",     false},
    {242, {7},      "",          false},
    {243, {8},      "",          false},
    {244, {5, 11},  ",4,5,4,5",  false},
    {245, {},       "",          true},
    {246, {12},     ",8,12",     false},
    {247, {},       ",11",       true},
    {248, {15, 16}, ",1,12",     false},
    {249, {},       ",9,10,12",  false},
    {250, {},       ",9,10,12",  false},
};
// clang-format on

std::string Normalised(const std::string& s) {
    std::string result = "," + s + ",";
    result = ReplaceAll(result, " ", "");
    return ReplaceAll(result, ",,", ",");
}

}  // namespace

long ListKey(int n) { return kFirstListKey + n; }
long TopicKey(int t) { return kFirstTopicKey + t; }

Lists BuildLists(int overallRating, int factorKey, state::Sex sex) {
    std::string recomList;
    std::string helpTopics;
    const auto addList = [&](int n) { recomList += "," + text::GetCatalogText(ListKey(n)); };
    switch (overallRating) {
        case 0:
            addList(19);
            break;
        case 3:
            addList(18);
            break;
        case 5:
            addList(1);
            break;
        default:
            break;
    }
    for (const FactorAdvice& advice : kFactorAdvice) {
        if (advice.key != factorKey) continue;
        if (advice.bySex) addList(sex == state::Sex::Man ? 9 : 10);
        for (int n : advice.lists) addList(n);
        helpTopics += advice.topics;
    }
    return {Normalised(recomList), Normalised(helpTopics)};
}

Selection ChooseList(std::string_view recomList) {
    Selection selection;
    MarkDashList(selection, recomList);
    selection.Order(CategoryList(), kLastCategory);
    return selection;
}

std::vector<int> Topics(std::string_view helpTopics) {
    std::vector<int> topics;
    for (int t = 1; t <= kTopics; ++t) {
        if (helpTopics.find("," + std::to_string(t) + ",") != std::string_view::npos)
            topics.push_back(t);
    }
    return topics;
}

std::string DescriptionPath(int p) { return "\\Doc\\STAR-" + std::to_string(p) + ".rtf"; }

std::string SelfHelpPath(int t) { return "\\Doc\\G-J-" + std::to_string(t) + ".rtf"; }

std::string ExercisePath(int age, int squatRating) {
    int row = 0;
    switch (squatRating) {
        case 5:
            row = 1;
            break;
        case 3:
            row = 2;
            break;
        case 0:
            row = 3;
            break;
        case -1:
            row = 4;
            break;
        default:
            break;
    }
    const int column = age < 60 ? 0 : age <= 69 ? 1 : age <= 75 ? 2 : 3;
    const std::string path = "\\Doc\\G-J-12-";
    if (row == 0 || column == 0) return path;
    return path + std::to_string((row - 1) * 3 + column) + ".rtf";
}

TemplateRule UseTableRule(std::string_view recomList) {
    TemplateRule rule;
    rule.tagWidth = 6;
    rule.removeLineBreaks = true;
    rule.recommended = [list = std::string(recomList)](const std::string& tag) {
        return list.find("," + tag + ",") != std::string::npos;
    };
    return rule;
}

}  // namespace recommendations::program2
