#pragma once
// The report of one run of a program, to take to the doctor: the results grid with its chart,
// the conclusion with the danger signs, the recommended preparations with their plan, and the
// note that the program makes no diagnosis. The screens put in the texts they show as the user
// goes along; the report is composed from them as a structured document.
#include <optional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "docs/rtf_document.h"
#include "results/results_page.h"
#include "state/shared_state.h"

namespace report {

// One row of the results grid: its caption and its cells, today's first, then the earlier runs
// newest first. A heading row spans the grid and has no cells.
struct GridRow {
    std::string caption;
    bool heading = false;
    std::vector<std::string> cells;
};

// A text of a screen with the way it stands there.
struct Line {
    // Marked: the entry of a list the person chose (program 2's most troubling complaint).
    enum class Look { Title, Paragraph, Strong, Caption, Signature, Item, Marked };
    Look look = Look::Paragraph;
    std::string text;
};

struct RunReport {
    int program = 0;   // 0: no run has reached its results yet
    std::string name;  // last name and first name
    int yearBirth = 0;
    std::string date;  // of the run, "dd.mm.yyyy"
    std::vector<GridRow> grid;
    results::HistoryChart chart;
    std::vector<Line> conclusion;           // empty until the conclusion has been shown
    std::string dangerNotice;               // "" when the run showed no danger sign
    std::vector<Line> preparations;         // category headings (Caption) and preparations (Item)
    std::optional<docs::RtfDocument> plan;  // how to take them, as the screen shows it
};

// A report of the program's run begun today by the user: no results, conclusion or preparations
// yet.
RunReport NewRunReport(int program, const state::SharedState& state, const base::DateTime& now);

// A grid row as the results screen builds it: the caption of the row and its grid row, or
// results::kHeadingRow… for a heading (row < 0).
struct GridRowSource {
    std::string caption;
    int row = 0;
};
// The rows of the report's grid: captions with the words the narrow screen column breaks
// ("РАЦИО- НАЛЬНОСТЬ") joined again, and the cells of today's run and the earlier ones.
std::vector<GridRow> ReportGrid(const std::vector<GridRowSource>& rows,
                                const results::ResultsPage& page);
// A caption with its hyphenated breaks joined: "ПРЕД- РАКО- ВАЯ" → "ПРЕДРАКОВАЯ"; a dash that
// stands between blanks ("ПСИХО - ЭМОЦИОНАЛЬНОГО") stays.
std::string JoinBrokenWords(const std::string& caption);

// The person as the report names them: "Петрова Анна, 1991 г. р.".
std::string PersonLine(const RunReport& report);

// The report as a document: what stands above the chart (title, person, date, results grid)
// and what follows it (conclusion, danger signs, preparations, plan, the closing note).
struct ReportDocument {
    docs::RtfDocument beforeChart;
    bool chart = false;  // the chart is drawn between the two parts
    docs::RtfDocument afterChart;
};
ReportDocument ComposeReport(const RunReport& report);

// What the person is told after saving: where the report is, or where it could not be written
// and why (reason in words, without a final point).
std::string SavedMessage(const std::string& path);
std::string NotSavedMessage(const std::string& path, const std::string& reason);

// The report's own texts: its headings, its file dialog and its button.
std::string ReportText(std::string_view control);

// The suggested file name: "Зорвек — Петрова Анна — 2026-12-08.pdf", with characters that no
// file name may hold left out.
std::string ReportFileName(const RunReport& report);

}  // namespace report
