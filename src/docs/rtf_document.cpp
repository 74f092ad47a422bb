#include "docs/rtf_document.h"

#include <algorithm>

#include "base/text_codec.h"

namespace docs {

std::u32string Paragraph::Text() const {
    std::u32string text;
    for (const Run& run : runs) text += run.text;
    return text;
}

size_t Paragraph::Length() const {
    size_t length = 0;
    for (const Run& run : runs) length += run.text.size();
    return length;
}

size_t Table::Columns() const {
    size_t columns = 0;
    for (const TableRow& row : rows) columns = std::max(columns, row.cells.size());
    return columns;
}

void AppendText(Paragraph& paragraph, std::u32string_view text, const CharFormat& format) {
    if (text.empty()) return;
    if (!paragraph.runs.empty() && paragraph.runs.back().format == format) {
        paragraph.runs.back().text += text;
    } else {
        paragraph.runs.push_back({std::u32string(text), format});
    }
}

namespace {

void TidyRuns(Paragraph& paragraph) {
    std::vector<Run> runs;
    for (Run& run : paragraph.runs) {
        if (run.text.empty()) continue;
        if (!runs.empty() && runs.back().format == run.format) {
            runs.back().text += run.text;
        } else {
            runs.push_back(std::move(run));
        }
    }
    paragraph.runs = std::move(runs);
}

void TidyTable(Table& table) {
    std::erase_if(table.rows, [](const TableRow& row) { return row.cells.empty(); });
    for (TableRow& row : table.rows) {
        for (TableCell& cell : row.cells) {
            if (cell.paragraphs.empty()) cell.paragraphs.emplace_back();
            for (Paragraph& paragraph : cell.paragraphs) TidyRuns(paragraph);
        }
    }
}

}  // namespace

void RtfDocument::Normalise() {
    std::vector<Block> tidy;
    for (Block& block : blocks) {
        if (auto* table = std::get_if<Table>(&block)) {
            TidyTable(*table);
            if (table->rows.empty()) continue;
            // A table always follows a paragraph.
            if (tidy.empty() || std::holds_alternative<Table>(tidy.back()))
                tidy.emplace_back(Paragraph{});
        } else {
            TidyRuns(std::get<Paragraph>(block));
        }
        tidy.push_back(std::move(block));
    }
    if (tidy.empty() || std::holds_alternative<Table>(tidy.back())) tidy.emplace_back(Paragraph{});
    blocks = std::move(tidy);
}

namespace {

void AppendParagraphs(std::u32string& out, const std::vector<Paragraph>& paragraphs) {
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) out += U'\n';
        out += paragraphs[i].Text();
    }
}

}  // namespace

std::u32string PlainText(const RtfDocument& document) {
    std::u32string out;
    bool afterParagraph = false;
    for (const Block& block : document.blocks) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            if (afterParagraph) out += U'\n';
            out += paragraph->Text();
            afterParagraph = true;
        } else {
            for (const TableRow& row : std::get<Table>(block).rows) {
                for (const TableCell& cell : row.cells) {
                    out += U'\n';
                    AppendParagraphs(out, cell.paragraphs);
                }
            }
            out += U'\n';
            afterParagraph = false;
        }
    }
    return out;
}

char32_t RunChar(char32_t c) {
    if (c == U'\t' || c == U'\n') return c;
    if (c == 0x2028 || c == 0x2029) return U'\n';
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return 0;
    if (c >= 0xD800 && c < 0xE000) return 0;
    if ((c >= 0xFDD0 && c <= 0xFDEF) || c == 0xFFFC || c == 0xFFFE || c == 0xFFFF) return 0;
    if (c > 0x10FFFF) return 0;
    return c;
}

char32_t CodePageChar(int codePage, unsigned char byte) {
    if (codePage == 1251) return base::Cp1251Char(byte);
    // Windows-1252: 0x80..0x9F hold the typographic characters, the rest is Latin-1.
    static constexpr char32_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    if (byte >= 0x80 && byte < 0xA0) return kHigh[byte - 0x80];
    return byte;
}

}  // namespace docs
