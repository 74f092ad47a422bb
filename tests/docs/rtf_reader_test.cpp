#include "docs/rtf_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/text_codec.h"
#include "docs/rtf_writer.h"
#include "support/test_data.h"

namespace {

using docs::Alignment;
using docs::Paragraph;
using docs::RtfDocument;
using docs::Table;

std::string ReadFixture(const std::string& name) { return testsupport::ReadTestData("rtf/" + name); }

RtfDocument Fixture(const std::string& name) {
    return docs::ReadRtf(docs::RtfTextFromFile(ReadFixture(name)));
}

std::string Plain(const RtfDocument& document) {
    return base::EncodeUtf8(docs::PlainText(document));
}

std::string Utf8(const std::u32string& text) { return base::EncodeUtf8(text); }

std::vector<const Paragraph*> Paragraphs(const RtfDocument& document) {
    std::vector<const Paragraph*> out;
    for (const docs::Block& block : document.blocks) {
        if (const auto* p = std::get_if<Paragraph>(&block)) out.push_back(p);
    }
    return out;
}

const Paragraph* ParagraphStarting(const RtfDocument& document, const std::string& start) {
    for (const Paragraph* p : Paragraphs(document)) {
        if (Utf8(p->Text()).starts_with(start)) return p;
    }
    ADD_FAILURE() << "no paragraph starts with " << start;
    return nullptr;
}

const Table* FirstTable(const RtfDocument& document) {
    for (const docs::Block& block : document.blocks) {
        if (const auto* t = std::get_if<Table>(&block)) return t;
    }
    return nullptr;
}

// The format of the run holding text, or a failure.
const docs::CharFormat* FormatOf(const RtfDocument& document, const std::string& text) {
    auto search = [&](const Paragraph& p) -> const docs::CharFormat* {
        for (const docs::Run& run : p.runs) {
            if (Utf8(run.text).find(text) != std::string::npos) return &run.format;
        }
        return nullptr;
    };
    for (const docs::Block& block : document.blocks) {
        if (const auto* p = std::get_if<Paragraph>(&block)) {
            if (const auto* f = search(*p)) return f;
        } else {
            for (const auto& row : std::get<Table>(block).rows)
                for (const auto& cell : row.cells)
                    for (const auto& paragraph : cell.paragraphs)
                        if (const auto* f = search(paragraph)) return f;
        }
    }
    ADD_FAILURE() << "no run holds " << text;
    static const docs::CharFormat none;
    return &none;
}

std::string CellText(const Table& table, size_t row, size_t cell) {
    std::string text;
    for (const Paragraph& p : table.rows.at(row).cells.at(cell).paragraphs) {
        if (!text.empty()) text += "|";
        text += Utf8(p.Text());
    }
    return text;
}

// --- Documents written by a word processor --------------------------------------------------

TEST(RtfReaderFiles, WordProcessorArticleKeepsTextRunsAlignmentListAndTable) {
    const RtfDocument doc = Fixture("libreoffice_article.rtf");

    const Paragraph* title = ParagraphStarting(doc, "Памятка о здоровом питании");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->format.alignment, Alignment::Centre);
    EXPECT_TRUE(title->runs.front().format.bold);
    EXPECT_GT(title->runs.front().format.halfPoints, 24);

    EXPECT_TRUE(FormatOf(doc, "полужирным словом")->bold);
    EXPECT_FALSE(FormatOf(doc, "полужирным словом")->italic);
    EXPECT_TRUE(FormatOf(doc, "курсивом")->italic);
    EXPECT_FALSE(FormatOf(doc, "курсивом")->bold);
    EXPECT_TRUE(FormatOf(doc, "подчёркиванием")->underline);
    EXPECT_FALSE(FormatOf(doc, "Обычный абзац")->bold);
    EXPECT_EQ(FormatOf(doc, "Красный текст")->colour, (docs::Rgb{192, 0, 0}));
    EXPECT_FALSE(FormatOf(doc, "и обычный")->colour.has_value());

    EXPECT_EQ(ParagraphStarting(doc, "Абзац по правому краю")->format.alignment, Alignment::Right);
    EXPECT_EQ(ParagraphStarting(doc, "Выровненный по ширине")->format.alignment,
              Alignment::Justify);

