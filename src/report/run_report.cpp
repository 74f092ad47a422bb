#include "report/run_report.h"

#include <algorithm>

#include "base/text_codec.h"
#include "text/catalogue.h"

namespace report {
namespace {

bool IsLetter(char32_t c) {
    return (c >= U'А' && c <= U'я') || c == U'Ё' || c == U'ё' || (c >= U'A' && c <= U'Z') ||
           (c >= U'a' && c <= U'z');
}

// Sizes in half points, spacing in twips.
constexpr int kTitleSize = 30;
constexpr int kHeadingSize = 24;
constexpr int kBodySize = 20;
constexpr int kSmallSize = 17;

docs::Paragraph NewParagraph(const std::string& text, int halfPoints, bool bold = false,
                             docs::Alignment alignment = docs::Alignment::Left,
                             int spaceAfter = 120) {
    docs::Paragraph paragraph;
    paragraph.format.alignment = alignment;
    paragraph.format.spaceAfter = spaceAfter;
    docs::CharFormat format;
    format.bold = bold;
    format.halfPoints = halfPoints;
    paragraph.endFormat = format;
    // Line breaks as the screens keep them (CR LF or LF) stay line breaks within the paragraph.
    std::u32string runText;
    for (char32_t c : base::DecodeUtf8(text)) {
        if (c != U'\r') runText += c;
    }
    if (!runText.empty()) paragraph.runs.push_back({runText, format});
    return paragraph;
}

docs::Paragraph Heading(const std::string& text) {
    docs::Paragraph heading = NewParagraph(text, kHeadingSize, true);
    heading.format.spaceBefore = 240;
    return heading;
}

// A text of a screen as paragraphs: a blank line between two parts of it starts a new paragraph.
void AddScreenText(docs::RtfDocument& document, const Line& line) {
    std::string text = line.text;
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    size_t from = 0;
    while (from <= text.size()) {
        size_t end = text.find("\n\n", from);
        if (end == std::string::npos) end = text.size();
        std::string part = text.substr(from, end - from);
        while (!part.empty() && part.front() == '\n') part.erase(part.begin());
        while (!part.empty() && part.back() == '\n') part.pop_back();
        if (!part.empty()) {
            docs::Paragraph paragraph;
            switch (line.look) {
                case Line::Look::Title:
                case Line::Look::Strong:
                    paragraph = NewParagraph(part, kBodySize + 2, true);
                    break;
                case Line::Look::Caption:
                    paragraph = NewParagraph(part, kBodySize, true);
                    paragraph.format.spaceBefore = 120;
                    break;
                case Line::Look::Signature:
                    paragraph = NewParagraph(part, kBodySize, true, docs::Alignment::Right);
                    paragraph.runs.front().format.italic = true;
                    break;
                case Line::Look::Item:
                case Line::Look::Marked:
                    paragraph =
                        NewParagraph("•\t" + part, kBodySize, line.look == Line::Look::Marked,
                                     docs::Alignment::Left, 60);
                    paragraph.format.leftIndent = 360;
                    paragraph.format.firstLineIndent = -240;
                    break;
                case Line::Look::Paragraph:
                    paragraph = NewParagraph(part, kBodySize, false, docs::Alignment::Justify);
                    break;
            }
            document.blocks.push_back(paragraph);
        }
        from = end + 2;
    }
}

docs::TableCell Cell(const std::string& text, bool bold, int rightEdge) {
    docs::TableCell cell;
    docs::Paragraph paragraph = NewParagraph(text, kSmallSize, bold, docs::Alignment::Centre, 0);
    cell.paragraphs.push_back(paragraph);
    cell.rightEdge = rightEdge;
    return cell;
}

docs::Table GridTable(const std::vector<GridRow>& grid) {
    size_t columns = 0;
    for (const GridRow& row : grid) columns = std::max(columns, row.cells.size());
    // The captions take a third of the page's 9,600 twips, the runs share the rest.
    constexpr int kPage = 9600;
    constexpr int kCaption = 3000;
    const int cellWidth = columns == 0 ? 0 : (kPage - kCaption) / static_cast<int>(columns);
    docs::Table table;
    for (const GridRow& row : grid) {
        docs::TableRow tableRow;
        if (row.heading) {
            tableRow.cells.push_back(Cell(row.caption, true, kPage));
        } else {
            docs::TableCell caption = Cell(row.caption, true, kCaption);
            caption.paragraphs.front().format.alignment = docs::Alignment::Left;
            tableRow.cells.push_back(caption);
            for (size_t c = 0; c < columns; ++c) {
                const std::string text = c < row.cells.size() ? row.cells[c] : "";
                // Today's column stands out as it does on the screen.
                tableRow.cells.push_back(
                    Cell(text, c == 0, kCaption + cellWidth * static_cast<int>(c + 1)));
            }
        }
        table.rows.push_back(tableRow);
    }
    return table;
}

}  // namespace

std::string JoinBrokenWords(const std::string& caption) {
    const std::u32string text = base::DecodeUtf8(caption);
    std::u32string joined;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool broken = text[i] == U'-' && i > 0 && IsLetter(text[i - 1]) &&
                            i + 2 < text.size() && text[i + 1] == U' ' && IsLetter(text[i + 2]);
        if (broken) {
            ++i;  // the blank after the hyphen goes with it
            continue;
        }
        joined += text[i];
    }
    return base::EncodeUtf8(joined);
}

