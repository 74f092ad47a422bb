#include "docs/rich_text.h"

#include <algorithm>
#include <fstream>

#include "base/text_codec.h"
#include "docs/rtf_reader.h"
#include "docs/rtf_writer.h"

namespace docs {
namespace {

// Where a paragraph sits: a block of the document, or a paragraph of a table cell.
struct ParagraphRef {
    size_t block = 0;
    int row = -1;  // -1: the block itself is the paragraph
    int cell = -1;
    size_t paragraph = 0;

    bool SameContainer(const ParagraphRef& other) const {
        if (row < 0 || other.row < 0) return row < 0 && other.row < 0;
        return block == other.block && row == other.row && cell == other.cell;
    }
};

struct Span {
    ParagraphRef ref;
    size_t start = 0;
    size_t length = 0;
};

// Every paragraph in document order, with the position of its first character; the positions
// follow PlainText exactly.
std::vector<Span> Spans(const RtfDocument& document) {
    std::vector<Span> spans;
    size_t position = 0;
    bool afterParagraph = false;
    for (size_t b = 0; b < document.blocks.size(); ++b) {
        if (const auto* paragraph = std::get_if<Paragraph>(&document.blocks[b])) {
            if (afterParagraph) ++position;
            spans.push_back({{b, -1, -1, 0}, position, paragraph->Length()});
            position += paragraph->Length();
            afterParagraph = true;
            continue;
        }
        const Table& table = std::get<Table>(document.blocks[b]);
        for (size_t r = 0; r < table.rows.size(); ++r) {
            for (size_t c = 0; c < table.rows[r].cells.size(); ++c) {
                ++position;
                const auto& paragraphs = table.rows[r].cells[c].paragraphs;
                for (size_t p = 0; p < paragraphs.size(); ++p) {
                    if (p > 0) ++position;
                    spans.push_back({{b, static_cast<int>(r), static_cast<int>(c), p},
                                     position,
                                     paragraphs[p].Length()});
                    position += paragraphs[p].Length();
                }
            }
        }
        ++position;
        afterParagraph = false;
    }
    return spans;
}

struct Caret {
    size_t span = 0;
    size_t offset = 0;
};

// The paragraph and offset a caret at `position` stands in. A position holding a table's own
// marker belongs to the end of the paragraph before it.
Caret Locate(const std::vector<Span>& spans, size_t position) {
    auto after = std::upper_bound(spans.begin(), spans.end(), position,
                                  [](size_t p, const Span& span) { return p < span.start; });
    const size_t index =
        after == spans.begin() ? 0 : static_cast<size_t>(after - spans.begin()) - 1;
    const Span& span = spans[index];
    return {index, std::min(position - std::min(position, span.start), span.length)};
}

Paragraph& At(RtfDocument& document, const ParagraphRef& ref) {
    if (ref.row < 0) return std::get<Paragraph>(document.blocks[ref.block]);
    return std::get<Table>(document.blocks[ref.block])
        .rows[ref.row]
        .cells[ref.cell]
        .paragraphs[ref.paragraph];
}

void EraseChars(Paragraph& paragraph, size_t from, size_t to) {
    size_t position = 0;
    for (Run& run : paragraph.runs) {
        const size_t runStart = position;
        const size_t runEnd = position + run.text.size();
        position = runEnd;
        const size_t a = std::max(from, runStart);
        const size_t b = std::min(to, runEnd);
        if (a < b) run.text.erase(a - runStart, b - a);
    }
    std::erase_if(paragraph.runs, [](const Run& run) { return run.text.empty(); });
}

// The format new text takes at an offset: that of the character before it, else the first one's,
// else the paragraph's own.
CharFormat FormatAt(const Paragraph& paragraph, size_t offset) {
    size_t position = 0;
    for (const Run& run : paragraph.runs) {
        if (offset > position && offset <= position + run.text.size()) return run.format;
        position += run.text.size();
    }
    return paragraph.runs.empty() ? paragraph.endFormat : paragraph.runs.front().format;
}

void InsertChars(Paragraph& paragraph, size_t offset, const std::u32string& text,
                 const CharFormat& format) {
    if (text.empty()) return;
    size_t position = 0;
    for (size_t i = 0; i < paragraph.runs.size(); ++i) {
        Run& run = paragraph.runs[i];
        if (offset <= position + run.text.size()) {
            const size_t at = offset - position;
            if (run.format == format) {
                run.text.insert(at, text);
                return;
            }
            Run right{run.text.substr(at), run.format};
            run.text.resize(at);
            const auto next = paragraph.runs.begin() + static_cast<std::ptrdiff_t>(i) + 1;
            const auto inserted = paragraph.runs.insert(next, Run{text, format});
            if (!right.text.empty()) paragraph.runs.insert(inserted + 1, std::move(right));
            std::erase_if(paragraph.runs, [](const Run& r) { return r.text.empty(); });
            return;
        }
        position += run.text.size();
    }
    AppendText(paragraph, text, format);
}

// Keeps the first paragraph's text before `offsetA` and the last one's from `offsetB`, joined in
// the first one.
void JoinInto(Paragraph& first, size_t offsetA, Paragraph last, size_t offsetB) {
    EraseChars(first, offsetA, first.Length());
    EraseChars(last, 0, offsetB);
    for (Run& run : last.runs) AppendText(first, run.text, run.format);
}

void Delete(RtfDocument& document, size_t from, size_t to) {
    const std::vector<Span> spans = Spans(document);
    const Caret a = Locate(spans, from);
    const Caret b = Locate(spans, to);
    const ParagraphRef& refA = spans[a.span].ref;
    const ParagraphRef& refB = spans[b.span].ref;

    if (a.span == b.span) {
        EraseChars(At(document, refA), a.offset, b.offset);
        return;
    }
    if (refA.SameContainer(refB)) {
        Paragraph last = At(document, refB);
        JoinInto(At(document, refA), a.offset, std::move(last), b.offset);
        if (refA.row < 0) {
            auto& blocks = document.blocks;
            blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(refA.block) + 1,
                         blocks.begin() + static_cast<std::ptrdiff_t>(refB.block) + 1);
        } else {
            auto& paragraphs = std::get<Table>(document.blocks[refA.block])
                                   .rows[refA.row]
                                   .cells[refA.cell]
                                   .paragraphs;
            paragraphs.erase(paragraphs.begin() + static_cast<std::ptrdiff_t>(refA.paragraph) + 1,
                             paragraphs.begin() + static_cast<std::ptrdiff_t>(refB.paragraph) + 1);
        }
        return;
    }
    // Whole rows: from the start of a row's first cell to the start of a later row's first cell or
    // to a paragraph after the table.
    const bool fromRowStart =
        refA.row >= 0 && refA.cell == 0 && refA.paragraph == 0 && a.offset == 0;
    if (fromRowStart) {
        auto& table = std::get<Table>(document.blocks[refA.block]);
        const bool toRowStart = refB.row > refA.row && refB.block == refA.block && refB.cell == 0 &&
                                refB.paragraph == 0 && b.offset == 0;
        if (toRowStart) {
            table.rows.erase(table.rows.begin() + refA.row, table.rows.begin() + refB.row);
            return;
        }
        if (refB.row < 0) {
            EraseChars(At(document, refB), 0, b.offset);
            auto& blocks = document.blocks;
            const auto first = blocks.begin() + static_cast<std::ptrdiff_t>(refA.block);
            const auto beforeB = blocks.begin() + static_cast<std::ptrdiff_t>(refB.block);
            blocks.erase(first + 1, beforeB);
            if (refA.row == 0) {
                blocks.erase(first);
            } else {
                table.rows.erase(table.rows.begin() + refA.row, table.rows.end());
            }
            return;
        }
    }
    // Otherwise only the text goes; tables keep their shape.
    for (size_t i = a.span; i <= b.span; ++i) {
        const size_t begin = i == a.span ? a.offset : 0;
        const size_t end = i == b.span ? b.offset : spans[i].length;
        EraseChars(At(document, spans[i].ref), begin, end);
    }
}

std::u32string IncomingText(std::string_view utf8) {
    const std::u32string chars = base::DecodeUtf8(utf8);
    std::u32string text;
    for (size_t i = 0; i < chars.size(); ++i) {
        char32_t c = chars[i];
        if (c == '\r') {
            if (i + 1 < chars.size() && chars[i + 1] == '\n') ++i;
            c = '\n';
        }
        if (const char32_t kept = RunChar(c)) text += kept;
    }
    return text;
}

}  // namespace