    // The list shows its bullets, hanging in front of the indented text.
    const Paragraph* item = ParagraphStarting(doc, "•\tГречка");
    ASSERT_NE(item, nullptr);
    EXPECT_GT(item->format.leftIndent, 0);
    EXPECT_LT(item->format.firstLineIndent, 0);

    const Table* table = FirstTable(doc);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows.size(), 3u);
    EXPECT_EQ(table->Columns(), 2u);
    EXPECT_EQ(CellText(*table, 0, 0), "Продукт");
    EXPECT_EQ(CellText(*table, 1, 1), "200 г");
    EXPECT_EQ(CellText(*table, 2, 1), "1 стакан");
    EXPECT_GT(table->rows[0].cells[1].rightEdge, table->rows[0].cells[0].rightEdge);

    // Nothing of the style sheet, the document information or the list definitions is text.
    const std::string plain = Plain(doc);
    EXPECT_EQ(plain.find("Normal"), std::string::npos);
    EXPECT_EQ(plain.find("Heading"), std::string::npos);
    EXPECT_EQ(plain.find("LibreOffice"), std::string::npos);
    EXPECT_EQ(plain.find('?'), std::string::npos) << "a \\u fallback was shown";
    EXPECT_NE(plain.find("Ёлка, №\u00A05."), std::string::npos);
}

TEST(RtfReaderFiles, WordProcessorPlanKeepsIndentLineBreakAndTableFormatting) {
    const RtfDocument doc = Fixture("libreoffice_plan.rtf");
    EXPECT_EQ(Plain(doc),
              "Календарный план\nДата начала: ^^^^\n"
              "Неделя\nУтро\nВечер\n1-я\nТервил\nВелона\n2-я\nБенвил\nотдых\n"
              "Абзац с отступом слева.\nСтрока один\nСтрока два");
    EXPECT_EQ(ParagraphStarting(doc, "Абзац с отступом")->format.leftIndent, 1134);
    EXPECT_EQ(FormatOf(doc, "Календарный план")->halfPoints, 32);
    EXPECT_TRUE(FormatOf(doc, "Неделя")->bold);
    EXPECT_TRUE(FormatOf(doc, "отдых")->italic);
    EXPECT_FALSE(FormatOf(doc, "Тервил")->bold);
}

TEST(RtfReaderFiles, WindowsCyrillicDocumentWithEscapes) {
    const RtfDocument doc = Fixture("word_cp1251.rtf");
    EXPECT_EQ(Plain(doc),
              "Здоровье и питание\n"
              "Обычный абзац: жирный и курсив, подчёркнутый текст, красный — «кавычки», № 5.\n"
              "•\tПервый пункт\n•\tВторой пункт\n"
              "По правому краю\nвторая строка\tпосле табуляции\n"
              "Препарат\nПриём\nТервил\nутром\nво время еды\n"
              "Конец документа.");
    const Paragraph* title = ParagraphStarting(doc, "Здоровье");
    EXPECT_EQ(title->format.alignment, Alignment::Centre);
    EXPECT_EQ(title->format.spaceAfter, 240);
    EXPECT_EQ(title->runs.front().format.font, "Arial");
    EXPECT_EQ(title->runs.front().format.halfPoints, 32);
    const Paragraph* body = ParagraphStarting(doc, "Обычный");
    EXPECT_EQ(body->format.alignment, Alignment::Justify);
    EXPECT_EQ(body->format.firstLineIndent, 709);
    EXPECT_EQ(body->format.spaceBefore, 120);
    EXPECT_EQ(FormatOf(doc, "Обычный")->font, "Times New Roman");
    EXPECT_TRUE(FormatOf(doc, "жирный")->bold);
    EXPECT_TRUE(FormatOf(doc, "курсив")->italic);
    EXPECT_TRUE(FormatOf(doc, "подчёркнутый")->underline);
    EXPECT_FALSE(FormatOf(doc, " текст")->underline) << "\\ulnone";
    EXPECT_EQ(FormatOf(doc, "красный")->colour, (docs::Rgb{192, 0, 0}));
    EXPECT_EQ(ParagraphStarting(doc, "По правому")->format.alignment, Alignment::Right);

    const Table* table = FirstTable(doc);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(CellText(*table, 1, 1), "утром|во время еды");
    EXPECT_EQ(table->rows[1].cells[1].rightEdge, 5760);
    EXPECT_TRUE(FormatOf(doc, "Препарат")->bold);
}

