#include "docs/rich_text.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/text_codec.h"
#include "docs/rtf_escape.h"
#include "docs/rtf_reader.h"
#include "support/temp_dir.h"

namespace {

using docs::RichText;

RichText Loaded(const std::string& rtf) {
    RichText text;
    text.SetRtfText(rtf);
    return text;
}

// The paragraph and run formats around a piece of text, read back from the RTF text, so that an
// edit is checked in what the viewer hands out, not only in what it shows.
const docs::CharFormat* FormatOf(const docs::RtfDocument& document, const std::u32string& text) {
    for (const docs::Block& block : document.blocks) {
        if (const auto* p = std::get_if<docs::Paragraph>(&block)) {
            for (const docs::Run& run : p->runs) {
                if (run.text.find(text) != std::u32string::npos) return &run.format;
            }
        }
    }
    return nullptr;
}

// --- Find and selection -----------------------------------------------------------------------

TEST(RichTextFind, PositionsCountCharactersOfThePlainTextFromZero) {
    RichText text =
        Loaded(R"({\rtf1 \'cf\'f0\'e8\'e2\'e5\'f2 {\b world}\par second ^^ line\line ^^ end})");
    EXPECT_EQ(text.PlainText(), "Привет world\nsecond ^^ line\n^^ end");
    EXPECT_EQ(text.Find("Привет"), 0);
    EXPECT_EQ(text.Find("world"), 7) << "Cyrillic letters count one each, not two bytes";
    EXPECT_EQ(text.Find("^^"), 20);
    EXPECT_EQ(text.Find("^^", 21), 28);
    EXPECT_EQ(text.Find("^^", 29), -1);
    EXPECT_EQ(text.Find("WORLD"), -1) << "letters are compared exactly";
    EXPECT_EQ(text.Find("absent"), -1);
    EXPECT_EQ(text.Find(""), -1);
    EXPECT_EQ(text.Find("^^", -5), 20);
    EXPECT_EQ(text.Find("^^", 1000), -1);
    EXPECT_EQ(text.Find("world\r\nsecond"), 7) << "CR LF matches a paragraph end";
}

TEST(RichTextFind, PositionsCountTableCellsAsTheViewerShowsThem) {
    RichText text =
        Loaded(R"({\rtf1 before\par\trowd\cellx1000\cellx2000\intbl A1\cell B1\cell\row)"
               R"(\trowd\cellx1000\cellx2000\intbl A2\cell B2\cell\row\pard after\par})");
    EXPECT_EQ(text.PlainText(), "before\nA1\nB1\nA2\nB2\nafter");
    EXPECT_EQ(text.Find("A2"), 13);
    text.SetSelection(text.Find("B2"), 2);
    EXPECT_EQ(text.SelectedText(), "B2");
}

TEST(RichTextSelection, OutOfRangeSelectionsAreBroughtIntoTheText) {
    RichText text = Loaded(R"({\rtf1 abcdef})");
    text.SetSelection(2, 3);
    EXPECT_EQ(text.SelectedText(), "cde");
    text.SetSelection(-4, 2);
    EXPECT_EQ(text.SelectionStart(), 0);
    EXPECT_EQ(text.SelectedText(), "ab");
    text.SetSelection(4, 100);
    EXPECT_EQ(text.SelectedText(), "ef");
    text.SetSelection(100, 5);
    EXPECT_EQ(text.SelectionStart(), 6);
    EXPECT_EQ(text.SelectionLength(), 0);
    text.SetSelection(1, -3);
    EXPECT_EQ(text.SelectionLength(), 0);
}

// --- Replacing the selection -------------------------------------------------------------------

TEST(RichTextReplace, NewTextTakesTheFormatOfTheReplacedTextAndTheCaretFollowsIt) {
    RichText text = Loaded(R"({\rtf1 Date: {\b DDDDDD} end\par})");
    text.SetSelection(text.Find("DDDDDD"), 6);
    text.ReplaceSelection("08.12.26");
    EXPECT_EQ(text.PlainText(), "Date: 08.12.26 end");
    EXPECT_EQ(text.SelectionStart(), 14);
    EXPECT_EQ(text.SelectionLength(), 0);
    // What is handed out as RTF holds the edit too, with its formatting.
    const docs::RtfDocument again = docs::ReadRtf(text.RtfText());
    EXPECT_EQ(base::EncodeUtf8(docs::PlainText(again)), "Date: 08.12.26 end");
    ASSERT_NE(FormatOf(again, U"08.12.26"), nullptr);
    EXPECT_TRUE(FormatOf(again, U"08.12.26")->bold);
    EXPECT_FALSE(FormatOf(again, U" end")->bold);
}

TEST(RichTextReplace, InsertingWithoutSelectionAndDeletingWithEmptyText) {
    RichText text = Loaded(R"({\rtf1 {\i ab}cd\par})");
    text.SetSelection(2, 0);
    text.ReplaceSelection("X\r\nY");
    EXPECT_EQ(text.PlainText(), "abX\nYcd") << "CR LF becomes a line break";
    EXPECT_TRUE(FormatOf(text.Document(), U"X\nY")->italic) << "the format of the character before";
    text.SetSelection(0, 3);
    text.ReplaceSelection("");
    EXPECT_EQ(text.PlainText(), "\nYcd");
    EXPECT_EQ(text.SelectionStart(), 0);
}

TEST(RichTextReplace, DeletingAcrossParagraphsJoinsThem) {
    RichText text = Loaded(R"({\rtf1\qc one two\par\pard three\par four\par})");
    text.SetSelection(text.Find("two"), text.Find("four") - text.Find("two"));
    text.ReplaceSelection("");
    EXPECT_EQ(text.PlainText(), "one four");
    const auto& paragraph = std::get<docs::Paragraph>(text.Document().blocks.at(0));
    EXPECT_EQ(paragraph.format.alignment, docs::Alignment::Centre)
        << "the first paragraph's format stays";
}

// The use-instruction templates: one marker row per preparation variant; the rows not recommended
// are deleted from their marker up to the next one.
TEST(RichTextReplace, DeletingFromMarkerToMarkerRemovesWholeTableRows) {
    const std::string rtf =
        R"({\rtf1 Heading\par)"
        R"(\trowd\cellx1000\cellx5000\intbl ^^1    ^\cell Row one\cell\row)"
        R"(\trowd\cellx1000\cellx5000\intbl ^^2    ^\cell Row two\par second line\cell\row)"
        R"(\trowd\cellx1000\cellx5000\intbl ^^3    ^\cell Row three\cell\row)"
        R"(\pard ^^      ^\par})";
    RichText text = Loaded(rtf);
    auto keep = [](const std::string& tag) { return tag == "3"; };
    int pos = text.Find("^^");
    while (pos >= 0) {
        text.SetSelection(pos, 7);
        std::string tag = text.SelectedText();
        std::erase(tag, '^');
        std::erase(tag, ' ');
        if (tag.empty()) break;
        const int next = text.Find("^^", pos + 7);
        if (keep(tag) || next < 0) {
            pos = next;
            continue;
        }
        text.SetSelection(pos, next - pos);
        text.ReplaceSelection("");
        pos = text.Find("^^", pos);
    }
    EXPECT_EQ(text.PlainText(), "Heading\n^^3    ^\nRow three\n^^      ^");
    const docs::RtfDocument& doc = text.Document();
    ASSERT_EQ(doc.blocks.size(), 3u);
    const auto& table = std::get<docs::Table>(doc.blocks[1]);
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].cells.size(), 2u);

    // The last rows up to a marker after the table, and then every row: the table goes.
    text = Loaded(rtf);
    text.SetSelection(text.Find("^^2"), text.Find("^^ ") - text.Find("^^2"));
    text.ReplaceSelection("");
    EXPECT_EQ(text.PlainText(), "Heading\n^^1    ^\nRow one\n^^      ^");
    text.SetSelection(text.Find("^^1"), text.Find("^^ ") - text.Find("^^1"));
    text.ReplaceSelection("");
    EXPECT_EQ(text.PlainText(), "Heading\n^^      ^");
    EXPECT_EQ(text.Document().blocks.size(), 2u);
}

