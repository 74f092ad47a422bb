// The documents program 1's recommendations open, as the build puts them beside the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "base/text_codec.h"
#include "docs/doc_path.h"
#include "docs/rich_text.h"
#include "recommendations/preparations.h"
#include "recommendations/program1.h"
#include "recommendations/salutation.h"
#include "recommendations/template_fill.h"
#include "recommendations/template_text.h"

namespace {

using namespace recommendations;

const std::filesystem::path kProgramDir = TEST_BUILD_DIR;
const char* const kCourses[] = {"1", "6", "7", "7A", "8"};

docs::RichText Load(const std::string& storedPath) {
    docs::RichText document;
    const std::filesystem::path path = docs::ResolveDocPath(kProgramDir, storedPath);
    EXPECT_EQ(document.LoadFile(path), docs::RichText::LoadResult::Loaded) << path;
    return document;
}

// The preparations named in the first column of the document's first table, below its header.
std::set<std::string> FirstTableNames(const docs::RichText& document) {
    std::set<std::string> names;
    for (const docs::Block& block : document.Document().blocks) {
        const auto* table = std::get_if<docs::Table>(&block);
        if (!table) continue;
        for (size_t r = 1; r < table->rows.size(); ++r) {
            std::string name;
            for (const docs::Paragraph& p : table->rows[r].cells.front().paragraphs)
                name += base::EncodeUtf8(p.Text());
            names.insert(name);
        }
        break;
    }
    return names;
}

// The course's preparations as the documents write them («» instead of straight quotes).
std::set<std::string> CourseNames(std::string_view course) {
    std::set<std::string> names;
    for (const LayoutEntry& button : program1::LayOutCourse(course, Program1List()).Buttons()) {
        if (button.item == kDietItem) continue;
        std::string name = button.caption;
        const size_t open = name.find('"');
        if (open != std::string::npos) {
            name.replace(open, 1, "«");
            name.replace(name.rfind('"'), 1, "»");
        }
        names.insert(name);
    }
    return names;
}

TEST(Program1Documents, EveryButtonOfEveryCourseHasItsDescription) {
    for (const char* course : kCourses) {
        for (const LayoutEntry& button : program1::LayOutCourse(course, Program1List()).Buttons()) {
            const docs::RichText document = Load(button.docPath);
            EXPECT_GT(document.Length(), 500) << button.docPath;
        }
    }
}

TEST(Program1Documents, UseInstructionsListExactlyTheCoursesPreparations) {
    for (const char* course : kCourses) {
        const docs::RichText document = Load(program1::UseInstructionsPath(course));
        EXPECT_EQ(FirstTableNames(document), CourseNames(course)) << course;
    }
}

TEST(Program1Documents, EveryCalendarIsAddressedToTheUserInBothPlaces) {
    const std::string salutation = PlanSalutation(state::Sex::Woman, "Щукина{\\}", "Ядвига");
    for (const char* course : kCourses) {
        docs::RichText document = Load(program1::CalendarPath(course));
        document.SetRtfText(FillSalutationRtf(document.RtfText(), salutation));
        PlainTemplateText plain(document.PlainText());
        EXPECT_TRUE(FillFirstPlaceholder(plain, kTextSalutationPlaceholder, salutation)) << course;
        const std::string text = plain.Text();
        const size_t first = text.find(salutation);
        ASSERT_NE(first, std::string::npos) << course;
        EXPECT_NE(text.find(salutation, first + 1), std::string::npos) << course;
        EXPECT_EQ(text.find("^^^^"), std::string::npos) << course;
        EXPECT_EQ(text.find("яяяяяя"), std::string::npos) << course;
        // The calendar plans the same preparations the course lists.
        std::set<std::string> planned;
        for (const std::string& name : FirstTableNames(document))
            planned.insert(name.substr(0, name.find(',')));
        EXPECT_EQ(planned, CourseNames(course)) << course;
    }
}

}  // namespace