TEST(RtfReaderFiles, UnescapedBytesAreWindowsCyrillicWhenNoCodePageIsNamed) {
    const std::string text = docs::RtfTextFromFile(ReadFixture("raw_cp1251.rtf"));
    EXPECT_NE(text.find(R"(\'cf\'f0\'e8\'e2\'e5\'f2, \'ec\'e8\'f0!)"), std::string::npos)
        << "unescaped bytes are handed out as escapes";
    const RtfDocument doc = docs::ReadRtf(text);
    EXPECT_EQ(Plain(doc), "Привет, мир!\nСъешь же ещё этих мягких французских булок.");
    EXPECT_TRUE(FormatOf(doc, "Привет")->bold);
    EXPECT_FALSE(FormatOf(doc, "Съешь")->bold);
}

TEST(RtfReaderFiles, BinaryDataByteOrderMarksAndFilesThatAreNotRtf) {
    // \bin data keeps its length (a brace or a high byte in it is no RTF); text after it is read.
    const std::string bin = docs::RtfTextFromFile(std::string("{\\rtf1 a{\\*\\blip\\bin4 ") +
                                                  "\xff}{\\" + "}\xe1\xe2}");
    EXPECT_EQ(Plain(docs::ReadRtf(bin)), "aбв");
    EXPECT_EQ(Plain(docs::ReadRtf(docs::RtfTextFromFile("\xEF\xBB\xBF{\\rtf1 \\'e0}"))), "а");
    EXPECT_EQ(Plain(docs::ReadRtf(docs::RtfTextFromFile("\xcf\xf0\xe8\xe2\xe5\xf2\r\n{\\b}"))),
              "Привет\n{\\b}");
}

TEST(RtfReaderFiles, UnicodeEscapesSkipExactlyTheirFallbacks) {
    const RtfDocument doc = Fixture("unicode_escapes.rtf");
    // \uc1 with "?", \uc0 without, \uc2 with two \'hh, a surrogate pair, \'e9 in code page 1252.
    EXPECT_EQ(Plain(doc), "Привет \nМир\nДа \nЖизнь 😀 café");
    EXPECT_TRUE(FormatOf(doc, "Ж")->bold);
    EXPECT_FALSE(FormatOf(doc, "изнь")->bold);
}

TEST(RtfReaderFiles, WritingADocumentAndReadingItBackGivesTheSameDocument) {
    for (const char* name : {"libreoffice_article.rtf", "libreoffice_plan.rtf", "word_cp1251.rtf",
                             "raw_cp1251.rtf", "unicode_escapes.rtf"}) {
        const RtfDocument doc = Fixture(name);
        const std::string written = docs::WriteRtf(doc);
        EXPECT_TRUE(
            std::all_of(written.begin(), written.end(), [](char c) { return c > 0 && c < 0x7F; }))
            << name << ": written RTF is plain ASCII";
        EXPECT_EQ(docs::ReadRtf(written), doc) << name;
    }
}

TEST(RtfReaderFiles, FontNamesBeyondAsciiSurviveWritingAndReading) {
    // A font named by \u escapes, one with an escaped ";" and one with control bytes in its name.
    const RtfDocument doc = docs::ReadRtf(
        "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl"
        "{\\f1\\fnil\\fcharset0 \\u1058?\\u1080?mes \\u381?\\u381?;}"
        "{\\f2\\fnil\\fcharset204 A\\'3bB;}"
        "{\\f3\\fnil Co\\'01\\'09de;}}"
        "\\f1 one \\f2 two \\f3 three\\par}");
    ASSERT_TRUE(FormatOf(doc, "one"));
    EXPECT_EQ(FormatOf(doc, "one")->font, "Тиmes ŽŽ");
    EXPECT_EQ(FormatOf(doc, "two")->font, "A;B");
    EXPECT_EQ(FormatOf(doc, "three")->font, "Code");
    EXPECT_EQ(docs::ReadRtf(docs::WriteRtf(doc)), doc);
}

// --- The RTF language -------------------------------------------------------------------------

