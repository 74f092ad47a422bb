#include "docs/rtf_writer.h"

#include <algorithm>
#include <map>

#include "base/text_codec.h"
#include "docs/rtf_escape.h"

namespace docs {
namespace {

class Writer {
  public:
    explicit Writer(const RtfDocument& document) : document_(document) {}

    std::string Write() {
        Collect();
        std::string body;
        for (const Block& block : document_.blocks) {
            if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
                WriteParagraph(body, *paragraph, false, "\\par");
            } else {
                WriteTable(body, std::get<Table>(block));
            }
        }
        // Font 0 has no entry: text without a font of its own is shown in the viewer's default
        // font.
        std::string out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1";
        out += "{\\fonttbl";
        for (const auto& [name, number] : fonts_) {
            out += "{\\f" + std::to_string(number) + "\\fnil\\fcharset204 ";
            // ";" ends a font's entry, so one that belongs to the name is escaped.
            AppendText(out, base::DecodeUtf8(name), true);
            out += ";}";
        }
        out += "}\n{\\colortbl;";
        for (const Rgb& colour : colours_) {
            out += "\\red" + std::to_string(colour.red) + "\\green" + std::to_string(colour.green) +
                   "\\blue" + std::to_string(colour.blue) + ";";
        }
        out += "}\n";
        out += body;
        out += "}\n";
        return out;
    }

  private:
    void Note(const CharFormat& format) {
        if (!format.font.empty() && !fonts_.contains(format.font)) {
            const int number = static_cast<int>(fonts_.size()) + 1;
            fonts_.emplace(format.font, number);
        }
        if (format.colour &&
            std::find(colours_.begin(), colours_.end(), *format.colour) == colours_.end()) {
            colours_.push_back(*format.colour);
        }
    }

    void Note(const Paragraph& paragraph) {
        for (const Run& run : paragraph.runs) Note(run.format);
        Note(paragraph.endFormat);
    }

    void Collect() {
        for (const Block& block : document_.blocks) {
            if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
                Note(*paragraph);
                continue;
            }
            for (const TableRow& row : std::get<Table>(block).rows) {
                for (const TableCell& cell : row.cells) {
                    for (const Paragraph& paragraph : cell.paragraphs) Note(paragraph);
                }
            }
        }
    }

    void WriteFormat(std::string& out, const CharFormat& format) {
        out += "\\plain";
        if (!format.font.empty()) out += "\\f" + std::to_string(fonts_.at(format.font));
        if (format.halfPoints != 24) out += "\\fs" + std::to_string(format.halfPoints);
        if (format.bold) out += "\\b";
        if (format.italic) out += "\\i";
        if (format.underline) out += "\\ul";
        if (format.colour) {
            const auto at = std::find(colours_.begin(), colours_.end(), *format.colour);
            out += "\\cf" + std::to_string(at - colours_.begin() + 1);
        }
        out += ' ';
    }

    static void AppendUnicode(std::string& out, char32_t unit) {
        out += "\\u" +
               std::to_string(unit >= 0x8000 ? static_cast<int>(unit) - 65536
                                             : static_cast<int>(unit)) +
               "?";
    }

    static void AppendText(std::string& out, const std::u32string& text, bool fontName = false) {
        for (const char32_t c : text) {
            if (fontName && c == ';') {
                AppendByteEscape(out, static_cast<unsigned char>(c));
            } else if (c == '\\' || c == '{' || c == '}') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c == '\t') {
                out += "\\tab ";
            } else if (c == '\n') {
                out += "\\line ";
            } else if (c == 0x00A0) {
                out += "\\~";
            } else if (c == 0x2011) {
                out += "\\_";
            } else if (c >= 0x20 && c < 0x7F) {
                out += static_cast<char>(c);
            } else if (const int code = base::Cp1251Code(c); code >= 0x80 && c != 0x98) {
                AppendByteEscape(out, static_cast<unsigned char>(code));
            } else if (c >= 0x10000) {
                const char32_t v = c - 0x10000;
                AppendUnicode(out, 0xD800 + (v >> 10));
                AppendUnicode(out, 0xDC00 + (v & 0x3FF));
            } else {
                AppendUnicode(out, c);
            }
        }
    }

    void WriteParagraph(std::string& out, const Paragraph& paragraph, bool inTable,
                        std::string_view end) {
        const ParagraphFormat& f = paragraph.format;
        out += "\\pard";
        if (inTable) out += "\\intbl";
        switch (f.alignment) {
            case Alignment::Left:
                out += "\\ql";
                break;
            case Alignment::Centre:
                out += "\\qc";
                break;
            case Alignment::Right:
                out += "\\qr";
                break;
            case Alignment::Justify:
                out += "\\qj";
                break;
        }
        if (f.leftIndent) out += "\\li" + std::to_string(f.leftIndent);
        if (f.rightIndent) out += "\\ri" + std::to_string(f.rightIndent);
        if (f.firstLineIndent) out += "\\fi" + std::to_string(f.firstLineIndent);
        if (f.spaceBefore) out += "\\sb" + std::to_string(f.spaceBefore);
        if (f.spaceAfter) out += "\\sa" + std::to_string(f.spaceAfter);
        if (f.pageBreakBefore) out += "\\pagebb";
        out += '\n';
        for (const Run& run : paragraph.runs) {
            WriteFormat(out, run.format);
            AppendText(out, run.text);
            out += '\n';
        }
        WriteFormat(out, paragraph.endFormat);
        out += end;
        out += '\n';
    }

    void WriteTable(std::string& out, const Table& table) {
        for (const TableRow& row : table.rows) {
            out += "\\trowd\\trgaph108";
            for (const TableCell& cell : row.cells)
                out += "\\cellx" + std::to_string(cell.rightEdge);
            out += '\n';
            for (const TableCell& cell : row.cells) {
                for (size_t i = 0; i < cell.paragraphs.size(); ++i) {
                    const bool last = i + 1 == cell.paragraphs.size();
                    WriteParagraph(out, cell.paragraphs[i], true, last ? "\\cell" : "\\par");
                }
            }
            out += "\\row\n";
        }
    }

    const RtfDocument& document_;
    std::map<std::string, int> fonts_;
    std::vector<Rgb> colours_;
};

}  // namespace

std::string WriteRtf(const RtfDocument& document) { return Writer(document).Write(); }

}  // namespace docs
