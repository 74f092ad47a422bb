#include "docs/rtf_reader.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

#include "base/text_codec.h"
#include "docs/rtf_escape.h"

namespace docs {

namespace {

constexpr int kDefaultCodePage = 1251;
// Groups deeper than this share the state of the deepest one; only their count is kept.
constexpr size_t kMaxDepth = 200;
// Word processors allow 63 cells a row; further cells join the last one.
constexpr size_t kMaxColumns = 63;
constexpr int kMaxTwips = 31680;  // 22 inches, the largest measure word processors accept
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 1000;
constexpr int kMaxUnicodeSkip = 16;
constexpr size_t kMaxFontName = 128;  // bytes

int Clamp(int64_t value, int low, int high) {
    return static_cast<int>(std::clamp<int64_t>(value, low, high));
}

bool IsLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

int HexValue(char32_t c) {
    if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
    return -1;
}

enum class Destination { Body, FontTable, ColourTable, Skip };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;
    int halfPoints = 24;
    int font = -1;  // -1: the document's default font
    int colour = 0;
};

struct GroupState {
    Destination destination = Destination::Body;
    CharState chars;
    ParagraphFormat paragraph;
    bool inTable = false;
    int unicodeSkip = 1;
    bool firstToken = true;  // nothing read in this group yet (for \*)
};

struct FontEntry {
    std::string name;
    int charset = 1;
};

// Destinations whose content is never shown, besides every \* destination.
bool IsSkippedDestination(std::string_view word) {
    // clang-format off
    static constexpr std::string_view kSkipped[] = {
        "stylesheet", "info", "pict", "object", "fldinst", "header", "headerl", "headerr", "headerf",
        "footer", "footerl", "footerr", "footerf", "footnote", "annotation", "atnid", "atnauthor",
        "atrfstart", "atrfend", "themedata", "colorschememapping", "datastore", "latentstyles",
        "listtable", "listoverridetable", "rsidtbl", "generator", "revtbl", "filetbl", "xmlnstbl",
        "userprops", "docvar", "template", "pgdsctbl", "xe", "tc", "txe", "bkmkstart", "bkmkend",
        "nonshppict", "shppict", "mmathPr", "private", "pntxta", "pntxtb", "fchars", "lchars",
        "blipuid",
    };
    // clang-format on
    return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

std::string CleanFontName(std::string name) {
    while (!name.empty() && (name.back() == ' ' || name.back() == ';')) name.pop_back();
    size_t start = 0;
    while (start < name.size() && name[start] == ' ') ++start;
    name.erase(0, start);
    // Fonts named for their Cyrillic character set are the plain fonts everywhere else.
    for (bool again = true; again;) {
        again = false;
        for (std::string_view suffix : {" Cyr", " CYR"}) {
            if (name.size() > suffix.size() && name.ends_with(suffix)) {
                name.resize(name.size() - suffix.size());
                again = true;
            }
        }
        while (!name.empty() && name.back() == ' ') name.pop_back();
    }
    return name;
}

class Reader {
  public:
    explicit Reader(std::u32string_view text) : text_(text) {}

    RtfDocument Run();

  private:
    // Tokens
    void ControlWord(std::string_view word, std::optional<int64_t> parameter);
    void ControlSymbol(char32_t symbol);
    void OpenGroup();
    void CloseGroup();
    void Character(char32_t c);     // text as written
    void Byte(unsigned char byte);  // a \'hh escape

    // Output
    void Emit(char32_t c);
    void EndParagraph();
    void EndCell();
    void EndRow();
    void CloseTable();
    CharFormat Resolve(const CharState& chars) const;
    int CodePageOfCurrentFont() const;
    void CommitFont();

    GroupState& State() { return stack_.back(); }
    bool Skipping() const { return stack_.back().destination == Destination::Skip; }

    std::u32string_view text_;
    size_t pos_ = 0;
    std::vector<GroupState> stack_;
    size_t excessDepth_ = 0;
    bool finished_ = false;

    int codePage_ = kDefaultCodePage;
    int defaultFont_ = 0;
    std::map<int, FontEntry> fonts_;
    int fontNumber_ = 0;
    FontEntry fontEntry_;
    std::vector<std::optional<Rgb>> colours_;
    Rgb colour_;
    bool colourGiven_ = false;

    int fallbackToSkip_ = 0;
    char32_t highSurrogate_ = 0;
    bool pageBreakPending_ = false;

    RtfDocument document_;
    Paragraph paragraph_;
    Table table_;
    TableRow row_;
    TableCell cell_;
    std::vector<int> rowEdges_;
};

RtfDocument Reader::Run() {
    stack_.push_back(GroupState{});
    while (pos_ < text_.size() && !finished_) {
        const char32_t c = text_[pos_++];
        if (c == '{') {
            OpenGroup();
        } else if (c == '}') {
            CloseGroup();
        } else if (c == '\\') {
            if (pos_ >= text_.size()) break;
            const char32_t next = text_[pos_];
            if (IsLetter(next)) {
                std::string word;
                while (pos_ < text_.size() && IsLetter(text_[pos_])) {
                    if (word.size() < 32) word += static_cast<char>(text_[pos_]);
                    ++pos_;
                }
                std::optional<int64_t> parameter;
                bool negative = false;
                if (pos_ + 1 < text_.size() && text_[pos_] == '-' && IsDigit(text_[pos_ + 1])) {
                    negative = true;
                    ++pos_;
                }
                if (pos_ < text_.size() && IsDigit(text_[pos_])) {
                    int64_t value = 0;
                    while (pos_ < text_.size() && IsDigit(text_[pos_])) {
                        if (value < 10'000'000'000) value = value * 10 + (text_[pos_] - '0');
                        ++pos_;
                    }
                    parameter = negative ? -value : value;
                }
                if (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
                ControlWord(word, parameter);
            } else {
                ++pos_;
                ControlSymbol(next);
            }
        } else if (c != '\r' && c != '\n') {  // line ends of the RTF text itself mean nothing
            Character(c);
        }
    }
    // The end of the document, or of a text cut short: what is still open is finished as it stands.
    GroupState& state = State();
    state.destination = Destination::Body;
    if (!paragraph_.runs.empty()) {
        if (state.inTable) {
            EndCell();
        } else {
            EndParagraph();
        }
    }
    CloseTable();
    document_.Normalise();
    return std::move(document_);
}

void Reader::OpenGroup() {
    fallbackToSkip_ = 0;
    if (stack_.size() >= kMaxDepth) {
        ++excessDepth_;
        return;
    }
    GroupState inner = stack_.back();
    inner.firstToken = true;
    stack_.push_back(inner);
}

void Reader::CloseGroup() {
    fallbackToSkip_ = 0;
    if (excessDepth_ > 0) {
        --excessDepth_;
        return;
    }
    if (stack_.back().destination == Destination::FontTable) CommitFont();
    // The document's own group ends the document; its state stays for what is still pending.
    if (stack_.size() <= 2) {
        finished_ = true;
        return;
    }
    stack_.pop_back();
}

void Reader::Character(char32_t c) {
    GroupState& state = State();
    state.firstToken = false;
    if (fallbackToSkip_ > 0) {
        --fallbackToSkip_;
        return;
    }
    switch (state.destination) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            if (c == ';') {
                CommitFont();
            } else if (c >= 0x20 && c != 0x7F && fontEntry_.name.size() < kMaxFontName) {
                base::AppendUtf8(fontEntry_.name, c);
            }
            return;
        case Destination::ColourTable:
            if (c == ';') {
                colours_.push_back(colourGiven_ ? std::optional<Rgb>(colour_) : std::nullopt);
                colour_ = {};
                colourGiven_ = false;
            }
            return;
        case Destination::Body:
            Emit(c);
            return;
    }
}

void Reader::Byte(unsigned char byte) {
    if (fallbackToSkip_ > 0) {
        --fallbackToSkip_;
        return;
    }
    const GroupState& state = State();
    if (state.destination == Destination::Skip || state.destination == Destination::ColourTable)
        return;
    if (state.destination == Destination::FontTable) {
        // An escaped ";" belongs to the name; control characters never do.
        const int codePage = fontEntry_.charset == 204 ? 1251 : codePage_;
        const char32_t c = CodePageChar(codePage, byte);
        if (c >= 0x20 && c != 0x7F && fontEntry_.name.size() < kMaxFontName)
            base::AppendUtf8(fontEntry_.name, c);
        return;
    }
    const int codePage = CodePageOfCurrentFont();
    if (codePage == 2) {  // the Symbol font: its bullet is the only character documents use from it
        Emit(byte == 0xB7 ? U'\u2022' : CodePageChar(codePage_, byte));
        return;
    }
    Emit(CodePageChar(codePage, byte));
}

int Reader::CodePageOfCurrentFont() const {
    const int number = stack_.back().chars.font < 0 ? defaultFont_ : stack_.back().chars.font;
    const auto font = fonts_.find(number);
    if (font == fonts_.end()) return codePage_;
    if (font->second.charset == 204) return 1251;
    if (font->second.charset == 2) return 2;
    return codePage_;
}

void Reader::CommitFont() {
    std::string name = CleanFontName(fontEntry_.name);
    if (!name.empty()) fonts_[fontNumber_] = {std::move(name), fontEntry_.charset};
    fontEntry_ = {};
}

void Reader::ControlSymbol(char32_t symbol) {
    GroupState& state = State();
    const bool first = state.firstToken;
    state.firstToken = false;
    switch (symbol) {
        case '*':
            if (first) state.destination = Destination::Skip;
            return;
        case '\'': {
            const int high = pos_ < text_.size() ? HexValue(text_[pos_]) : -1;
            const int low = pos_ + 1 < text_.size() ? HexValue(text_[pos_ + 1]) : -1;
            if (high < 0) return;
            if (low < 0) {
                ++pos_;
                Byte(static_cast<unsigned char>(high));
                return;
            }
            pos_ += 2;
            Byte(static_cast<unsigned char>(high * 16 + low));
            return;
        }
        case '\\':
        case '{':
        case '}':
            Character(symbol);
            return;
        case '\r':
        case '\n':
            fallbackToSkip_ = 0;
            if (state.destination == Destination::Body) EndParagraph();
            return;
        case '~':
            Character(U'\u00A0');
            return;
        case '_':
            Character(U'\u2011');
            return;
        case '\t':
            Character(U'\t');
            return;
        default:
            // \- (optional hyphen), \: (index subentry), \| (formula) and the rest show nothing.
            fallbackToSkip_ = 0;
            return;
    }
}

void Reader::ControlWord(std::string_view word, std::optional<int64_t> parameter) {
    GroupState& state = State();
    state.firstToken = false;
    const int64_t value = parameter.value_or(1);
    if (word != "u") fallbackToSkip_ = 0;

    // Destinations
    if (word == "fonttbl") {
        state.destination = Destination::FontTable;
        fontEntry_ = {};
        return;
    }
    if (word == "colortbl") {
        state.destination = Destination::ColourTable;
        colours_.clear();
        colour_ = {};
        colourGiven_ = false;
        return;
    }
    if (IsSkippedDestination(word)) {
        // Never the document's own group: a stray destination word there would hide everything.
        if (stack_.size() > 2) state.destination = Destination::Skip;
        return;
    }
    if (word == "bin") {
        // Binary data of the given length follows; it is never text.
        const int64_t length = std::clamp<int64_t>(parameter.value_or(0), 0,
                                                   static_cast<int64_t>(text_.size() - pos_));
        pos_ += static_cast<size_t>(length);
        return;
    }
    if (state.destination == Destination::Skip) return;

    // Unicode characters count in the font table as in the text: a font's name may need them.
    if (word == "uc") {
        state.unicodeSkip = Clamp(value, 0, kMaxUnicodeSkip);
    } else if (word == "u") {
        int64_t code = value;
        if (code < 0) code += 65536;
        char32_t c = code >= 0 && code <= 0xFFFF ? static_cast<char32_t>(code) : U'\uFFFD';
        if (c >= 0xD800 && c < 0xDC00) {
            highSurrogate_ = c;
            c = 0;
        } else if (c >= 0xDC00 && c < 0xE000) {
            c = highSurrogate_ ? 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (c - 0xDC00) : 0;
            highSurrogate_ = 0;
        }
        if (c != 0) {
            const int skip = state.unicodeSkip;
            fallbackToSkip_ = 0;
            Character(c);
            fallbackToSkip_ = skip;
        } else {
            fallbackToSkip_ = state.unicodeSkip;
        }
        return;
    }
    if (state.destination == Destination::FontTable) {
        if (word == "f") {
            CommitFont();
            fontNumber_ = Clamp(value, 0, 1'000'000);
        } else if (word == "fcharset") {
            fontEntry_.charset = Clamp(value, 0, 255);
        }
        return;
    }
    if (state.destination == Destination::ColourTable) {
        const uint8_t component = static_cast<uint8_t>(Clamp(value, 0, 255));
        if (word == "red") {
            colour_.red = component;
            colourGiven_ = true;
        } else if (word == "green") {
            colour_.green = component;
            colourGiven_ = true;
        } else if (word == "blue") {
            colour_.blue = component;
            colourGiven_ = true;
        }
        return;
    }

    CharState& chars = state.chars;
    ParagraphFormat& paragraph = state.paragraph;
    const bool on = value != 0;
    // Document
    if (word == "ansicpg") {
        codePage_ = value > 0 ? Clamp(value, 1, 100'000) : kDefaultCodePage;
    } else if (word == "deff") {
        defaultFont_ = Clamp(value, 0, 1'000'000);
    }
    // Characters
    else if (word == "plain") {
        chars = CharState{};
    } else if (word == "b") {
        chars.bold = on;
    } else if (word == "i") {
        chars.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" ||
               word == "uldash" || word == "ulth" || word == "ulwave" || word == "uldashd" ||
               word == "uldashdd") {
        chars.underline = on;
    } else if (word == "ulnone") {
        chars.underline = false;
    } else if (word == "v") {
        chars.hidden = on;
    } else if (word == "fs") {
        chars.halfPoints = parameter ? Clamp(value, kMinHalfPoints, kMaxHalfPoints) : 24;
    } else if (word == "f") {
        chars.font = Clamp(value, 0, 1'000'000);
    } else if (word == "cf") {
        chars.colour = Clamp(value, 0, 1'000'000);
    }
    // Special characters
    else if (word == "tab") {
        Character(U'\t');
    } else if (word == "line" || word == "lbr") {
        Character(U'\n');
    } else if (word == "emdash") {
        Character(U'\u2014');
    } else if (word == "endash") {
        Character(U'\u2013');
    } else if (word == "bullet") {
        Character(U'\u2022');
    } else if (word == "lquote") {
        Character(U'\u2018');
    } else if (word == "rquote") {
        Character(U'\u2019');
    } else if (word == "ldblquote") {
        Character(U'\u201C');
    } else if (word == "rdblquote") {
        Character(U'\u201D');
    } else if (word == "emspace") {
        Character(U'\u2003');
    } else if (word == "enspace") {
        Character(U'\u2002');
    } else if (word == "qmspace") {
        Character(U'\u2005');
    } else if (word == "nestcell") {
        Character(U'\t');  // a table inside a cell is shown as tab-separated text
    } else if (word == "nestrow") {
        Character(U'\n');
    }
    // Paragraphs
    else if (word == "par" || word == "sect") {
        EndParagraph();
    } else if (word == "page") {
        EndParagraph();
        pageBreakPending_ = true;
    } else if (word == "pard") {
        paragraph = ParagraphFormat{};
        state.inTable = false;
    } else if (word == "ql") {
        paragraph.alignment = Alignment::Left;
    } else if (word == "qc") {
        paragraph.alignment = Alignment::Centre;
    } else if (word == "qr") {
        paragraph.alignment = Alignment::Right;
    } else if (word == "qj" || word == "qd") {
        paragraph.alignment = Alignment::Justify;
    } else if (word == "li") {
        paragraph.leftIndent = Clamp(value, -kMaxTwips, kMaxTwips);
    } else if (word == "ri") {
        paragraph.rightIndent = Clamp(value, -kMaxTwips, kMaxTwips);
    } else if (word == "fi") {
        paragraph.firstLineIndent = Clamp(value, -kMaxTwips, kMaxTwips);
    } else if (word == "sb") {
        paragraph.spaceBefore = Clamp(value, 0, kMaxTwips);
    } else if (word == "sa") {
        paragraph.spaceAfter = Clamp(value, 0, kMaxTwips);
    } else if (word == "pagebb") {
        paragraph.pageBreakBefore = on;
    }
    // Tables
    else if (word == "intbl") {
        state.inTable = true;
    } else if (word == "trowd") {
        rowEdges_.clear();
    } else if (word == "cellx") {
        if (rowEdges_.size() < kMaxColumns) rowEdges_.push_back(Clamp(value, 0, 2 * kMaxTwips));
    } else if (word == "cell") {
        EndCell();
    } else if (word == "row") {
        EndRow();
    }
}

CharFormat Reader::Resolve(const CharState& chars) const {
    CharFormat format;
    format.bold = chars.bold;
    format.italic = chars.italic;
    format.underline = chars.underline;
    format.halfPoints = chars.halfPoints;
    const auto font = fonts_.find(chars.font < 0 ? defaultFont_ : chars.font);
    // A symbol font's characters have been turned into ordinary ones; the font itself is not
    // needed and is often missing or has no such characters.
    if (font != fonts_.end() && font->second.charset != 2) format.font = font->second.name;
    if (chars.colour > 0 && static_cast<size_t>(chars.colour) < colours_.size()) {
        format.colour = colours_[chars.colour];
    }
    return format;
}

void Reader::Emit(char32_t c) {
    const GroupState& state = State();
    if (state.destination != Destination::Body || state.chars.hidden) return;
    const char32_t shown = RunChar(c);
    if (shown == 0) return;
    AppendText(paragraph_, std::u32string_view(&shown, 1), Resolve(state.chars));
}

void Reader::EndParagraph() {
    const GroupState& state = State();
    if (state.destination != Destination::Body) return;
    paragraph_.format = state.paragraph;
    paragraph_.endFormat = Resolve(state.chars);
    if (pageBreakPending_ && !state.inTable) {
        paragraph_.format.pageBreakBefore = true;
        pageBreakPending_ = false;
    }
    if (state.inTable) {
        cell_.paragraphs.push_back(std::move(paragraph_));
    } else {
        CloseTable();
        document_.blocks.emplace_back(std::move(paragraph_));
    }
    paragraph_ = Paragraph{};
}

void Reader::EndCell() {
    const GroupState& state = State();
    if (state.destination != Destination::Body) return;
    paragraph_.format = state.paragraph;
    paragraph_.endFormat = Resolve(state.chars);
    cell_.paragraphs.push_back(std::move(paragraph_));
    paragraph_ = Paragraph{};
    if (row_.cells.size() < kMaxColumns) {
        row_.cells.push_back(std::move(cell_));
    } else {
        auto& last = row_.cells.back().paragraphs;
        last.insert(last.end(), cell_.paragraphs.begin(), cell_.paragraphs.end());
    }
    cell_ = TableCell{};
}

void Reader::EndRow() {
    if (State().destination != Destination::Body) return;
    if (!paragraph_.runs.empty() || !cell_.paragraphs.empty()) EndCell();
    if (row_.cells.empty()) return;
    for (size_t i = 0; i < row_.cells.size(); ++i) {
        row_.cells[i].rightEdge = i < rowEdges_.size() ? rowEdges_[i] : 0;
    }
    table_.rows.push_back(std::move(row_));
    row_ = TableRow{};
}

void Reader::CloseTable() {
    if (!cell_.paragraphs.empty()) {
        row_.cells.push_back(std::move(cell_));
        cell_ = TableCell{};
    }
    if (!row_.cells.empty()) {
        for (size_t i = 0; i < row_.cells.size(); ++i) {
            row_.cells[i].rightEdge = i < rowEdges_.size() ? rowEdges_[i] : 0;
        }
        table_.rows.push_back(std::move(row_));
        row_ = TableRow{};
    }
    if (!table_.rows.empty()) document_.blocks.emplace_back(std::move(table_));
    table_ = Table{};
}

RtfDocument ReadPlainText(std::u32string_view text) {
    RtfDocument document;
    Paragraph paragraph;
    const CharFormat format;
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            document.blocks.emplace_back(std::move(paragraph));
            paragraph = Paragraph{};
            continue;
        }
        const char32_t shown = RunChar(c);
        if (shown != 0) AppendText(paragraph, std::u32string_view(&shown, 1), format);
    }
    if (!paragraph.runs.empty()) document.blocks.emplace_back(std::move(paragraph));
    document.Normalise();
    return document;
}

}  // namespace

std::string RtfTextFromFile(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));  // UTF-8 text
    size_t start = 0;
    while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\r' ||
                                    bytes[start] == '\n' || bytes[start] == '\t')) {
        ++start;
    }
    // A file that is not RTF holds text in the code page of the program's stored texts.
    if (!bytes.substr(start).starts_with("{\\rtf")) return base::Cp1251ToUtf8(bytes);

    auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 4);
    for (size_t i = 0; i < bytes.size();) {
        const auto code = static_cast<unsigned char>(bytes[i]);
        if (code >= 0x80) {
            AppendByteEscape(text, code);
            ++i;
            continue;
        }
        if (bytes[i] != '\\' || i + 1 >= bytes.size()) {
            text += bytes[i++];
            continue;
        }
        if (!isLetter(bytes[i + 1])) {  // a control symbol: both characters as they are
            text += bytes[i];
            if (static_cast<unsigned char>(bytes[i + 1]) < 0x80) {
                text += bytes[i + 1];
                i += 2;
            } else {
                ++i;
            }
            continue;
        }
        size_t end = i + 1;
        while (end < bytes.size() && isLetter(bytes[end])) ++end;
        const std::string_view word = bytes.substr(i + 1, end - i - 1);
        size_t digitsEnd = end;
        while (digitsEnd < bytes.size() && isDigit(bytes[digitsEnd])) ++digitsEnd;
        text.append(bytes.substr(i, digitsEnd - i));
        i = digitsEnd;
        if (word != "bin" || digitsEnd == end) continue;
        // Binary data: its bytes are kept one character each, so that its length still holds.
        uint64_t length = 0;
        for (size_t d = end; d < digitsEnd && length < bytes.size(); ++d)
            length = length * 10 + (bytes[d] - '0');
        if (i < bytes.size() && bytes[i] == ' ') text += bytes[i++];
        const size_t stop = i + static_cast<size_t>(std::min<uint64_t>(length, bytes.size() - i));
        for (; i < stop; ++i) base::AppendUtf8(text, static_cast<unsigned char>(bytes[i]));
    }
    return text;
}

RtfDocument ReadRtf(std::string_view rtfText) {
    std::u32string text = base::DecodeUtf8(rtfText);
    size_t start = 0;
    while (start < text.size() &&
           (text[start] == 0xFEFF || text[start] == ' ' || text[start] == '\t' ||
            text[start] == '\r' || text[start] == '\n')) {
        ++start;
    }
    const std::u32string_view body = std::u32string_view(text).substr(start);
    if (!body.starts_with(U"{\\rtf")) return ReadPlainText(body);
    return Reader(body).Run();
}

}  // namespace docs
