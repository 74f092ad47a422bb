#pragma once
// The shape every results screen shares: the header, the grid of Label10 members (the current
// run and up to six earlier runs), and the four buttons with their handlers.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/app_context.h"
#include "platform/widgets/program_screen.h"
#include "report/run_report.h"
#include "results/profile_store.h"
#include "results/results_page.h"

class QGridLayout;
class QLabel;
class QVBoxLayout;

namespace results {

class HistoryChartView;

class ResultsScreen : public widgets::ProgramScreen {
    Q_OBJECT
  protected:
    ResultsScreen(platform::AppContext& context, int program, GridShape shape,
                  const char* headerName);

    // Builds the grid: one row per entry of rows (with its caption label), the current column and
    // six history columns. The history cells stay hidden until filled. A legend of the marks
    // the grid uses (its labels' names, each with its design caption) stands below the grid, in
    // rows of legendColumns.
    struct Row {
        int row;
        const char* captionName;  // the fixed caption label of the row, e.g. "Label3"
    };
    // A Row with this row number is a heading across the grid over the rows that follow it.
    static constexpr int kHeadingRow = -1;
    void BuildGrid(const std::vector<Row>& rows, const std::vector<const char*>& legend = {},
                   int legendColumns = 3);
    // The cell Label10(index).
    QLabel* Cell(int index) const;
    // Puts the computed columns into the grid and shows the filled history cells.
    void ShowPage(const ResultsPage& page);
    // Tells the user that the record of this run could not be stored.
    void ReportRecord(const StoreResult& record);
    // The profile of the current user.
    std::unique_ptr<ProfileStore> OpenProfile() const;
    // Final step of Form_Load: the main window grows if the screen needs the room.
    void FitIntoMainWindow();

    void cmdContinue_Click() override;  // the program's conclusion
    void cmdReturn_Click() override;    // the last test at its last question

    const int program_;
    const GridShape shape_;
    QLabel* header_ = nullptr;  // Label1 / Label0

  private:
    QVBoxLayout* layout_;
    QGridLayout* grid_ = nullptr;
    std::map<int, QLabel*> Label10;
    std::map<int, QLabel*> headings_;  // by grid row: they span the columns that are shown
    HistoryChartView* chart_ = nullptr;
    std::vector<report::GridRowSource> reportRows_;  // the grid's rows as the report shows them
};

}  // namespace results
