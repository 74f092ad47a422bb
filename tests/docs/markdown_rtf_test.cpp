#include "docs/markdown_rtf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "base/text_codec.h"
#include "docs/rich_text.h"
#include "docs/rtf_document.h"
#include "docs/rtf_escape.h"
#include "docs/rtf_reader.h"
#include "shell/main_menu.h"

namespace {

using docs::MarkdownToRtf;

// Reads a generated document back with the program's own reader, as the viewer does, and writes
// down what it shows: the text in UTF-8, "\n" after each paragraph and table row, "|" after each
// cell, and [b]..[/b], [i]..[/i] around bold and italic runs.
std::string Shown(const std::string& rtf) {
    const docs::RtfDocument document = docs::ReadRtf(docs::RtfTextFromFile(rtf));
    std::string out;
    const auto paragraph = [&out](const docs::Paragraph& p) {
        bool bold = false;
        bool italic = false;
        const auto sync = [&](bool b, bool i) {
            if (italic && !i) out += "[/i]";
            if (bold && !b) out += "[/b]";
            if (!bold && b) out += "[b]";
            if (!italic && i) out += "[i]";
            bold = b;
            italic = i;
        };
        for (const docs::Run& run : p.runs) {
            sync(run.format.bold, run.format.italic);
            out += base::EncodeUtf8(run.text);
        }
        sync(false, false);
    };
    for (const docs::Block& block : document.blocks) {
        if (const auto* p = std::get_if<docs::Paragraph>(&block)) {
            if (p->Text().empty()) continue;  // the reader's own padding around tables
            paragraph(*p);
            out += "\n";
            continue;
        }
        for (const docs::TableRow& row : std::get<docs::Table>(block).rows) {
            for (const docs::TableCell& cell : row.cells) {
                for (const docs::Paragraph& p : cell.paragraphs) paragraph(p);
                out += "|";
            }
            out += "\n";
        }
    }
    return out;
}

// The format of the paragraph whose text starts with `start`, as the reader sees it.
struct Shape {
    docs::ParagraphFormat paragraph;
    docs::CharFormat text;
};
Shape ShapeOf(const std::string& rtf, const std::string& start) {
    const docs::RtfDocument document = docs::ReadRtf(docs::RtfTextFromFile(rtf));
    for (const docs::Block& block : document.blocks) {
        const auto* p = std::get_if<docs::Paragraph>(&block);
        if (p && !p->runs.empty() && base::EncodeUtf8(p->Text()).starts_with(start)) {
            return {p->format, p->runs.front().format};
        }
    }
    ADD_FAILURE() << "no paragraph starts with " << start;
    return {};
}

std::string Convert(const std::string& source) { return Shown(MarkdownToRtf(source)); }

TEST(MarkdownToRtf, WritesAWholeWindows1251DocumentInPlainAscii) {
    const std::string rtf = MarkdownToRtf("# Заголовок\n\nТекст «в кавычках» — №1.\n");
    EXPECT_TRUE(rtf.starts_with(
        "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}"));
    EXPECT_TRUE(rtf.ends_with("}"));
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0 && c < 0x7f; }));
    EXPECT_NE(rtf.find("\\fs24"), std::string::npos);  // 12 pt body text
    EXPECT_EQ(Shown(rtf), "[b]Заголовок[/b]\nТекст «в кавычках» — №1.\n");

    const std::string empty = MarkdownToRtf("");
    EXPECT_TRUE(empty.starts_with("{\\rtf1"));
    EXPECT_TRUE(empty.ends_with("}"));
    EXPECT_EQ(Shown(empty), "");
}

TEST(MarkdownToRtf, EscapesWhatRtfWouldReadAsMarkupAndEncodesEveryLetter) {
    const std::string rtf = MarkdownToRtf("{скобки} и \\ обратная черта");
    EXPECT_NE(rtf.find("\\{\\'f1\\'ea\\'ee\\'e1\\'ea\\'e8\\} \\'e8 \\\\ "), std::string::npos);
    EXPECT_EQ(Convert("{скобки} и \\ обратная черта"), "{скобки} и \\ обратная черта\n");

    // Windows-1251 letters as \'hh in lower case; the rest as \uN? with UTF-16 units.
    EXPECT_NE(MarkdownToRtf("Ёж").find("\\'a8\\'e6"), std::string::npos);
    EXPECT_NE(MarkdownToRtf("☺").find("\\u9786?"), std::string::npos);
    EXPECT_NE(MarkdownToRtf("\xF0\x9F\x98\x80").find("\\u-10179?\\u-8704?"), std::string::npos);
    EXPECT_EQ(Convert("é ☺ \xF0\x9F\x98\x80 ≈"), "é ☺ \xF0\x9F\x98\x80 ≈\n");
    EXPECT_EQ(Convert("a\tb"), "a\tb\n");
}

