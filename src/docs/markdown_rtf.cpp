#include "docs/markdown_rtf.h"

#include <algorithm>
#include <vector>

#include "base/text_codec.h"

namespace docs {
namespace {

using Text = std::u32string;
using TextView = std::u32string_view;

// A4 paper (11906 x 16838 twips) with 2 cm (1134 twips) margins; the width of the text, and so of
// a table, in twips.
constexpr int kTextWidth = 11906 - 2 * 1134;

constexpr char kHeader[] =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}\r\n"
    "{\\colortbl;\\red31\\green78\\blue95;}\r\n"
    "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\\deflang1049\\viewkind4"
    "\\uc1\r\n";

// Paragraph formats (each follows "\\pard\\plain"): body 12 pt, tables 11 pt, headings 14 pt and
// the title 18 pt, the headings in the dark sea-green of colour 1.
constexpr char kTitle[] = "\\qc\\sb120\\sa240\\keepn\\f0\\fs36\\b\\cf1 ";
constexpr char kHeading[] = "\\sb240\\sa120\\keepn\\f0\\fs28\\b\\cf1 ";
constexpr char kBody[] = "\\sa120\\f0\\fs24 ";
constexpr char kCentred[] = "\\qc\\sa120\\f0\\fs24 ";
constexpr char kItem[] = "\\fi-284\\li567\\sa60\\tx567\\f0\\fs24 \\'95\\tab ";
constexpr char kCellBorders[] =
    "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
    "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
constexpr char kCellText[] = "\\pard\\plain\\intbl\\f0\\fs22 ";

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t'; }

TextView TrimEnd(TextView s) {
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

TextView Trim(TextView s) {
    s = TrimEnd(s);
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}

bool StartsWith(TextView s, TextView prefix) { return s.substr(0, prefix.size()) == prefix; }

// One character of text. RTF's own characters are escaped, Windows-1251 letters become \'hh and
// anything else \uN? (UTF-16 units as signed 16-bit numbers, "?" for readers without Unicode).
void AppendChar(std::string& out, char32_t c) {
    static constexpr char kHex[] = "0123456789abcdef";
    if (c == U'\\' || c == U'{' || c == U'}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c == U'\t') {
        out += "\\tab ";
    } else if (c < 0x20 || c == 0x7F) {
        // Other control characters (DEL too) have nothing to show; line ends are handled by the
        // blocks.
    } else if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (const int code = base::Cp1251Code(c); code >= 0) {
        out += "\\'";
        out += kHex[code >> 4];
        out += kHex[code & 15];
    } else {
        const auto unit = [&out](long value) {
            if (value > 32767) value -= 65536;
            out += "\\u" + std::to_string(value) + "?";
        };
        if (c > 0xFFFF) {
            const char32_t offset = c - 0x10000;
            unit(0xD800 + (offset >> 10));
            unit(0xDC00 + (offset & 0x3FF));
        } else {
            unit(static_cast<long>(c));
        }
    }
}

void AppendText(std::string& out, TextView text) {
    for (char32_t c : text) AppendChar(out, c);
}

// Inline text: runs of literal text and the emphasis marks "**" (bold) and "*" (italic). A mark
// opens only before a non-blank and when a closing mark follows, and closes only after a
// non-blank, so "2 * 3" or a lone "**" stay as written.
struct Piece {
    enum Kind { kText, kBold, kItalic } kind;
    Text text;
    bool canOpen = false;
    bool canClose = false;
};

std::vector<Piece> SplitPieces(TextView s) {
    std::vector<Piece> pieces;
    Text run;
    const auto flush = [&] {
        if (!run.empty()) pieces.push_back({Piece::kText, std::move(run)});
        run.clear();
    };
    for (size_t i = 0; i < s.size();) {
        if (s[i] == U'\\' && i + 1 < s.size() && (s[i + 1] == U'*' || s[i + 1] == U'\\')) {
            run += s[i + 1];
            i += 2;
        } else if (s[i] == U'*') {
            const size_t length = i + 1 < s.size() && s[i + 1] == U'*' ? 2 : 1;
            flush();
            Piece mark{length == 2 ? Piece::kBold : Piece::kItalic, Text(length, U'*')};
            mark.canOpen = i + length < s.size() && !IsBlank(s[i + length]);
            mark.canClose = i > 0 && !IsBlank(s[i - 1]);
            pieces.push_back(std::move(mark));
            i += length;
        } else {
            run += s[i++];
        }
    }
    flush();
    return pieces;
}

void AppendInline(std::string& out, TextView s) {
    const std::vector<Piece> pieces = SplitPieces(s);
    // Where the last mark of each kind that can close stands: a closer follows piece i when it
    // stands after i (found once, so a long run of marks costs no more than its length).
    size_t lastCloser[3] = {0, 0, 0};
    bool anyCloser[3] = {false, false, false};
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].kind != Piece::kText && pieces[i].canClose) {
            lastCloser[pieces[i].kind] = i;
            anyCloser[pieces[i].kind] = true;
        }
    }
    bool bold = false;
    bool italic = false;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const Piece& piece = pieces[i];
        if (piece.kind == Piece::kText) {
            AppendText(out, piece.text);
            continue;
        }
        bool& on = piece.kind == Piece::kBold ? bold : italic;
        const char* word = piece.kind == Piece::kBold ? "\\b" : "\\i";
        const auto closerFollows = [&] {
            return anyCloser[piece.kind] && lastCloser[piece.kind] > i;
        };
        if (on && piece.canClose) {
            out += word;
            out += "0 ";
            on = false;
        } else if (!on && piece.canOpen && closerFollows()) {
            out += word;
            out += ' ';
            on = true;
        } else {
            AppendText(out, piece.text);
        }
    }
}

