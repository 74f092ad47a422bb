#include "recommendations/template_fill.h"

#include <gtest/gtest.h>

#include "docs/rich_text.h"

namespace {

using recommendations::FillSalutationRtf;

// A calendar as the documents hold it: "яяяяяя" written as six escaped bytes 255.
const std::string kCalendar =
    "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}\\f0 \\'cf\\'eb\\'e0\\'ed \\'e4\\'eb\\'ff: "
    "\\'ff\\'ff\\'ff\\'ff\\'ff\\'ff\\par \\b \\'ff\\'ff\\'ff\\'ff\\'ff\\'ff\\b0\\par}";

std::string PlainAfterFill(const std::string& salutation) {
    docs::RichText document;
    document.SetRtfText(FillSalutationRtf(kCalendar, salutation));
    return document.PlainText();
}

TEST(FillSalutationRtf, EveryPlaceholderGetsTheCyrillicSalutationEscaped) {
    const std::string filled = FillSalutationRtf(kCalendar, "Г-н Иванов Иван");
    EXPECT_EQ(filled.find("\\'ff\\'ff\\'ff\\'ff\\'ff\\'ff"), std::string::npos);
    EXPECT_NE(filled.find("\\'c3-\\'ed \\'c8\\'e2\\'e0\\'ed\\'ee\\'e2 \\'c8\\'e2\\'e0\\'ed"),
              std::string::npos);
    EXPECT_EQ(PlainAfterFill("Г-н Иванов Иван"), "План для: Г-н Иванов Иван\nГ-н Иванов Иван");
    EXPECT_EQ(PlainAfterFill("Г-жа Ёлкина-Щукина Янина"),
              "План для: Г-жа Ёлкина-Щукина Янина\nГ-жа Ёлкина-Щукина Янина");
}

TEST(FillSalutationRtf, BracesAndBackslashesInANameStayTextAndAddNoCommands) {
    // Unescaped, "}" would close the group early and "\par" or "\b" would become commands.
    const std::string name = "Г-н Ива{нов} \\par\\b Иван\\";
    EXPECT_EQ(PlainAfterFill(name), "План для: " + name + "\n" + name);
    docs::RichText document;
    document.SetRtfText(FillSalutationRtf(kCalendar, name));
    const docs::RtfDocument& parsed = document.Document();
    ASSERT_FALSE(parsed.blocks.empty());
    const auto& first = std::get<docs::Paragraph>(parsed.blocks.front());
    for (const docs::Run& run : first.runs) EXPECT_FALSE(run.format.bold);
}

TEST(FillSalutationRtf, ATextWithoutThePlaceholderIsUnchanged) {
    const std::string rtf = "{\\rtf1 \\'ff\\'ff\\'ff\\'ff\\'ff x}";  // five bytes only
    EXPECT_EQ(FillSalutationRtf(rtf, "Г-н А Б"), rtf);
}

}  // namespace