TEST(MarkdownToRtf, KeepsMarkersAndPlaceholdersExactlyAsWritten) {
    const std::string source =
        ">> РЕЦЕПТ ^^12 ^\n"
        "\n"
        "Пациент: яяяяяя, возраст ^^^^ лет.\n"
        "Дата: dd.mm.yy, код DDDDDD.\n"
        "\n"
        "- Принимать **^^12 ^** раз в день\n"
        "\n"
        "| Препарат | Доза |\n"
        "|---|---|\n"
        "| яяяяяя | ^^^^ |\n";
    EXPECT_EQ(Convert(source),
              "РЕЦЕПТ ^^12 ^\n"
              "Пациент: яяяяяя, возраст ^^^^ лет. Дата: dd.mm.yy, код DDDDDD.\n"
              "•\tПринимать [b]^^12 ^[/b] раз в день\n"
              "[b]Препарат[/b]|[b]Доза[/b]|\n"
              "яяяяяя|^^^^|\n");
    // The screens that fill a template find a placeholder in the viewer's RTF text by its escaped
    // form, so nothing may come between the letters; and in the plain text by itself.
    const std::string rtf = MarkdownToRtf(source);
    docs::RichText viewer;
    viewer.SetRtfText(docs::RtfTextFromFile(rtf));
    EXPECT_NE(viewer.RtfText().find(docs::RtfEscape("яяяяяя,")), std::string::npos);
    EXPECT_GT(viewer.Find("яяяяяя"), 0);
    EXPECT_EQ(viewer.Find("^^12 ^"), 7);  // after "РЕЦЕПТ "
    EXPECT_NE(rtf.find(" dd.mm.yy, "), std::string::npos);
    EXPECT_NE(rtf.find(" DDDDDD."), std::string::npos);
    EXPECT_NE(rtf.find(" ^^^^ "), std::string::npos);
    EXPECT_NE(rtf.find("^^12 ^\\par"), std::string::npos);
}

TEST(MarkdownToRtf, JoinsTheLinesOfAParagraphAndSplitsAtBlankLines) {
    EXPECT_EQ(Convert("первая строка\nвторая строка  \nтретья\n\n\n   \nновый абзац"),
              "первая строка вторая строка третья\nновый абзац\n");
    // Windows line ends and a byte-order mark change nothing.
    EXPECT_EQ(Convert("\xEF\xBB\xBFстрока\r\nещё\r\n\r\nабзац\r\n"), "строка ещё\nабзац\n");
    // Leading blanks are text like any other.
    EXPECT_EQ(Convert("  отступ"), "  отступ\n");
}

TEST(MarkdownToRtf, FormatsTitleHeadingsCentredLinesAndBullets) {
    const std::string rtf = MarkdownToRtf(
        "# Большой заголовок\n"
        "## Раздел\n"
        "Текст раздела.\n"
        ">> По центру\n"
        "- первый пункт\n"
        "  продолжение пункта\n"
        "- второй пункт\n"
        "\n"
        "После списка.\n");
    EXPECT_EQ(Shown(rtf),
              "[b]Большой заголовок[/b]\n"
              "[b]Раздел[/b]\n"
              "Текст раздела.\n"
              "По центру\n"
              "•\tпервый пункт продолжение пункта\n"
              "•\tвторой пункт\n"
              "После списка.\n");
    const Shape title = ShapeOf(rtf, "Большой");
    EXPECT_EQ(title.paragraph.alignment, docs::Alignment::Centre);
    EXPECT_EQ(title.text.halfPoints, 36);
    const Shape heading = ShapeOf(rtf, "Раздел");
    EXPECT_EQ(heading.paragraph.alignment, docs::Alignment::Left);
    EXPECT_EQ(heading.text.halfPoints, 28);
    EXPECT_EQ(ShapeOf(rtf, "Текст").text.halfPoints, 24);
    EXPECT_EQ(ShapeOf(rtf, "По центру").paragraph.alignment, docs::Alignment::Centre);
    EXPECT_EQ(ShapeOf(rtf, "После").paragraph.alignment, docs::Alignment::Left);
    // A bullet hangs out of its indented item.
    const Shape item = ShapeOf(rtf, "•\tвторой");
    EXPECT_GT(item.paragraph.leftIndent, 0);
    EXPECT_LT(item.paragraph.firstLineIndent, 0);

    // Without the blank the marks are text.
    EXPECT_EQ(Convert("#Хэштег\n-тире\n>>стрелки\n### три"), "#Хэштег -тире >>стрелки ### три\n");
}