// The blocks of a source.
struct Block {
    enum Kind { kTitle, kHeading, kParagraph, kCentred, kItem, kTable } kind;
    Text text;
    std::vector<std::vector<Text>> rows;  // a table's cells, row by row
    bool headerRow = false;               // the first row of a table is its bold header
};

// The cells of a table row "| a | b |": split at "|" ("\|" is a "|" inside a cell), each cell
// trimmed; the empty rest after a closing "|" is no cell.
std::vector<Text> SplitRow(TextView line) {
    std::vector<Text> cells;
    Text cell;
    for (size_t i = 1; i < line.size(); ++i) {
        if (line[i] == U'\\' && i + 1 < line.size() &&
            (line[i + 1] == U'|' || line[i + 1] == U'\\')) {
            if (line[i + 1] == U'\\') cell += U'\\';
            cell += line[i + 1];
            ++i;
        } else if (line[i] == U'|') {
            cells.emplace_back(Trim(cell));
            cell.clear();
        } else {
            cell += line[i];
        }
    }
    if (!Trim(cell).empty()) cells.emplace_back(Trim(cell));
    return cells;
}

// "|---|:---:|": the line under a table's first row that makes it a header.
bool IsSeparatorRow(const std::vector<Text>& cells) {
    if (cells.empty()) return false;
    return std::all_of(cells.begin(), cells.end(), [](const Text& cell) {
        return cell.find(U'-') != Text::npos &&
               std::all_of(cell.begin(), cell.end(),
                           [](char32_t c) { return c == U'-' || c == U':'; });
    });
}

std::vector<Block> ParseBlocks(TextView source) {
    std::vector<Block> blocks;
    // The block that a following plain line continues (a paragraph or a bulleted item), if any.
    bool continuable = false;
    bool tableOpen = false;
    size_t start = 0;
    while (start <= source.size()) {
        size_t end = source.find(U'\n', start);
        if (end == TextView::npos) end = source.size();
        TextView line = source.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == U'\r') line.remove_suffix(1);
        line = TrimEnd(line);

        const bool tableRow = !line.empty() && line.front() == U'|';
        if (!tableRow) tableOpen = false;
        if (line.empty() || std::all_of(line.begin(), line.end(), IsBlank)) {
            continuable = false;
            continue;
        }
        if (tableRow) {
            std::vector<Text> cells = SplitRow(line);
            if (!tableOpen) {
                blocks.push_back({Block::kTable, {}, {}, false});
                tableOpen = true;
            }
            Block& table = blocks.back();
            if (table.rows.size() == 1 && !table.headerRow && IsSeparatorRow(cells)) {
                table.headerRow = true;
            } else {
                table.rows.push_back(std::move(cells));
            }
            continuable = false;
        } else if (StartsWith(line, U"# ")) {
            blocks.push_back({Block::kTitle, Text(Trim(line.substr(2))), {}, false});
            continuable = false;
        } else if (StartsWith(line, U"## ")) {
            blocks.push_back({Block::kHeading, Text(Trim(line.substr(3))), {}, false});
            continuable = false;
        } else if (StartsWith(line, U">> ")) {
            blocks.push_back({Block::kCentred, Text(line.substr(3)), {}, false});
            continuable = false;
        } else if (StartsWith(line, U"- ")) {
            blocks.push_back({Block::kItem, Text(line.substr(2)), {}, false});
            continuable = true;
        } else if (continuable) {
            // The indentation of a continued line is layout of the source, not text.
            blocks.back().text += U' ';
            blocks.back().text += Trim(line);
        } else {
            blocks.push_back({Block::kParagraph, Text(line), {}, false});
            continuable = true;
        }
    }
    return blocks;
}