std::vector<GridRow> ReportGrid(const std::vector<GridRowSource>& rows,
                                const results::ResultsPage& page) {
    std::vector<GridRow> grid;
    for (const GridRowSource& source : rows) {
        GridRow row{JoinBrokenWords(source.caption), source.row < 0, {}};
        if (!row.heading) {
            row.cells.push_back(results::CellText(page.current, source.row));
            for (const results::Column& column : page.history)
                row.cells.push_back(results::CellText(column, source.row));
        }
        grid.push_back(std::move(row));
    }
    return grid;
}

RunReport NewRunReport(int program, const state::SharedState& state, const base::DateTime& now) {
    RunReport report;
    report.program = program;
    report.name = state.userLastName + " " + state.userFirstName;
    report.yearBirth = state.userYearBirth;
    report.date = base::FormatDdMmYyyy(now);
    return report;
}

std::string PersonLine(const RunReport& report) {
    return text::WithValues(ReportText("Person"), {report.name, std::to_string(report.yearBirth)});
}

ReportDocument ComposeReport(const RunReport& report) {
    ReportDocument composed;
    docs::RtfDocument& top = composed.beforeChart;
    top.blocks.push_back(
        NewParagraph(ReportText("Title"), kTitleSize, true, docs::Alignment::Centre, 60));
    top.blocks.push_back(NewParagraph(
        text::WithValues(ReportText("Program"), {text::GetCatalogText(report.program * 100L)}),
        kHeadingSize, false, docs::Alignment::Centre, 240));
    top.blocks.push_back(
        NewParagraph(PersonLine(report), kBodySize, true, docs::Alignment::Left, 0));
    top.blocks.push_back(
        NewParagraph(text::WithValues(ReportText("Date"), {report.date}), kBodySize));
    if (!report.grid.empty()) {
        top.blocks.push_back(Heading(ReportText("Results")));
        if (report.grid.front().cells.size() > 1)
            top.blocks.push_back(NewParagraph(ReportText("ResultsOrder"), kSmallSize));
        top.blocks.emplace_back(std::in_place_type<docs::Table>, GridTable(report.grid));
    }
    docs::RtfDocument& rest = composed.afterChart;
    composed.chart = report.chart.Shown();
    if (composed.chart) {
        docs::Paragraph caption =
            NewParagraph(ReportText("Chart"), kSmallSize, false, docs::Alignment::Left, 60);
        caption.format.spaceBefore = 120;
        top.blocks.push_back(caption);
    }
    if (!report.conclusion.empty() || !report.dangerNotice.empty()) {
        rest.blocks.push_back(Heading(ReportText("Conclusion")));
        for (const Line& line : report.conclusion) AddScreenText(rest, line);
        if (!report.dangerNotice.empty()) {
            docs::Paragraph notice =
                NewParagraph(text::ReplaceBreaks(report.dangerNotice), kBodySize, true);
            notice.format.spaceBefore = 120;
            notice.runs.front().format.colour = docs::Rgb{0xa0, 0x10, 0x10};
            rest.blocks.push_back(notice);
        }
    }
    if (!report.preparations.empty()) {
        rest.blocks.push_back(Heading(ReportText("Preparations")));
        for (const Line& line : report.preparations) AddScreenText(rest, line);
    }
    if (report.plan && !report.plan->blocks.empty()) {
        rest.blocks.push_back(Heading(ReportText("Plan")));
        for (const docs::Block& block : report.plan->blocks) rest.blocks.push_back(block);
    }
    docs::Paragraph closing =
        NewParagraph(ReportText("Closing"), kSmallSize, false, docs::Alignment::Justify, 0);
    closing.format.spaceBefore = 360;
    closing.runs.front().format.italic = true;
    rest.blocks.push_back(closing);
    return composed;
}

std::string ReportText(std::string_view control) { return text::FormText("report", control); }

std::string SavedMessage(const std::string& path) {
    return text::WithValues(text::ReplaceBreaks(ReportText("Saved")), {path});
}

std::string NotSavedMessage(const std::string& path, const std::string& reason) {
    const std::string list = ReportText("NotSaved");
    return text::GetListItem(list, 1) + path + text::GetListItem(list, 2) + reason + "." +
           text::GetListItem(list, 3);
}

std::string ReportFileName(const RunReport& report) {
    // "dd.mm.yyyy" as yyyy-mm-dd, so that the files of a person sort by date.
    std::string date = report.date;
    if (date.size() == 10 && date[2] == '.' && date[5] == '.')
        date = date.substr(6, 4) + "-" + date.substr(3, 2) + "-" + date.substr(0, 2);
    std::string name = text::WithValues(ReportText("FileName"), {report.name, date});
    std::string safe;
    for (char32_t c : base::DecodeUtf8(name)) {
        if (c < 0x20 || c == U'/' || c == U'\\' || c == U':' || c == U'*' || c == U'?' ||
            c == U'"' || c == U'<' || c == U'>' || c == U'|' || c == 0x7f)
            continue;
        base::AppendUtf8(safe, c);
    }
    return safe;
}

}  // namespace report
