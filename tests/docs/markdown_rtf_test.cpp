#include "docs/markdown_rtf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "base/text_codec.h"
#include "shell/main_menu.h"

namespace {

using docs::MarkdownToRtf;

// Reads back what a viewer shows of a generated document, enough to check it: the text in UTF-8,
// "\n" after each paragraph and table row, "|" after each cell, and [b]..[/b], [i]..[/i] around
// bold and italic runs. The font and colour tables and "\*" destinations are skipped.
std::string Shown(const std::string& rtf) {
    struct Style {
        bool bold = false;
        bool italic = false;
    };
    std::vector<Style> groups{{}};
    Style shown;
    std::string out;
    char32_t highSurrogate = 0;
    const auto sync = [&](Style want) {
        if (shown.italic && !want.italic) out += "[/i]";
        if (shown.bold && !want.bold) out += "[/b]";
        if (!shown.bold && want.bold) out += "[b]";
        if (!shown.italic && want.italic) out += "[i]";
        shown = want;
    };
    const auto put = [&](char32_t c) {
        sync(groups.back());
        base::AppendUtf8(out, c);
    };
    for (size_t i = 0; i < rtf.size();) {
        const char c = rtf[i];
        if (c == '{') {
            const std::string_view rest = std::string_view(rtf).substr(i + 1);
            if (rest.starts_with("\\fonttbl") || rest.starts_with("\\colortbl") ||
                rest.starts_with("\\*")) {
                int depth = 0;
                for (; i < rtf.size(); ++i) {
                    if (rtf[i] == '\\')
                        ++i;
                    else if (rtf[i] == '{')
                        ++depth;
                    else if (rtf[i] == '}' && --depth == 0)
                        break;
                }
                ++i;
                continue;
            }
            groups.push_back(groups.back());
            ++i;
        } else if (c == '}') {
            if (groups.size() > 1) groups.pop_back();
            ++i;
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else if (c != '\\') {
            put(static_cast<unsigned char>(c));
            ++i;
        } else if (i + 1 < rtf.size() &&
                   (rtf[i + 1] == '\\' || rtf[i + 1] == '{' || rtf[i + 1] == '}')) {
            put(static_cast<unsigned char>(rtf[i + 1]));
            i += 2;
        } else if (i + 3 < rtf.size() && rtf[i + 1] == '\'') {
            put(base::Cp1251Char(
                static_cast<unsigned char>(std::stoi(rtf.substr(i + 2, 2), nullptr, 16))));
            i += 4;
        } else {
            size_t j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
            const std::string word = rtf.substr(i + 1, j - i - 1);
            size_t k = j;
            if (k < rtf.size() && rtf[k] == '-') ++k;
            while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k]))) ++k;
            const bool hasParam = k > j;
            const long param = hasParam ? std::stol(rtf.substr(j, k - j)) : 1;
            if (k < rtf.size() && rtf[k] == ' ') ++k;
            i = k;
            if (word == "par" || word == "row") {
                sync({});
                out += "\n";
            } else if (word == "cell") {
                sync({});
                out += "|";
            } else if (word == "tab") {
                put(U'\t');
            } else if (word == "b") {
                groups.back().bold = param != 0;
            } else if (word == "i") {
                groups.back().italic = param != 0;
            } else if (word == "plain") {
                groups.back() = {};
            } else if (word == "u") {
                const char32_t unit = static_cast<char32_t>(param < 0 ? param + 65536 : param);
                if (unit >= 0xD800 && unit < 0xDC00) {
                    highSurrogate = unit;
                } else if (unit >= 0xDC00 && unit < 0xE000) {
                    put(0x10000 + ((highSurrogate - 0xD800) << 10) + (unit - 0xDC00));
                } else {
                    put(unit);
                }
                ++i;  // the "?" shown by readers without Unicode
            }
        }
    }
    sync({});
    return out;
}

std::string Convert(const std::string& source) { return Shown(MarkdownToRtf(source)); }

// The control words that open the paragraph holding `text` (from its "\pard" on).
std::string FormatOf(const std::string& rtf, const std::string& text) {
    const size_t at = rtf.find(text);
    if (at == std::string::npos) return "(text not found)";
    const size_t start = rtf.rfind("\\pard", at);
    return start == std::string::npos ? "" : rtf.substr(start, at - start);
}

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
    // The program finds a placeholder in the RTF text as its escaped form, so nothing may come
    // between the letters.
    const std::string rtf = MarkdownToRtf(source);
    EXPECT_NE(rtf.find("\\'ff\\'ff\\'ff\\'ff\\'ff\\'ff,"), std::string::npos);
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
    const std::string title = FormatOf(rtf, "\\'c1\\'ee\\'eb\\'fc\\'f8\\'ee\\'e9");
    EXPECT_NE(title.find("\\qc"), std::string::npos) << title;
    EXPECT_NE(title.find("\\fs36"), std::string::npos) << title;
    const std::string heading = FormatOf(rtf, "\\'d0\\'e0\\'e7\\'e4\\'e5\\'eb");
    EXPECT_EQ(heading.find("\\qc"), std::string::npos) << heading;
    EXPECT_NE(heading.find("\\fs28"), std::string::npos) << heading;
    EXPECT_NE(FormatOf(rtf, "\\'cf\\'ee \\'f6\\'e5\\'ed\\'f2\\'f0\\'f3").find("\\qc"),
              std::string::npos);
    EXPECT_EQ(FormatOf(rtf, "\\'cf\\'ee\\'f1\\'eb\\'e5").find("\\qc"), std::string::npos);
    EXPECT_NE(FormatOf(rtf, "\\'e2\\'f2\\'ee\\'f0\\'ee\\'e9").find("\\li"), std::string::npos);

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
    // Three rows, each of two cells with their right edges; the last edge is the text width.
    auto count = [&](const std::string& word) {
        size_t n = 0;
        for (size_t at = rtf.find(word); at != std::string::npos; at = rtf.find(word, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("\\trowd"), 3u);
    EXPECT_EQ(count("\\row"), 3u);
    EXPECT_EQ(count("\\cellx"), 6u);
    EXPECT_EQ(count("\\cellx9638"), 3u);
    EXPECT_EQ(count("\\intbl"), 3u);
    // The paragraph after the table is no longer in it.
    EXPECT_EQ(FormatOf(rtf, "\\'cf\\'ee\\'f1\\'eb\\'e5").find("\\intbl"), std::string::npos);

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