TEST(RtfReader, GroupsScopeCharacterFormattingAndPlainResetsIt) {
    const RtfDocument doc = docs::ReadRtf(R"({\rtf1 a{\b b{\i c}d}e\b f\plain g\i h\i0 i})");
    const Paragraph& p = std::get<Paragraph>(doc.blocks.at(0));
    ASSERT_EQ(p.runs.size(), 9u);
    auto expect = [&](size_t i, const char* text, bool bold, bool italic) {
        EXPECT_EQ(Utf8(p.runs[i].text), text);
        EXPECT_EQ(p.runs[i].format.bold, bold) << text;
        EXPECT_EQ(p.runs[i].format.italic, italic) << text;
    };
    expect(0, "a", false, false);
    expect(1, "b", true, false);
    expect(2, "c", true, true);
    expect(3, "d", true, false);
    expect(4, "e", false, false);
    expect(5, "f", true, false);
    expect(6, "g", false, false);
    expect(7, "h", false, true);
    expect(8, "i", false, false);
}

TEST(RtfReader, ParagraphFormattingEndsWithPard) {
    const RtfDocument doc =
        docs::ReadRtf(R"({\rtf1\qc\li720\sb100 one\par two\par\pard three\par})");
    const auto paragraphs = Paragraphs(doc);
    ASSERT_EQ(paragraphs.size(), 3u);
    EXPECT_EQ(paragraphs[0]->format.alignment, Alignment::Centre);
    EXPECT_EQ(paragraphs[1]->format.alignment, Alignment::Centre);
    EXPECT_EQ(paragraphs[1]->format.leftIndent, 720);
    EXPECT_EQ(paragraphs[2]->format, docs::ParagraphFormat{});
}

TEST(RtfReader, LiteralsSpecialCharactersAndSkippedDestinations) {
    const RtfDocument doc = docs::ReadRtf(
        R"({\rtf1{\fonttbl{\f0 Arial;}}{\*\unknown hidden}{\pict\pngblip 89504e47}{\info{\title T}})"
        R"(a\{b\}c\\d\~e\_f\-g\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote)"
        R"({\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}{\v secret}\'41\'4)");
    EXPECT_EQ(Plain(doc), "a{b}c\\d\u00A0e\u2011fg—–•‘’“”linkA");
}

TEST(RtfReader, TextThatIsNotRtfIsShownAsPlainText) {
    const RtfDocument doc = docs::ReadRtf("Строка 1\r\nСтрока {2}\n\\par");
    EXPECT_EQ(Plain(doc), "Строка 1\nСтрока {2}\n\\par");
    EXPECT_EQ(Plain(docs::ReadRtf("")), "");
    EXPECT_EQ(docs::ReadRtf("").blocks.size(), 1u);
}

TEST(RtfReader, RowsWithFewerCellsAndCellsBeyondTheLimit) {
    std::string rtf = R"({\rtf1\trowd\cellx1000\cellx2000\cellx3000\intbl a\cell b\cell c\cell\row)"
                      R"(\trowd\cellx1000\intbl d\cell\row\pard after\par})";
    RtfDocument doc = docs::ReadRtf(rtf);
    const Table* table = FirstTable(doc);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->Columns(), 3u);
    EXPECT_EQ(table->rows[1].cells.size(), 1u);
    EXPECT_EQ(Plain(doc), "\na\nb\nc\nd\nafter");

    std::string wide = R"({\rtf1\trowd)";
    for (int i = 0; i < 200; ++i) wide += "\\cellx" + std::to_string(100 * (i + 1));
    for (int i = 0; i < 200; ++i) wide += "\\intbl x\\cell";
    wide += "\\row}";
    doc = docs::ReadRtf(wide);
    table = FirstTable(doc);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->Columns(), 63u);
    const std::string plain = Plain(doc);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), 'x'), 200) << "no text is lost";
}

// --- Malformed input: never a crash, never a hang, what can be read is shown -------------------

TEST(RtfReaderMalformed, UnbalancedAndTruncatedTextShowsWhatCanBeRead) {
    EXPECT_EQ(Plain(docs::ReadRtf(R"({\rtf1 Hello {\b world)")), "Hello world");
    EXPECT_TRUE(FormatOf(docs::ReadRtf(R"({\rtf1 Hello {\b world)"), "world")->bold);
    EXPECT_EQ(Plain(docs::ReadRtf(R"({\rtf1 kept} lost)")), "kept");
    EXPECT_EQ(Plain(docs::ReadRtf(R"({\rtf1 a}}}}} b)")), "a");
    for (const char* cut : {R"({\rtf1 abc\)", R"({\rtf1 abc\'c)", R"({\rtf1 abc\'")",
                            R"({\rtf1 abc\u)", R"({\rtf1 abc\u-)", R"({\rtf1 abc\fs)",
                            R"({\rtf1 abc{\*)", R"({\rtf1 abc{\fonttbl{\f0 Ari)",
                            R"({\rtf1 abc\trowd\cellx100\intbl x\cel)", R"({\rtf1 abc\bin5 xy)"}) {
        const std::string plain = Plain(docs::ReadRtf(cut));
        EXPECT_TRUE(plain.starts_with("abc") || plain.starts_with("\nabc"))
            << cut << " -> " << plain;
    }
}