// Column widths. Each column first gets room for its longest word (a word is never broken in
// two), then the rest of the width is shared by the length of the cells, within limits, so that
// a column of short numbers does not take as much room as a column of sentences.
std::vector<int> CellEdges(const Block& table, size_t columns) {
    constexpr long long kCharWidth = 120;  // an average letter of 11 pt bold Arial, in twips
    constexpr long long kCellPadding = 2 * 108 + 60;
    std::vector<long long> least(columns, 3 * kCharWidth + kCellPadding);
    std::vector<long long> weights(columns, 4);
    for (const auto& row : table.rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            size_t longestWord = 0;
            size_t word = 0;
            for (char32_t ch : row[c]) {
                word = IsBlank(ch) ? 0 : word + 1;
                longestWord = std::max(longestWord, word);
            }
            // A "word" longer than that (a line of underscores to write on) breaks anyway.
            longestWord = std::min<size_t>(longestWord, 20);
            least[c] =
                std::max(least[c], static_cast<long long>(longestWord) * kCharWidth + kCellPadding);
            weights[c] =
                std::max(weights[c], static_cast<long long>(std::min<size_t>(row[c].size(), 40)));
        }
    }
    long long leastTotal = 0;
    long long weightTotal = 0;
    for (size_t c = 0; c < columns; ++c) {
        leastTotal += least[c];
        weightTotal += weights[c];
    }
    std::vector<long long> widths(columns);
    for (size_t c = 0; c < columns; ++c) {
        widths[c] = leastTotal >= kTextWidth
                        ? least[c] * kTextWidth / leastTotal
                        : least[c] + (kTextWidth - leastTotal) * weights[c] / weightTotal;
    }
    std::vector<int> edges;
    long long edge = 0;
    for (size_t c = 0; c < columns; ++c) {
        edge += widths[c];
        edges.push_back(static_cast<int>(c + 1 == columns ? kTextWidth : edge));
    }
    return edges;
}

void AppendTable(std::string& out, const Block& table) {
    size_t columns = 0;
    for (const auto& row : table.rows) columns = std::max(columns, row.size());
    if (columns == 0) columns = 1;
    const std::vector<int> edges = CellEdges(table, columns);
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const bool header = table.headerRow && r == 0;
        out += "\\trowd\\trgaph108\\trleft0";
        if (header) out += "\\trhdr";
        out += "\r\n";
        for (int edge : edges)
            out += std::string(kCellBorders) + "\\cellx" + std::to_string(edge) + "\r\n";
        out += kCellText;
        for (size_t c = 0; c < columns; ++c) {
            const Text cell = c < table.rows[r].size() ? table.rows[r][c] : Text();
            if (header) out += "{\\b ";
            AppendInline(out, cell);
            if (header) out += "}";
            out += "\\cell ";
        }
        out += "\\row\r\n";
    }
}

}  // namespace

std::string SourceProblem(std::string_view utf8) {
    int line = 1;
    for (size_t i = 0; i < utf8.size();) {
        if (utf8[i] == '\n') ++line;
        const size_t length = base::Utf8SequenceLength(utf8, i);
        if (length == 0) return "line " + std::to_string(line) + ": the text is not UTF-8";
        i += length;
    }
    return "";
}

std::string MarkdownToRtf(std::string_view utf8) {
    Text source = base::DecodeUtf8(utf8);
    if (!source.empty() && source.front() == 0xFEFF) source.erase(0, 1);

    std::string out = kHeader;
    Block::Kind previous = Block::kTitle;
    for (const Block& block : ParseBlocks(source)) {
        if (block.kind == Block::kTable) {
            AppendTable(out, block);
        } else {
            out += "\\pard\\plain";
            // A little room between a table or a list and the text that follows it.
            if (block.kind == Block::kParagraph || block.kind == Block::kCentred) {
                if (previous == Block::kTable) out += "\\sb120";
                if (previous == Block::kItem) out += "\\sb60";
            }
            switch (block.kind) {
                case Block::kTitle:
                    out += kTitle;
                    break;
                case Block::kHeading:
                    out += kHeading;
                    break;
                case Block::kCentred:
                    out += kCentred;
                    break;
                case Block::kItem:
                    out += kItem;
                    break;
                default:
                    out += kBody;
                    break;
            }
            AppendInline(out, block.text);
            out += "\\par\r\n";
        }
        previous = block.kind;
    }
    out += "}";
    return out;
}

}  // namespace docs