RtfDocument RichText::EmptyDocument() {
    RtfDocument document;
    document.Normalise();
    return document;
}

RichText::LoadResult RichText::LoadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return LoadResult::Unreadable;
    std::string bytes;
    char buffer[1 << 16];
    while (bytes.size() < kMaxFileBytes) {
        file.read(buffer, static_cast<std::streamsize>(
                              std::min(sizeof buffer, kMaxFileBytes - bytes.size())));
        const std::streamsize got = file.gcount();
        if (got <= 0) break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    if (file.bad()) return LoadResult::Unreadable;
    SetRtfText(RtfTextFromFile(bytes));
    return LoadResult::Loaded;
}

const std::string& RichText::RtfText() const {
    if (!edited_) return rtf_;
    if (!rewritten_) rewritten_ = WriteRtf(document_);
    return *rewritten_;
}

void RichText::SetRtfText(std::string rtfText) {
    rtf_ = std::move(rtfText);
    edited_ = false;
    rewritten_.reset();
    Reparse();
    selectionStart_ = 0;
    selectionLength_ = 0;
}

void RichText::Reparse() {
    document_ = ReadRtf(rtf_);
    plain_ = docs::PlainText(document_);
}

std::string RichText::PlainText() const { return base::EncodeUtf8(plain_); }

