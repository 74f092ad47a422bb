#include "report/run_report.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "text/catalogue.h"

namespace {

using report::ComposeReport;
using report::Line;
using report::RunReport;

// The paragraphs of a document as UTF-8 texts, tables as "[table r×c]".
std::vector<std::string> Texts(const docs::RtfDocument& document) {
    std::vector<std::string> texts;
    for (const docs::Block& block : document.blocks) {
        if (const auto* paragraph = std::get_if<docs::Paragraph>(&block)) {
            texts.push_back(base::EncodeUtf8(paragraph->Text()));
        } else {
            const auto& table = std::get<docs::Table>(block);
            texts.push_back("[table " + std::to_string(table.rows.size()) + "×" +
                            std::to_string(table.Columns()) + "]");
        }
    }
    return texts;
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

RunReport Program1Report() {
    RunReport run;
    run.program = 1;
    run.name = "Соколова Анна";
    run.yearBirth = 1992;
    run.date = "09.03.2026";
    return run;
}

TEST(ReportGrid, CaptionsAreJoinedAndCellsFollowTheScreensColumns) {
    EXPECT_EQ(report::JoinBrokenWords("РАЦИО- НАЛЬНОСТЬ ПИТАНИЯ"), "РАЦИОНАЛЬНОСТЬ ПИТАНИЯ");
    EXPECT_EQ(report::JoinBrokenWords("ПРЕД- РАКО- ВАЯ"), "ПРЕДРАКОВАЯ");
    // A dash between blanks is a dash, and a hyphen at the end stays.
    EXPECT_EQ(report::JoinBrokenWords("ПСИХО - ЭМОЦИОНАЛЬНОГО"), "ПСИХО - ЭМОЦИОНАЛЬНОГО");
    EXPECT_EQ(report::JoinBrokenWords("ВОЗ-"), "ВОЗ-");
    EXPECT_EQ(report::JoinBrokenWords("Индекс 5- 6"), "Индекс 5- 6");

    results::ResultsPage page;
    page.current = {{0, "09.03.2026"}, {1, "Хорошо"}};
    page.history = {{{0, "02.03.2026"}, {1, "Плохо"}}, {{0, "01.01.2026"}}};
    const auto grid =
        report::ReportGrid({{"ДАТА", 0}, {"ОКРУЖАЮЩАЯ СРЕДА", -1}, {"ФИЗИ- ЧЕСКОЕ", 1}}, page);
    ASSERT_EQ(grid.size(), 3u);
    EXPECT_EQ(grid[0].cells, (std::vector<std::string>{"09.03.2026", "02.03.2026", "01.01.2026"}));
    EXPECT_TRUE(grid[1].heading);
    EXPECT_TRUE(grid[1].cells.empty());
    EXPECT_EQ(grid[2].caption, "ФИЗИЧЕСКОЕ");
    // A value an earlier run does not have is an empty cell, not a shifted one.
    EXPECT_EQ(grid[2].cells, (std::vector<std::string>{"Хорошо", "Плохо", ""}));
}

TEST(ComposeReport, AReportFromTheResultsAloneHasTheGridAndTheClosingNoteOnly) {
    RunReport run = Program1Report();
    run.grid = {{"ДАТА", false, {"09.03.2026"}}, {"ИНДЕКС МАССЫ", false, {"Хорошо"}}};
    const auto composed = ComposeReport(run);
    const auto top = Texts(composed.beforeChart);
    EXPECT_EQ(top[0], "Отчет о тестировании");
    EXPECT_EQ(top[1], "Программа «" + text::GetCatalogText(100) + "»");
    EXPECT_EQ(top[2], "Соколова Анна, 1992 г. р.");
    EXPECT_EQ(top[3], "Дата тестирования: 09.03.2026");
    EXPECT_TRUE(Has(top, "[table 2×2]"));
    // One column: nothing to say about earlier runs, and no chart.
    EXPECT_FALSE(Has(top, text::FormText("report", "ResultsOrder")));
    EXPECT_FALSE(composed.chart);
    const auto rest = Texts(composed.afterChart);
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0], text::FormText("report", "Closing"));
}

TEST(ComposeReport, AWholeRunHasItsPartsInTheOrderOfTheRoadAndTheNoteLast) {
    RunReport run = Program1Report();
    run.grid = {{"ДАТА", false, {"09.03.2026", "02.03.2026"}}};
    run.chart.runs = {{"02.03.26", 2, 22.1f}, {"09.03.26", 1, 22.5f}};
    run.conclusion = {{Line::Look::Title, "Заключение, г-жа Соколова Анна"},
                      {Line::Look::Paragraph, "Первый абзац.\r\n\r\nВторой абзац,\r\nс переносом."},
                      {Line::Look::Item, "Боли в суставах"},
                      {Line::Look::Marked, "Нарушения сна"}};
    run.dangerNotice = "Обратитесь к врачу";
    run.preparations = {{Line::Look::Caption, "Основные препараты"}, {Line::Look::Item, "Тервил"}};
    docs::RtfDocument plan;
    docs::Paragraph row;
    row.runs.push_back({U"Тервил — утром", {}});
    plan.blocks.push_back(row);
    run.plan = plan;

    const auto composed = ComposeReport(run);
    EXPECT_TRUE(composed.chart);
    EXPECT_TRUE(Has(Texts(composed.beforeChart), text::FormText("report", "ResultsOrder")));
    const auto rest = Texts(composed.afterChart);
    const std::vector<std::string> expected = {
        "Заключение",
        "Заключение, г-жа Соколова Анна",
        "Первый абзац.",
        "Второй абзац,\nс переносом.",
        "•\tБоли в суставах",
        "•\tНарушения сна",
        "Обратитесь к врачу",
        "Рекомендованные препараты",
        "Основные препараты",
        "•\tТервил",
        "Как принимать препараты",
        "Тервил — утром",
        text::FormText("report", "Closing"),
    };
    EXPECT_EQ(rest, expected);
    // The complaint the person marked stands out.
    const auto bold = [&](size_t block) {
        return std::get<docs::Paragraph>(composed.afterChart.blocks[block])
            .runs.front()
            .format.bold;
    };
    EXPECT_FALSE(bold(4));
    EXPECT_TRUE(bold(5));
}

TEST(ReportFileName, NamesThePersonAndTheDateSortablyAndKeepsOutWhatNoFileNameMayHold) {
    RunReport run = Program1Report();
    EXPECT_EQ(report::ReportFileName(run), "Зорвек — Соколова Анна — 2026-03-09.pdf");
    run.name = "Соколова/Анна\t\"А\"";
    run.date = "9 марта";
    EXPECT_EQ(report::ReportFileName(run), "Зорвек — СоколоваАннаА — 9 марта.pdf");
}

}  // namespace