TEST(RichTextReplace, ASelectionCuttingThroughCellsRemovesOnlyText) {
    RichText text =
        Loaded(R"({\rtf1\trowd\cellx1000\cellx2000\intbl abc\cell def\cell\row\pard after\par})");
    text.SetSelection(text.Find("bc"), text.Find("ef") - text.Find("bc"));
    text.ReplaceSelection("");
    EXPECT_EQ(text.PlainText(), "\na\nef\nafter");
    const auto& table = std::get<docs::Table>(text.Document().blocks.at(1));
    EXPECT_EQ(table.rows.at(0).cells.size(), 2u);
}

// --- The RTF text --------------------------------------------------------------------------------

TEST(RichTextRtf, TheRtfTextIsHandedOutAsItWasGivenUntilAnEdit) {
    const std::string rtf = R"({\rtf1\ansi\ansicpg1251 {\*\unknown x}\'ff\'ff\par})";
    RichText text = Loaded(rtf);
    EXPECT_EQ(text.RtfText(), rtf);
    text.SetSelection(0, 0);
    text.ReplaceSelection("Ж");
    EXPECT_NE(text.RtfText(), rtf);
    EXPECT_EQ(base::EncodeUtf8(docs::PlainText(docs::ReadRtf(text.RtfText()))), "Жяя");
    text.Clear();
    EXPECT_EQ(text.RtfText(), "");
    EXPECT_EQ(text.PlainText(), "");
}