TEST(MarkdownToRtf, MakesBoldAndItalicRunsOnlyFromPairedMarks) {
    EXPECT_EQ(Convert("**жирный** и *курсив*, ***оба***"),
              "[b]жирный[/b] и [i]курсив[/i], [b][i]оба[/i][/b]\n");
    EXPECT_EQ(Convert("**через\nстроку**"), "[b]через строку[/b]\n");
    // Marks that do not pair, or stand between blanks, are text.
    EXPECT_EQ(Convert("2 * 3 = 6, a ** b, *не закрыт"), "2 * 3 = 6, a ** b, *не закрыт\n");
    EXPECT_EQ(Convert("**"), "**\n");
    // Escaped marks and backslashes; any other backslash stays as written.
    EXPECT_EQ(Convert("\\*звёздочка\\* и \\\\ и C:\\Doc\\x"), "*звёздочка* и \\ и C:\\Doc\\x\n");
    EXPECT_EQ(Convert("\\\\*курсив*"), "\\[i]курсив[/i]\n");
    // Emphasis never leaks into the next paragraph.
    EXPECT_EQ(Convert("**один**\n\nдва"), "[b]один[/b]\nдва\n");
}

TEST(MarkdownToRtf, ALongRunOfMarksWithoutClosersStaysText) {
    // Every mark could open and none can close: each used to look for a closer to the end, so
    // this run took minutes (now a blink; the fuzz target keeps such inputs coming).
    std::string marks;
    for (int i = 0; i < 60000; ++i) marks += " *x";
    const std::string rtf = docs::MarkdownToRtf(marks);
    EXPECT_NE(rtf.find("*x *x"), std::string::npos);
}

TEST(MarkdownToRtf, ControlCharactersIncludingDeleteNeverReachTheDocument) {
    const std::string rtf = docs::MarkdownToRtf(
        "a\x7F"
        "b\x01"
        "c\td");
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) {
        return c >= 0x20 || c == '\n' || c == '\r';
    })) << rtf;
    EXPECT_EQ(rtf.find('\x7F'), std::string::npos);
    EXPECT_NE(rtf.find("abc"), std::string::npos);
}

TEST(MarkdownToRtf, MakesRealTablesWithAnOptionalBoldHeader) {
    const std::string rtf = MarkdownToRtf(
        "Перед таблицей.\n"
        "| Линия | Назначение |\n"
        "| :--- | ---: |\n"
        "| Соли | ванны \\| обертывания |\n"
        "| Грязи |\n"
        "После таблицы.\n");
    EXPECT_EQ(Shown(rtf),
              "Перед таблицей.\n"
              "[b]Линия[/b]|[b]Назначение[/b]|\n"
              "Соли|ванны | обертывания|\n"
              "Грязи||\n"
              "После таблицы.\n");
    // Three rows of two cells; the last cell ends at the text width (A4 less 2 cm margins).
    const docs::RtfDocument document = docs::ReadRtf(docs::RtfTextFromFile(rtf));
    const auto table =
        std::find_if(document.blocks.begin(), document.blocks.end(),
                     [](const docs::Block& b) { return std::holds_alternative<docs::Table>(b); });
    ASSERT_NE(table, document.blocks.end());
    for (const docs::TableRow& row : std::get<docs::Table>(*table).rows) {
        ASSERT_EQ(row.cells.size(), 2u);
        EXPECT_GT(row.cells[0].rightEdge, 0);
        EXPECT_EQ(row.cells[1].rightEdge, 9638);
    }

    // A column of short words beside a column of long sentences still holds its words whole:
    // "Неделя" in 11 pt bold needs about 6 x 120 twips besides the cell's margins.
    const std::string narrow =
        MarkdownToRtf("| Неделя | " + std::string(30, 'x') + " " + std::string(300, 'y') + " |");
    const size_t edge = narrow.find("\\cellx") + 6;
    EXPECT_GE(std::stoi(narrow.substr(edge)), 6 * 120 + 2 * 108);

    // Without the dashes the first row is an ordinary row; dashes elsewhere are text.
    EXPECT_EQ(Convert("| а | б |\n| в | г |\n|---|---|"), "а|б|\nв|г|\n---|---|\n");
}

