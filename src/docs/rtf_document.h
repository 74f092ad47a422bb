#pragma once
// What a rich-text document holds once it has been read: paragraphs of formatted runs and simple
// tables. The reader fills it, the viewer draws it, the writer turns it back into RTF text, and the
// text operations of the viewer (find, select, replace) work on it.
//
// Text is kept as Unicode code points. Inside a run '\t' is a tab and '\n' a line break within the
// paragraph (not a new paragraph).
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace docs {

struct Rgb {
    uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;        // font size in half points (24 = 12 pt)
    std::string font;           // family name; empty = the viewer's default font
    std::optional<Rgb> colour;  // none = the automatic (default) colour
    bool operator==(const CharFormat&) const = default;
};

enum class Alignment { Left, Centre, Right, Justify };

struct ParagraphFormat {
    Alignment alignment = Alignment::Left;
    // Twips (1/1440 inch).
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;  // relative to the left indent; negative for a hanging first line
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool pageBreakBefore = false;
    bool operator==(const ParagraphFormat&) const = default;
};

struct Run {
    std::u32string text;
    CharFormat format;
    bool operator==(const Run&) const = default;
};

struct Paragraph {
    ParagraphFormat format;
    std::vector<Run> runs;
    // The character format at the paragraph's end mark: it sets the height of an empty paragraph
    // and the format of text typed into it.
    CharFormat endFormat;
    bool operator==(const Paragraph&) const = default;

    std::u32string Text() const;
    size_t Length() const;
};

struct TableCell {
    std::vector<Paragraph> paragraphs;  // never empty in a finished document
    int rightEdge = 0;                  // twips from the row's left edge; 0 when not given
    bool operator==(const TableCell&) const = default;
};

struct TableRow {
    std::vector<TableCell> cells;  // never empty in a finished document
    bool operator==(const TableRow&) const = default;
};

struct Table {
    std::vector<TableRow> rows;  // never empty in a finished document
    bool operator==(const Table&) const = default;
    size_t Columns() const;
};

using Block = std::variant<Paragraph, Table>;

// A finished document always starts and ends with a paragraph and has a paragraph between two
// tables (the shape the viewer's text layout needs); Normalise() makes it so.
struct RtfDocument {
    std::vector<Block> blocks;
    bool operator==(const RtfDocument&) const = default;

    void Normalise();
};

// Appends text to a paragraph in the given format, joining it to the last run when the format is
// the same.
void AppendText(Paragraph& paragraph, std::u32string_view text, const CharFormat& format);

// The text as the viewer counts it: paragraphs are separated by '\n'; a table contributes '\n'
// before each cell's text (the cell's paragraphs joined by '\n') and one '\n' after its last cell.
// Line breaks are '\n' too. Every character is one position of the viewer.
std::u32string PlainText(const RtfDocument& document);

}  // namespace docs

namespace docs {

// What a character of incoming text becomes inside a run: '\t' and '\n' stay; U+2028 and U+2029
// become '\n'; every other control character, a lone surrogate and the code points the viewer uses
// as its own markers are dropped (0 is returned).
char32_t RunChar(char32_t c);

// The character of a byte in a code page: Windows-1251 and 1252 are known; any other code page is
// read as Windows-1252.
char32_t CodePageChar(int codePage, unsigned char byte);

}  // namespace docs
