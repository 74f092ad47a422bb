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
#include "platform/widgets/print_screen.h"
#include "platform/widgets/screen_room.h"
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
// Narrowest width of a results screen: the buttons keep their captions readable.
constexpr int kMinimumWidth = 640;

}  // namespace

ResultsScreen::ResultsScreen(platform::AppContext& context, std::string formName, int program,
                             GridShape shape, const char* headerName)
    : ctx_(context),
      formName_(std::move(formName)),
      program_(program),
      shape_(shape),
      layout_(new QVBoxLayout(this)) {
    setWindowTitle(ToQt(Caption("Caption")));
    setAutoFillBackground(true);

    header_ = new QLabel(ToQt(Caption(headerName)), this);
    header_->setObjectName(headerName);
    header_->setWordWrap(true);
    QFont headerFont = header_->font();
    headerFont.setPointSizeF(headerFont.pointSizeF() * 1.25);
    headerFont.setBold(true);
    header_->setFont(headerFont);
    header_->setAlignment(Qt::AlignCenter);
    layout_->addWidget(header_);

    auto makeButton = [this](const char* name) {
        auto* button = new QPushButton(ToQt(Caption(name)), this);
        button->setObjectName(name);
        button->setMinimumHeight(30);
        return button;
    };
    cmdContinue = makeButton("cmdContinue");
    cmdReturn = makeButton("cmdReturn");
    cmdPrint = makeButton("cmdPrint");
    cmdClose = makeButton("cmdClose");
    QFont continueFont = cmdContinue->font();
    continueFont.setBold(true);
    cmdContinue->setFont(continueFont);
    connect(cmdContinue, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
    connect(cmdReturn, &QPushButton::clicked, this, [this] { cmdReturn_Click(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

std::string ResultsScreen::Caption(const char* control) const {
    return text::FormText(formName_, control);
}

void ResultsScreen::BuildGrid(const std::vector<Row>& rows) {
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
        for (const QString& word : ToQt(Caption(row.captionName)).split(' ', Qt::SkipEmptyParts)) {
            captionWidth = std::max(captionWidth, metrics.horizontalAdvance(word));
        }
    }
    captionWidth += 14;

    const int columns = 1 + kMaxHistoryRuns;
    for (size_t r = 0; r < rows.size(); ++r) {
        auto* caption = new QLabel(ToQt(Caption(rows[r].captionName)), ground);
        caption->setObjectName(rows[r].captionName);
        caption->setProperty("caption", true);
        caption->setWordWrap(true);
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
    layout_->addSpacing(10);

    auto* buttons = new QGridLayout;
    buttons->addWidget(cmdContinue, 0, 0, 1, 3);
    buttons->addWidget(cmdReturn, 1, 0);
    buttons->addWidget(cmdPrint, 1, 1);
    buttons->addWidget(cmdClose, 1, 2);
    layout_->addLayout(buttons);
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
        for (const results::Cell& cell : page.history[n]) {
            if (QLabel* label = Cell(shape_.CellIndex(column, cell.row))) {
                label->setText(ToQt(cell.text));
                label->show();
            }
        }
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

QSize ResultsScreen::sizeHint() const {
    const QSize hint = QWidget::sizeHint();
    const int width = std::max(hint.width(), kMinimumWidth);
    return {width,
            layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : hint.height()};
}

void ResultsScreen::FitIntoMainWindow() {
    setMinimumSize(sizeHint());
    ctx_.forms.Place(this, kTopTwips, kLeftTwips);
    widgets::MakeRoomInMainWindow(ctx_, *this, kTopTwips, kLeftTwips);
}

void ResultsScreen::cmdContinue_Click() {
    ctx_.state.navForward = true;
    const std::string next(state::ProgramOf(program_)->conclusion);
    ctx_.forms.Unload(formName_);
    ctx_.forms.Show(next);
}

void ResultsScreen::cmdReturn_Click() {
    ctx_.forms.Unload(formName_);
    ctx_.state.enterAtEnd = true;
    ctx_.state.curTest = ctx_.state.lastTest;
    ctx_.forms.Show("frmAnketa");
}

void ResultsScreen::cmdPrint_Click() {
    widgets::PrintScreen(ctx_, *this, {cmdContinue, cmdReturn, cmdClose, cmdPrint});
}

void ResultsScreen::closeEvent(QCloseEvent* event) {
    // Only the answer "ДА" closes the screen, and then through the screen registry.
    event->ignore();
    cmdClose_Click();
}

void ResultsScreen::cmdClose_Click() {
    ctx_.state.dlgResult = 0;
    ctx_.forms.ShowModal("frmAbort");
    if (ctx_.state.dlgResult == 1) ctx_.forms.Unload(formName_);
}

}  // namespace results