int RichText::Find(std::string_view text, int from) const {
    const std::u32string needle = IncomingText(text);
    if (needle.empty() || from > Length()) return -1;
    const size_t at = plain_.find(needle, static_cast<size_t>(std::max(from, 0)));
    return at == std::u32string::npos ? -1 : static_cast<int>(at);
}

void RichText::SetSelection(int start, int length) {
    selectionStart_ = std::clamp(start, 0, Length());
    selectionLength_ = std::clamp(length, 0, Length() - selectionStart_);
}

std::string RichText::SelectedText() const {
    return base::EncodeUtf8(
        plain_.substr(static_cast<size_t>(selectionStart_), static_cast<size_t>(selectionLength_)));
}

void RichText::ReplaceSelection(std::string_view text) {
    const std::u32string insert = IncomingText(text);
    const size_t start = static_cast<size_t>(selectionStart_);
    // The new text takes the format of the first selected character, or of the one before the
    // caret.
    CharFormat format;
    {
        const std::vector<Span> spans = Spans(document_);
        const Caret caret = Locate(spans, start);
        const Paragraph& paragraph = At(document_, spans[caret.span].ref);
        const bool selectedHere = selectionLength_ > 0 && caret.offset < spans[caret.span].length;
        format = FormatAt(paragraph, caret.offset + (selectedHere ? 1 : 0));
    }
    if (selectionLength_ > 0)
        Delete(document_, start, start + static_cast<size_t>(selectionLength_));
    if (!insert.empty()) {
        const std::vector<Span> spans = Spans(document_);
        const Caret caret = Locate(spans, start);
        InsertChars(At(document_, spans[caret.span].ref), caret.offset, insert, format);
    }
    Edited();
    SetSelection(selectionStart_ + static_cast<int>(insert.size()), 0);
}

void RichText::Edited() {
    document_.Normalise();
    plain_ = docs::PlainText(document_);
    edited_ = true;
    rewritten_.reset();
}

int RichText::Utf16Position(int position) const {
    const size_t end = static_cast<size_t>(std::clamp(position, 0, Length()));
    int units = 0;
    for (size_t i = 0; i < end; ++i) units += plain_[i] >= 0x10000 ? 2 : 1;
    return units;
}

}  // namespace docs
