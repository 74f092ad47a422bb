// The documents program 5's recommendations open, as the build puts them beside the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "docs/doc_path.h"
#include "docs/rich_text.h"
#include "recommendations/program5.h"
#include "recommendations/salutation.h"
#include "recommendations/template_fill.h"
#include "recommendations/template_text.h"

namespace {

using namespace recommendations;

const std::filesystem::path kProgramDir = TEST_BUILD_DIR;
const state::Sex kSexes[] = {state::Sex::Man, state::Sex::Woman};
const int kRatings[] = {0, 3, 5};

docs::RichText Load(const std::string& storedPath) {
    docs::RichText document;
    const std::filesystem::path path = docs::ResolveDocPath(kProgramDir, storedPath);
    EXPECT_EQ(document.LoadFile(path), docs::RichText::LoadResult::Loaded) << path;
    return document;
}

// The tags of every marker of a template, read as the use table reads them.
std::set<std::string> Tags(const TemplateText& text, const TemplateRule& rule) {
    std::set<std::string> tags;
    for (long pos = text.Find("^^", 0); pos >= 0; pos = text.Find("^^", pos + 2))
        tags.insert(ReadTag(text, pos, rule));
    return tags;
}

long Count(const std::string& text, const std::string& what) {
    long count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

TEST(Program5Documents, EveryDocumentAScreenCanOpenExists) {
    for (state::Sex sex : kSexes) {
        for (int rating : kRatings) {
            const Selection list = program5::ChooseList(sex, rating);
            ASSERT_FALSE(list.Listed().empty());
            for (const SelectionRecord& record : list.Listed()) {
                const docs::RichText description = Load(program5::DescriptionPath(record.product));
                EXPECT_GT(description.Length(), 1500) << record.product;
            }
            const docs::RichText plan = Load(program5::PlanPath(sex, rating));
            EXPECT_GT(plan.Length(), 500) << program5::PlanPath(sex, rating);
        }
    }
    EXPECT_GT(Load(std::string(program5::kSelfHelpPath)).Length(), 1500);
    EXPECT_GT(Load(std::string(program5::kUseTablePath)).Length(), 500);
}

TEST(Program5Documents, EveryItemOfEveryListHasItsRowInTheUseTable) {
    const docs::RichText table = Load(std::string(program5::kUseTablePath));
    const PlainTemplateText source(table.PlainText());
    const std::set<std::string> tags = Tags(source, program5::UseTableRule({}));
    EXPECT_TRUE(tags.count("")) << "the table is closed by a blank marker";
    for (state::Sex sex : kSexes) {
        for (int rating : kRatings) {
            const std::vector<std::string> codes =
                program5::ListCodes(program5::ChooseList(sex, rating));
            for (const std::string& code : codes) EXPECT_TRUE(tags.count(code)) << code;
            // Filtered, the table keeps one row per preparation and loses every marker.
            PlainTemplateText filtered(table.PlainText());
            FilterTemplate(filtered, program5::UseTableRule(codes));
            EXPECT_EQ(Count(filtered.Text(), "^^"), 2L * static_cast<long>(codes.size()) + 2);
            RemoveDoubleCaretsAndDigits(filtered);
            EXPECT_EQ(filtered.Text().find('^'), std::string::npos);
        }
    }
}

TEST(Program5Documents, TheSelfHelpTextKeepsOnlyTheSectionOfTheAgeGroup) {
    const docs::RichText document = Load(std::string(program5::kSelfHelpPath));
    const char* const headings[] = {"Если Вам меньше 30 лет", "Если Вам от 30 до 49 лет",
                                    "Если Вам 50 лет и больше"};
    for (int age : {29, 30, 49, 50}) {
        const int group = program5::AgeGroup(age);
        PlainTemplateText text(document.PlainText());
        FilterTemplate(text, program5::SelfHelpRule(group));
        RemoveDoubleCarets(text);
        const std::string plain = text.Text();
        for (int g = 1; g <= 3; ++g) {
            EXPECT_EQ(plain.find(headings[g - 1]) != std::string::npos, g == group)
                << age << " " << headings[g - 1];
        }
        EXPECT_EQ(plain.find('^'), std::string::npos) << age;
        EXPECT_NE(plain.find("112"), std::string::npos) << age;
    }
}

TEST(Program5Documents, EveryPlanIsDatedAndAddressedToTheUser) {
    const std::string salutation = PlanSalutation(state::Sex::Man, "Щукин{\\}", "Ян");
    for (state::Sex sex : kSexes) {
        for (int rating : kRatings) {
            docs::RichText plan = Load(program5::PlanPath(sex, rating));
            std::string rtf = FillDateRtf(plan.RtfText(), "08.12.26");
            rtf = FillSalutationRtf(rtf, salutation);
            plan.SetRtfText(rtf);
            const std::string text = plan.PlainText();
            EXPECT_NE(text.find(salutation), std::string::npos) << program5::PlanPath(sex, rating);
            EXPECT_NE(text.find("08.12.26"), std::string::npos) << program5::PlanPath(sex, rating);
            EXPECT_EQ(text.find("dd.mm.yy"), std::string::npos);
            EXPECT_EQ(text.find("яяяяяя"), std::string::npos);
        }
    }
}

}  // namespace
