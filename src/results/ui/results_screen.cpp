#include "results/ui/results_screen.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/forms.h"
#include "platform/qt_text.h"
#include "platform/widgets/accessible_names.h"
#include "platform/widgets/print_screen.h"
#include "platform/widgets/screen_room.h"
#include "results/ui/history_chart.h"
#include "results/user_profile.h"
#include "state/programs.h"
#include "text/catalogue.h"

namespace results {
namespace {

using platform::ToQt;

QString ArrayName(const char* name, int index) { return QString("%1(%2)").arg(name).arg(index); }

// Grid lines: the cells stand on a darker ground one pixel apart.
const char* kGridStyle =
    "QWidget#Grid { background: #5f7f9f; }"
    "QWidget#Grid QLabel { background: white; padding: 3px 5px; }"
    "QWidget#Grid QLabel[caption=\"true\"] { background: #e8eef5; font-weight: bold; }"
    "QWidget#Grid QLabel[current=\"true\"] { background: #fffbe6; font-weight: bold; }";

constexpr int kCellWidth = 104;
constexpr int kChartWidth = 760;
// Narrowest width of a results screen: the buttons keep their captions readable.
constexpr int kMinimumWidth = 640;

}  // namespace

ResultsScreen::ResultsScreen(platform::AppContext& context, int program, GridShape shape,
                             const char* headerName)
    : ProgramScreen(context, std::string(state::ProgramOf(program)->results),
                    state::kProgramScreenPlace, kMinimumWidth),
      program_(program),
      shape_(shape),
      layout_(new QVBoxLayout(this)) {
    header_ = NewHeading(headerName, 1.25);
    header_->setAlignment(Qt::AlignCenter);
    layout_->addWidget(header_);
    CreateButtons(kContinue | kReturn | kPrint | kClose);
}

void ResultsScreen::BuildGrid(const std::vector<Row>& rows, const std::vector<const char*>& legend,
                              int legendColumns) {
    auto* ground = new QWidget(this);
    ground->setObjectName("Grid");
    ground->setStyleSheet(kGridStyle);
    ground->setAttribute(Qt::WA_StyledBackground);
    grid_ = new QGridLayout(ground);
    grid_->setContentsMargins(1, 1, 1, 1);
    grid_->setSpacing(1);

    // Row captions are narrow, so that their words break where the captions are hyphenated.
    QFont captionFont = font();
    captionFont.setBold(true);
    const QFontMetrics metrics(captionFont);
    int captionWidth = 0;
    for (const Row& row : rows) {
        if (row.row == kHeadingRow) continue;
        for (const QString& word : ToQt(Caption(row.captionName)).split(' ', Qt::SkipEmptyParts)) {
            captionWidth = std::max(captionWidth, metrics.horizontalAdvance(word));
        }
    }
    captionWidth += 14;

    const int columns = 1 + kMaxHistoryRuns;
    for (const Row& row : rows) reportRows_.push_back({Caption(row.captionName), row.row});
    for (size_t r = 0; r < rows.size(); ++r) {
        auto* caption = new QLabel(ToQt(Caption(rows[r].captionName)), ground);
        caption->setObjectName(rows[r].captionName);
        caption->setProperty("caption", true);
        caption->setWordWrap(true);
        if (rows[r].row == kHeadingRow) {
            // Spans the captions and the columns shown (see ShowPage); it takes the width they
            // give and wraps in it rather than widening the grid.
            caption->setAlignment(Qt::AlignCenter);
            caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            grid_->addWidget(caption, static_cast<int>(r), 0, 1, 2);
            headings_[static_cast<int>(r)] = caption;
            continue;
        }
        caption->setFixedWidth(captionWidth);
        caption->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        grid_->addWidget(caption, static_cast<int>(r), 0);
        for (int c = 0; c < columns; ++c) {
            const int column = shape_.currentColumn + c;
            const int index = shape_.CellIndex(column, rows[r].row);
            auto* cell = new QLabel(ground);
            cell->setObjectName(ArrayName("Label10", index));
            cell->setWordWrap(true);
            cell->setAlignment(Qt::AlignCenter);
            cell->setFixedWidth(kCellWidth);
            cell->setMinimumHeight(34);
            // A screen reader tells the row a rating belongs to with it.
            cell->setAccessibleDescription(widgets::Spoken(caption->text()));
            if (c == 0) {
                cell->setProperty("current", true);
            } else {
                cell->hide();
            }
            grid_->addWidget(cell, static_cast<int>(r), 1 + c);
            Label10[index] = cell;
        }
    }
    auto* gridRow = new QHBoxLayout;
    gridRow->addStretch();
    gridRow->addWidget(ground);
    gridRow->addStretch();
    layout_->addSpacing(6);
    layout_->addLayout(gridRow);
    // The chart of the earlier runs, shown by ShowPage when there are any.
    chart_ = new HistoryChartView(this);
    chart_->setMaximumWidth(kChartWidth);
    auto* chartRow = new QHBoxLayout;
    chartRow->addStretch();
    chartRow->addWidget(chart_, 1);
    chartRow->addStretch();
    layout_->addSpacing(6);
    layout_->addLayout(chartRow);
    if (!legend.empty()) {
        auto* legendGrid = new QGridLayout;
        legendGrid->setHorizontalSpacing(24);
        legendGrid->setVerticalSpacing(2);
        const int perRow = std::max(1, legendColumns);
        for (size_t i = 0; i < legend.size(); ++i) {
            auto* entry = new QLabel(ToQt(Caption(legend[i])), this);
            entry->setObjectName(legend[i]);
            const int at = static_cast<int>(i);
            legendGrid->addWidget(entry, at / perRow, at % perRow);
        }
        auto* legendRow = new QHBoxLayout;
        legendRow->addStretch();
        legendRow->addLayout(legendGrid);
        legendRow->addStretch();
        layout_->addSpacing(6);
        layout_->addLayout(legendRow);
    }
    layout_->addSpacing(10);

    layout_->addLayout(ButtonBar(BarShape::Grid));
    layout_->addStretch();
}

std::unique_ptr<ProfileStore> ResultsScreen::OpenProfile() const {
    return std::make_unique<UserProfile>(ctx_.state.userFile);
}

QLabel* ResultsScreen::Cell(int index) const {
    const auto it = Label10.find(index);
    return it == Label10.end() ? nullptr : it->second;
}

void ResultsScreen::ShowPage(const ResultsPage& page) {
    for (const results::Cell& cell : page.current) {
        if (QLabel* label = Cell(shape_.CellIndex(shape_.currentColumn, cell.row)))
            label->setText(ToQt(cell.text));
    }
    for (size_t n = 0; n < page.history.size(); ++n) {
        const int column = shape_.HistoryColumn(static_cast<int>(n));
        // The tool tip tells runs of the same day apart by their time.
        QString when;
        if (n < page.historyWhen.size()) {
            const ResultsPage::When& run = page.historyWhen[n];
            when = run.time.empty()
                       ? ToQt(text::FormText("results", "HistoryDay")).arg(ToQt(run.date))
                       : ToQt(text::FormText("results", "HistoryTime"))
                             .arg(ToQt(run.date), ToQt(run.time));
        }
        for (const results::Cell& cell : page.history[n]) {
            if (QLabel* label = Cell(shape_.CellIndex(column, cell.row))) {
                label->setText(ToQt(cell.text));
                label->setToolTip(when);
                label->show();
            }
        }
    }
    chart_->SetChart(page.chart);
    // A new report begins with the results of the run.
    ctx_.report = report::NewRunReport(program_, ctx_.state, ctx_.clock.Now());
    ctx_.report.grid = report::ReportGrid(reportRows_, page);
    ctx_.report.chart = page.chart;
    // A heading spans the caption column, today's column and the earlier runs shown.
    for (const auto& [gridRow, heading] : headings_) {
        grid_->removeWidget(heading);
        grid_->addWidget(heading, gridRow, 0, 1, 2 + static_cast<int>(page.history.size()));
    }
}

void ResultsScreen::ReportRecord(const StoreResult& record) {
    if (record.ok) return;
    const std::string list = text::FormText("results", "RecordNotWritten");
    std::string message = text::GetListItem(list, 1) + ctx_.state.userFile;
    if (!record.reason.empty()) message += text::GetListItem(list, 2) + record.reason + ".";
    message += text::GetListItem(list, 3);
    ctx_.messages.Show(message, platform::MessageBox::Buttons::Ok,
                       platform::MessageBox::Icon::Warning);
}

void ResultsScreen::FitIntoMainWindow() {
    setMinimumSize(sizeHint());
    PlaceInMainWindow(true);
}

void ResultsScreen::cmdContinue_Click() {
    ctx_.state.navForward = true;
    OpenInstead(std::string(state::ProgramOf(program_)->conclusion));
}

void ResultsScreen::cmdReturn_Click() {
    ctx_.forms.Unload(formName_);
    ctx_.state.enterAtEnd = true;
    ctx_.state.curTest = ctx_.state.lastTest;
    ctx_.forms.Show("frmAnketa");
}

}  // namespace results