TEST(RtfReaderMalformed, AbsurdNumbersAreBounded) {
    const RtfDocument doc = docs::ReadRtf(
        R"({\rtf1\fs999999999999\li-99999999999999999999\ri99999999999\fi-2147483649\sb999999999999)"
        R"(\cf99999999999\f99999999999\uc99999999999 \u99999999999 x\u-99999999999 y\ansicpg99999999999 z\par})");
    const Paragraph& p = std::get<Paragraph>(doc.blocks.at(0));
    EXPECT_LE(p.runs.at(0).format.halfPoints, 1000);
    EXPECT_GE(p.format.leftIndent, -31680);
    EXPECT_LE(p.format.rightIndent, 31680);
    EXPECT_LE(p.format.spaceBefore, 31680);
    EXPECT_FALSE(p.runs.at(0).format.colour.has_value());
    EXPECT_NE(Plain(doc).find('z'), std::string::npos);
}

TEST(RtfReaderMalformed, VeryDeepNestingIsFlattened) {
    const size_t depth = 100000;
    std::string rtf = "{\\rtf1 a";
    rtf += std::string(depth, '{') + "\\b deep" + std::string(depth, '}') + " b}";
    const RtfDocument doc = docs::ReadRtf(rtf);
    EXPECT_EQ(Plain(doc), "adeep b");
    EXPECT_TRUE(FormatOf(doc, "deep")->bold);
    EXPECT_FALSE(FormatOf(doc, " b")->bold);
    // Never closed at all.
    EXPECT_EQ(Plain(docs::ReadRtf("{\\rtf1 x" + std::string(depth, '{') + "y")), "xy");
}

TEST(RtfReaderMalformed, LengthsAndCountsThatPointPastTheEnd) {
    // Binary data longer than the file, a fallback count larger than the text, a huge escape run.
    EXPECT_EQ(Plain(docs::ReadRtf(R"({\rtf1 a\bin99999999999999 bcd})")), "a");
    EXPECT_EQ(Plain(docs::ReadRtf(R"({\rtf1\uc16 \u1046 abc\par def})")), "Ж\ndef");
    std::string many = R"({\rtf1 )";
    for (int i = 0; i < 100000; ++i) many += "\\par ";
    many += "end}";
    // Compared as a whole: a failure message listing 100,000 lines would be of no use.
    EXPECT_TRUE(Plain(docs::ReadRtf(many)) == std::string(100000, '\n') + "end");
}

TEST(RtfReaderMalformed, BinaryGarbageNeverCrashes) {
    uint32_t seed = 12345;
    auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<char>((seed >> 16) & 0xFF);
    };
    std::string garbage;
    for (int i = 0; i < 1'000'000; ++i) garbage += next();
    // Garbage alone is not RTF; behind an RTF header every byte goes through the RTF reader, and
    // with the RTF language's own characters made frequent it exercises groups and escapes.
    const RtfDocument plain = docs::ReadRtf(docs::RtfTextFromFile(garbage));
    EXPECT_FALSE(plain.blocks.empty());
    std::string rtfish = "{\\rtf1 ";
    const std::string alphabet = "{}\\'u0123456789abcdefghijklmnopqrstuvwxyz-*; \r\n";
    for (int i = 0; i < 1'000'000; ++i) {
        const char c = next();
        rtfish += (c & 1) ? alphabet[static_cast<unsigned char>(c) % alphabet.size()] : c;
    }
    const RtfDocument doc = docs::ReadRtf(docs::RtfTextFromFile(rtfish));
    EXPECT_FALSE(doc.blocks.empty());
    EXPECT_EQ(docs::ReadRtf(docs::WriteRtf(doc)), doc);
}

}  // namespace
