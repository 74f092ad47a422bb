// The documents program 2's recommendations open, as the build puts them beside the program,
// enumerated through the program's own rules: every rating, every factor, both sexes.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "base/text_codec.h"
#include "docs/doc_path.h"
#include "docs/rich_text.h"
#include "recommendations/preparations.h"
#include "recommendations/program2.h"
#include "recommendations/salutation.h"
#include "recommendations/template_fill.h"
#include "recommendations/template_text.h"
#include "text/catalogue.h"

namespace {

using namespace recommendations;

const std::filesystem::path kProgramDir = TEST_BUILD_DIR;

// Every list a program-2 screen can build, with what the user can be shown from it.
struct Case {
    int rating;
    int factor;
    state::Sex sex;
    program2::Lists lists;
};

std::vector<Case> EveryCase() {
    std::vector<Case> runs;
    for (int rating : {0, 3, 5}) {
        for (int factor = 230; factor <= 250; ++factor) {
            for (state::Sex sex : {state::Sex::Man, state::Sex::Woman}) {
                const int key = factor == 230 ? 0 : factor;  // 0: no factor was listed
                runs.push_back({rating, key, sex, program2::BuildLists(rating, key, sex)});
            }
        }
    }
    return runs;
}

bool Exists(const std::string& storedPath) {
    return std::filesystem::exists(docs::ResolveDocPath(kProgramDir, storedPath));
}

docs::RichText Load(const std::string& storedPath) {
    docs::RichText document;
    const std::filesystem::path path = docs::ResolveDocPath(kProgramDir, storedPath);
    EXPECT_EQ(document.LoadFile(path), docs::RichText::LoadResult::Loaded) << path;
    return document;
}

std::string Describe(const Case& run) {
    return "rating " + std::to_string(run.rating) + ", factor " + std::to_string(run.factor) +
           (run.sex == state::Sex::Man ? ", a man" : ", a woman") + ": " + run.lists.recomList;
}

// The items of a list as written: an index, or an index, "-" and a variant digit.
struct Item {
    int product = 0;
    bool wellFormed = false;
};
Item Parse(const std::string& item) {
    const size_t dash = item.find('-');
    const std::string index = item.substr(0, dash);
    if (index.empty() || index.find_first_not_of("0123456789") != std::string::npos) return {};
    if (dash != std::string::npos) {
        const std::string variant = item.substr(dash + 1);
        if (variant.size() != 1 || variant[0] < '1' || variant[0] > '6') return {};
    }
    return {std::stoi(index), true};
}

std::set<std::string> Tags(const TemplateText& text, const TemplateRule& rule) {
    std::set<std::string> tags;
    for (long pos = text.Find("^^", 0); pos >= 0; pos = text.Find("^^", pos + 2))
        tags.insert(ReadTag(text, pos, rule));
    return tags;
}

TEST(Program2Documents, EveryListItemNamesAPreparationThatIsShownOrNeverShown) {
    const std::vector<int16_t> categories = CategoryList();
    for (const Case& run : EveryCase()) {
        for (const std::string& item : SplitList(run.lists.recomList)) {
            if (item.empty()) continue;
            const Item parsed = Parse(item);
            ASSERT_TRUE(parsed.wellFormed) << "«" << item << "» in " << Describe(run);
            EXPECT_FALSE(PreparationName(parsed.product).empty())
                << item << " in " << Describe(run);
            // Category 0 is a preparation that is never shown (the Part's 32).
            const int category = Category(categories, parsed.product);
            EXPECT_TRUE((category >= 1 && category <= 4) || parsed.product == 32)
                << item << " in " << Describe(run);
        }
    }
}

TEST(Program2Documents, EveryShownPreparationHasItsDescription) {
    std::set<int> described;
    for (const Case& run : EveryCase()) {
        for (const SelectionRecord& record : program2::ChooseList(run.lists.recomList).Listed())
            described.insert(record.product);
    }
    ASSERT_FALSE(described.empty());
    for (int p : described) {
        const std::string path = program2::DescriptionPath(p);
        ASSERT_TRUE(Exists(path)) << path;
        const docs::RichText description = Load(path);
        EXPECT_GT(description.Length(), 1500) << path;
        // It is about the preparation on the button: the first word of its name appears.
        std::string name = base::ToLower(PreparationName(p));
        name = name.substr(0, name.find_first_of(" -\""));
        EXPECT_NE(base::ToLower(description.PlainText()).find(name), std::string::npos) << path;
    }
}

TEST(Program2Documents, EveryTopicHasItsTitleAndItsDocument) {
    std::set<int> opened;
    for (const Case& run : EveryCase()) {
        for (int t : program2::Topics(run.lists.helpTopics)) opened.insert(t);
    }
    for (int t = 1; t <= program2::kTopics; ++t) {
        const std::string title = text::GetCatalogText(program2::TopicKey(t));
        EXPECT_FALSE(title.empty() || title.front() == '?') << t;
        if (t == program2::kExerciseTopic) continue;
        // Every topic has its document, the ones no rule opens included.
        const std::string path = program2::SelfHelpPath(t);
        ASSERT_TRUE(Exists(path)) << path << (opened.count(t) ? " (opened)" : "");
        EXPECT_GT(Load(path).Length(), 1500) << path;
    }
}

TEST(Program2Documents, EveryExerciseProgrammeIsAddressedAndDated) {
    const std::string salutation = PlanSalutation(state::Sex::Woman, "Белова{\\}", "Нина");
    std::set<std::string> paths;
    for (int age = 60; age <= 100; ++age) {
        for (int squat : {5, 3, 0, -1}) paths.insert(program2::ExercisePath(age, squat));
    }
    EXPECT_EQ(paths.size(), 12u);
    for (const std::string& path : paths) {
        ASSERT_TRUE(Exists(path)) << path;
        docs::RichText document = Load(path);
        EXPECT_GT(document.Length(), 1500) << path;
        document.SetRtfText(FillSalutationRtf(document.RtfText(), salutation));
        PlainTemplateText text(document.PlainText());
        EXPECT_TRUE(FillFirstPlaceholder(text, kTextDatePlaceholder, "08.12.26")) << path;
        const std::string filled = text.Text();
        EXPECT_NE(filled.find(salutation), std::string::npos) << path;
        EXPECT_NE(filled.find("08.12.26"), std::string::npos) << path;
        EXPECT_EQ(filled.find("яяяяяя"), std::string::npos) << path;
        EXPECT_EQ(filled.find("DDDDDD"), std::string::npos) << path;
    }
}

TEST(Program2Documents, EveryShownItemAndVariantHasItsRowInTheUseTable) {
    const docs::RichText table = Load(std::string(program2::kUseTablePath));
    EXPECT_NE(table.RtfText().find(std::string(kRtfDatePlaceholder)), std::string::npos);
    const PlainTemplateText source(table.PlainText());
    const std::set<std::string> tags = Tags(source, program2::UseTableRule(","));
    EXPECT_TRUE(tags.count("")) << "the table is closed by a blank marker";
    const std::vector<int16_t> categories = CategoryList();
    for (const Case& run : EveryCase()) {
        std::set<std::string> items;
        for (const std::string& item : SplitList(run.lists.recomList)) {
            const Item parsed = Parse(item);
            if (!parsed.wellFormed) continue;
            // A preparation that is never shown needs no row; a row it has stays.
            if (Category(categories, parsed.product) == kNotListed) {
                if (tags.count(item)) items.insert(item);
                continue;
            }
            items.insert(item);
            EXPECT_TRUE(tags.count(item)) << item << " in " << Describe(run);
        }
        // Filtered and cleaned, the table keeps one row per item and no marker.
        PlainTemplateText filtered(table.PlainText());
        FilterTemplate(filtered, program2::UseTableRule(run.lists.recomList));
        const std::set<std::string> kept = Tags(filtered, program2::UseTableRule(","));
        std::set<std::string> expected = items;
        expected.insert("");
        EXPECT_EQ(kept, expected) << Describe(run);
        RemoveTaggedMarkers(filtered);
        EXPECT_EQ(filtered.Text().find('^'), std::string::npos) << Describe(run);
    }
}

}  // namespace
