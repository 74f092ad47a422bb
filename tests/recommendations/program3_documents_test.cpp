// The documents program 3's conclusion and recommendations open, as the build puts them beside
// the program; every list is enumerated through the program's own choice of list.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "base/numbers.h"
#include "conclusions/program3.h"
#include "docs/doc_path.h"
#include "docs/rich_text.h"
#include "recommendations/preparations.h"
#include "recommendations/program3.h"
#include "recommendations/template_text.h"

namespace {

using namespace recommendations;

const std::filesystem::path kProgramDir = TEST_BUILD_DIR;
// One age of each group, youngest first.
const int kAges[] = {4, 9, 13};

docs::RichText Load(const std::string& storedPath) {
    docs::RichText document;
    const std::filesystem::path path = docs::ResolveDocPath(kProgramDir, storedPath);
    EXPECT_EQ(document.LoadFile(path), docs::RichText::LoadResult::Loaded) << path;
    return document;
}

TEST(Program3Documents, EveryDocumentOfTheConclusionExists) {
    for (int variant = 1; variant <= conclusions::kPanelCount3; ++variant) {
        for (int member : conclusions::PanelOf3(variant)->books) {
            SCOPED_TRACE(member);
            const docs::RichText document = Load(conclusions::BookDocument3(member));
            EXPECT_GT(document.Length(), 3000);
            EXPECT_NE(document.PlainText().find("педиатр"), std::string::npos);
        }
    }
}

TEST(Program3Documents, EveryListServesItsAgeGroupInCategoryOrder) {
    const std::vector<int16_t> categories = CategoryList();
    std::set<long> keys;
    for (int age : kAges) {
        for (int variant = 1; variant <= program3::kVariants; ++variant) {
            SCOPED_TRACE(testing::Message() << "age " << age << ", variant " << variant);
            keys.insert(program3::ListKey(variant, age));
            const std::vector<int> codes = program3::ListCodes(program3::ChooseList(variant, age));
            ASSERT_FALSE(codes.empty());
            // The prescription sheet holds twelve lines.
            EXPECT_LE(codes.size(), 12u);
            int lastCategory = 0;
            std::set<int> preparations;
            for (int code : codes) {
                const int p = program3::PreparationOf(code);
                const int dose = program3::DoseOf(code);
                EXPECT_TRUE(dose == 0 || dose == program3::DoseVariant(age)) << code;
                EXPECT_TRUE(preparations.insert(p).second) << code;
                EXPECT_FALSE(PreparationName(p).empty()) << code;
                const int category = Category(categories, p);
                EXPECT_GE(category, 1) << code;
                EXPECT_GE(category, lastCategory) << code;
                lastCategory = category;
            }
        }
    }
    std::set<long> all;
    for (long key = program3::kFirstListKey; key <= program3::kLastListKey; ++key) all.insert(key);
    EXPECT_EQ(keys, all);
}

TEST(Program3Documents, EveryCodeOfEveryListHasItsDescriptionAndItsRowInTheUseTable) {
    const docs::RichText table = Load(std::string(program3::kUseTablePath));
    const TemplateRule anyRow = program3::UseTableRule({});
    std::set<int> tags;
    bool closed = false;
    {
        const PlainTemplateText source(table.PlainText());
        for (long pos = source.Find("^^", 0); pos >= 0; pos = source.Find("^^", pos + 2)) {
            const std::string tag = ReadTag(source, pos, anyRow);
            if (tag.empty()) {
                closed = true;
            } else {
                tags.insert(base::CInt(base::Val(tag)));
            }
        }
    }
    EXPECT_TRUE(closed) << "the table is closed by a blank marker";

    std::set<int> described;
    for (int age : kAges) {
        for (int variant = 1; variant <= program3::kVariants; ++variant) {
            SCOPED_TRACE(testing::Message() << "age " << age << ", variant " << variant);
            const std::vector<int> codes = program3::ListCodes(program3::ChooseList(variant, age));
            for (int code : codes) {
                EXPECT_TRUE(tags.count(code)) << code;
                if (!described.insert(code).second) continue;
                const docs::RichText description = Load(program3::DescriptionPath(code));
                EXPECT_GT(description.Length(), 1500) << code;
                EXPECT_NE(description.PlainText().find("педиатр"), std::string::npos) << code;
            }
            // Filtered, the table keeps the list's rows and loses every marker.
            PlainTemplateText filtered(table.PlainText());
            FilterTemplate(filtered, program3::UseTableRule(codes));
            RemoveCarets(filtered);
            EXPECT_EQ(filtered.Text().find('^'), std::string::npos);
        }
    }
}

}  // namespace
