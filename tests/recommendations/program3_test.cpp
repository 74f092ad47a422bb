#include "recommendations/program3.h"

#include <gtest/gtest.h>

#include "recommendations/template_text.h"
#include "text/catalogue.h"

namespace {

using namespace recommendations;

TEST(Program3Recommendations, TheAgeGroupChoosesTheListAndItsDose) {
    struct Case {
        int age;
        long firstKey;  // the key of variant 1
        int dose;
    };
    // Exactly 6 and 11 are the middle group; 12 is the oldest.
    for (const Case& c : {Case{3, 387, 3}, Case{5, 387, 3}, Case{6, 379, 2}, Case{11, 379, 2},
                          Case{12, 371, 1}, Case{15, 371, 1}}) {
        SCOPED_TRACE(c.age);
        EXPECT_EQ(program3::DoseVariant(c.age), c.dose);
        for (int variant = 1; variant <= 8; ++variant)
            EXPECT_EQ(program3::ListKey(variant, c.age), c.firstKey + variant - 1);
    }
    // The weight-problem variants and a missing variant have no list.
    for (int variant : {-1, 0, 9, 10}) {
        EXPECT_EQ(program3::ListKey(variant, 8), 0) << variant;
        EXPECT_TRUE(program3::ChooseList(variant, 8).Listed().empty()) << variant;
    }
}

TEST(Program3Recommendations, TheGivenListsKeepTheirOrder) {
    EXPECT_EQ(program3::ListCodes(program3::ChooseList(1, 5)),
              (std::vector<int>{103, 303, 400, 800}));
    EXPECT_EQ(program3::ListCodes(program3::ChooseList(1, 6)),
              (std::vector<int>{102, 302, 400, 800}));
    EXPECT_EQ(program3::ListCodes(program3::ChooseList(1, 12)),
              (std::vector<int>{101, 301, 400, 800}));
    EXPECT_EQ(program3::ListCodes(program3::ChooseList(3, 14)),
              (std::vector<int>{101, 301, 201, 1301, 1501, 400, 800, 700}));
}

TEST(Program3Recommendations, TheDescriptionCarriesTheDoseUnlessOneFormServesAllAges) {
    EXPECT_EQ(program3::DescriptionPath(1301), "\\Doc\\DP-13-1-r.rtf");
    EXPECT_EQ(program3::DescriptionPath(103), "\\Doc\\DP-1-3-r.rtf");
    EXPECT_EQ(program3::DescriptionPath(400), "\\Doc\\DP-4-r.rtf");
    EXPECT_EQ(program3::DescriptionPath(1000), "\\Doc\\DP-10-r.rtf");
    EXPECT_EQ(program3::PreparationOf(1000), 10);
    EXPECT_EQ(program3::DoseOf(1000), 0);
}

TEST(Program3Recommendations, TheUseTableComparesTagsAsNumbers) {
    PlainTemplateText text("^^101  ^A ^^1000 ^B ^^100  ^C ^^0400 ^D ^^1301^ E ^^     ^");
    FilterTemplate(text, program3::UseTableRule({101, 400, 1301}));
    RemoveCarets(text);
    // 1000 and 100 are not 101; "0400" is 400; a marker of eight characters goes whole.
    EXPECT_EQ(text.Text(), "A D E      ");
}

TEST(Program3Recommendations, TheSheetHeadingNamesTheChild) {
    state::SharedState state;
    state.userFirstName = "Маша";
    state.userLastName = "Иванова";
    state.userYearBirth = 2019;
    EXPECT_EQ(program3::SheetHeading(state),
              text::GetCatalogText(26) + "\r\n Маша Иванова, 2019 года рождения");
}

}  // namespace