// The calendar plans carry the placeholder \'ff\'ff\'ff\'ff\'ff\'ff for the salutation; the screen
// replaces it in the RTF text by the escaped salutation and puts the text back.
TEST(RichTextRtf, EscapedSalutationPutIntoTheRtfTextReadsBackAsWritten) {
    testsupport::TempDir dir;
    const std::string file = R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset204 Arial;}}\f0 )"
                             R"(\'c4\'eb\'ff: \'ff\'ff\'ff\'ff\'ff\'ff!\par})";
    RichText text;
    ASSERT_EQ(text.LoadFile(dir.Write("Doc/KALEND11.rtf", file)), RichText::LoadResult::Loaded);
    std::string rtf = text.RtfText();
    const std::string placeholder = R"(\'ff\'ff\'ff\'ff\'ff\'ff)";
    const std::string salutation = "Г-жа Ёлкина {Анна} \\b";
    for (size_t at; (at = rtf.find(placeholder)) != std::string::npos;) {
        rtf.replace(at, placeholder.size(), docs::RtfEscape(salutation));
    }
    text.SetRtfText(rtf);
    EXPECT_EQ(text.PlainText(), "Для: " + salutation + "!");
    EXPECT_FALSE(text.Document().blocks.empty());
    EXPECT_FALSE(FormatOf(text.Document(), U"Ёлкина")->bold) << "no RTF command slipped in";
}

TEST(RichTextRtf, APlaceholderWrittenUnescapedIsFoundEscaped) {
    testsupport::TempDir dir;
    RichText text;
    ASSERT_EQ(text.LoadFile(dir.Write("plan.rtf",
                                      "{\\rtf1\\ansi\\ansicpg1251 \xff\xff\xff\xff\xff\xff\\par}")),
              RichText::LoadResult::Loaded);
    EXPECT_NE(text.RtfText().find(R"(\'ff\'ff\'ff\'ff\'ff\'ff)"), std::string::npos);
    EXPECT_EQ(text.PlainText(), "яяяяяя");
}

TEST(RichTextRtf, FilesAreReadInTheirCodePageAndAMissingFileIsUnreadable) {
    testsupport::TempDir dir;
    RichText text;
    EXPECT_EQ(text.LoadFile(dir.path() / "none.rtf"), RichText::LoadResult::Unreadable);
    EXPECT_EQ(text.LoadFile(dir.path()), RichText::LoadResult::Unreadable) << "a folder";
    const auto raw =
        dir.Write("raw.rtf", std::string("{\\rtf1 \xcf\xf0\xe8\xe2\xe5\xf2 \\'e0\\par}"));
    ASSERT_EQ(text.LoadFile(raw), RichText::LoadResult::Loaded);
    EXPECT_EQ(text.RtfText(), "{\\rtf1 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 \\'e0\\par}");
    EXPECT_EQ(text.PlainText(), "Привет а");
}

TEST(RichTextRtf, PositionsInUtf16ForCharactersBeyondTheBasicPlane) {
    RichText text = Loaded(R"({\rtf1 a\u-10179?\u-8704?b\u1046?c})");
    EXPECT_EQ(text.PlainText(), "a😀bЖc");
    EXPECT_EQ(text.Find("b"), 2);
    EXPECT_EQ(text.Utf16Position(2), 3);
    EXPECT_EQ(text.Utf16Position(5), 6);
}

}  // namespace