TEST(SourceProblem, NamesTheLineOfTextThatIsNotUtf8) {
    EXPECT_EQ(docs::SourceProblem("# Заголовок\n\nТекст «ёж» 😀\n"), "");
    EXPECT_EQ(docs::SourceProblem("строка\nвторая\n\xCC\xE8\xF0\n"),
              "line 3: the text is not UTF-8");
    EXPECT_EQ(docs::SourceProblem("\xC0\x80"), "line 1: the text is not UTF-8");      // overlong
    EXPECT_EQ(docs::SourceProblem("\xED\xA0\x80"), "line 1: the text is not UTF-8");  // surrogate
    EXPECT_EQ(docs::SourceProblem("конец\n\xD0"), "line 2: the text is not UTF-8");   // cut short
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

TEST(DocumentSources, EveryDocumentConvertsWithItsTitleAndWholeText) {
    size_t documents = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZORVEK_DOC_SOURCE_DIR)) {
        if (entry.path().extension() != ".md") continue;
        ++documents;
        SCOPED_TRACE(entry.path().filename().string());
        const std::string source = ReadFile(entry.path());
        ASSERT_EQ(docs::SourceProblem(source), "");
        const std::string rtf = MarkdownToRtf(source);
        // Plain ASCII with balanced groups.
        int depth = 0;
        for (size_t i = 0; i < rtf.size(); ++i) {
            ASSERT_TRUE(rtf[i] > 0 && rtf[i] < 0x7f) << "byte " << i;
            if (rtf[i] == '\\') {
                ++i;
            } else if (rtf[i] == '{') {
                ++depth;
            } else if (rtf[i] == '}') {
                ASSERT_GT(depth--, 0) << "byte " << i;
            }
        }
        EXPECT_EQ(depth, 0);
        // It opens with its title, and every letter of the source reaches the reader.
        const std::string shown = Shown(rtf);
        ASSERT_TRUE(source.starts_with("# "));
        const std::string title = source.substr(2, source.find('\n') - 2);
        EXPECT_TRUE(shown.starts_with("[b]" + title + "[/b]\n")) << shown.substr(0, 200);
        size_t sourceLetters = 0;
        size_t shownLetters = 0;
        for (char32_t c : base::DecodeUtf8(source)) sourceLetters += c >= 0x0400 && c <= 0x04FF;
        for (char32_t c : base::DecodeUtf8(shown)) shownLetters += c >= 0x0400 && c <= 0x04FF;
        EXPECT_EQ(shownLetters, sourceLetters);
    }
    EXPECT_GE(documents, 13u);
}

TEST(DocumentSources, EveryDocumentOfTheInformationMenuHasItsSource) {
    std::vector<std::string> sources;
    for (const auto& entry : std::filesystem::directory_iterator(ZORVEK_DOC_SOURCE_DIR)) {
        sources.push_back(Lower(entry.path().filename().string()));
    }
    std::function<void(const std::vector<shell::MenuEntry>&)> check = [&](const auto& entries) {
        for (const shell::MenuEntry& entry : entries) {
            if (!entry.document.empty()) {
                // "\DOC\ZRV-r-1-1-1.rtf" is made from "ZRV-r-1-1-1.md".
                std::string name = entry.document.substr(entry.document.rfind('\\') + 1);
                name = Lower(name.substr(0, name.size() - 4) + ".md");
                EXPECT_NE(std::find(sources.begin(), sources.end(), name), sources.end())
                    << entry.name;
            }
            check(entry.children);
        }
    };
    check(shell::MainMenu());
}

}  // namespace
