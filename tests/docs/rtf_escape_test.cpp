#include "docs/rtf_escape.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "docs/rtf_reader.h"

namespace {

using docs::RtfEscape;

TEST(RtfEscape, OnlyTheLettersAToYaBecomeLowerCaseHexEscapes) {
    EXPECT_EQ(RtfEscape("Мир Ё"), "\\'cc\\'e8\\'f0 Ё");
    EXPECT_EQ(RtfEscape("А"), "\\'c0");
    EXPECT_EQ(RtfEscape("я"), "\\'ff");
    EXPECT_EQ(RtfEscape("Г-н Иванов"), "\\'c3-\\'ed \\'c8\\'e2\\'e0\\'ed\\'ee\\'e2");
    // Below code 192: Ё (168), ё (184), № (185), the break token ¤ (164), guillemets, dashes.
    EXPECT_EQ(RtfEscape("ёЁ№¤«»—"), "ёЁ№¤«»—");
    EXPECT_EQ(RtfEscape("Ivanov 1953, 08.12.26 ^^^^"), "Ivanov 1953, 08.12.26 ^^^^");
    EXPECT_EQ(RtfEscape(""), "");
    // Characters the code page does not have stay as they are.
    EXPECT_EQ(RtfEscape("café 😀"), "café 😀");
}

TEST(RtfEscape, BackslashAndBracesCannotBreakTheDocumentOrAddCommands) {
    EXPECT_EQ(RtfEscape("a\\b{c}"), "a\\\\b\\{c\\}");
    // A name made of RTF commands is shown as the name, and the document around it survives.
    const std::string name = "Ян}{\\b1 \\par}}}{\\*\\x";
    const docs::RtfDocument doc = docs::ReadRtf("{\\rtf1 [" + RtfEscape(name) + "] end\\par}");
    EXPECT_EQ(base::EncodeUtf8(docs::PlainText(doc)), "[" + name + "] end");
    for (const docs::Run& run : std::get<docs::Paragraph>(doc.blocks.at(0)).runs)
        EXPECT_FALSE(run.format.bold);
}

}  // namespace
