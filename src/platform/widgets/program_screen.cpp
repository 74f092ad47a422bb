#include "platform/widgets/program_screen.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "platform/forms.h"
#include "platform/qt_text.h"
#include "platform/widgets/abort_question.h"
#include "platform/widgets/print_screen.h"
#include "platform/widgets/screen_room.h"
#include "text/catalogue.h"

namespace widgets {

ProgramScreen::ProgramScreen(platform::AppContext& context, std::string formName,
                             state::Placement place, int narrowestWidth, QWidget* parent)
    : QWidget(parent),
      ctx_(context),
      formName_(std::move(formName)),
      place_(place),
      narrowestWidth_(narrowestWidth) {
    setWindowTitle(platform::ToQt(Caption("Caption")));
    setAutoFillBackground(true);
}

std::string ProgramScreen::Caption(std::string_view control) const {
    return text::FormText(formName_, std::string(control));
}

QLabel* ProgramScreen::NewHeading(const char* name, double scale) {
    auto* label = new QLabel(platform::ToQt(Caption(name)), this);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    return label;
}

void ProgramScreen::CreateButtons(int buttons, QWidget* holder) {
    if (!holder) holder = this;
    const auto make = [&](const char* name, void (ProgramScreen::*handler)()) {
        // The report's button is the same on every screen that has it.
        const std::string caption =
            std::string_view(name) == "cmdReport" ? text::FormText("report", name) : Caption(name);
        auto* button = new QPushButton(platform::ToQt(caption), holder);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return button;
    };
    if (buttons & kContinue) {
        cmdContinue = make("cmdContinue", &ProgramScreen::cmdContinue_Click);
        QFont bold = cmdContinue->font();
        bold.setBold(true);
        cmdContinue->setFont(bold);
    }
    if (buttons & kReturn) cmdReturn = make("cmdReturn", &ProgramScreen::cmdReturn_Click);
    if (buttons & kPrint) cmdPrint = make("cmdPrint", &ProgramScreen::cmdPrint_Click);
    if (buttons & kReport) cmdReport = make("cmdReport", &ProgramScreen::cmdReport_Click);
    if (buttons & kClose) cmdClose = make("cmdClose", &ProgramScreen::cmdClose_Click);
}

QLayout* ProgramScreen::ButtonBar(BarShape shape) {
    if (shape == BarShape::Row) {
        auto* row = new QHBoxLayout;
        for (QPushButton* button : BarButtons()) {
            button->setAutoDefault(true);  // Enter presses the button that has the focus
            row->addWidget(button);
        }
        return row;
    }
    auto* grid = new QGridLayout;
    int column = 0;
    for (QPushButton* button : {cmdReturn, cmdPrint, cmdReport, cmdClose}) {
        if (button) grid->addWidget(button, 1, column++);
    }
    if (cmdContinue) grid->addWidget(cmdContinue, 0, 0, 1, std::max(column, 1));
    for (QPushButton* button : BarButtons()) {
        button->setMinimumHeight(30);
    }
    return grid;
}

QSize ProgramScreen::sizeHint() const {
    const QSize hint = QWidget::sizeHint();
    const int width = std::max(hint.width(), narrowestWidth_);
    return {width,
            layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : hint.height()};
}

void ProgramScreen::PlaceInMainWindow(bool makeRoom) {
    ctx_.forms.Place(this, place_.topTwips, place_.leftTwips);
    if (makeRoom) MakeRoomInMainWindow(ctx_, *this, place_.topTwips, place_.leftTwips);
}

std::vector<QPushButton*> ProgramScreen::BarButtons() const {
    std::vector<QPushButton*> bar;
    for (QPushButton* button : {cmdContinue, cmdReturn, cmdPrint, cmdReport, cmdClose}) {
        if (button) bar.push_back(button);
    }
    return bar;
}

void ProgramScreen::OpenInstead(const std::string& next) {
    ctx_.forms.Unload(formName_);
    ctx_.forms.Show(next);
}

void ProgramScreen::PrintWithoutButtons(const std::vector<QWidget*>& extra) {
    const std::vector<QPushButton*> bar = BarButtons();
    std::vector<QWidget*> hidden(bar.begin(), bar.end());
    hidden.insert(hidden.end(), extra.begin(), extra.end());
    PrintScreen(ctx_, *this, hidden);
}

void ProgramScreen::cmdClose_Click() {
    if (ConfirmAbort(ctx_)) ctx_.forms.Unload(formName_);
}

void ProgramScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    const std::vector<QPushButton*> bar = BarButtons();
    std::vector<QWidget*> chain;
    for (QWidget* next = nextInFocusChain(); next && next != this;
         next = next->nextInFocusChain()) {
        if (!isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus)) continue;
        if (std::find(bar.begin(), bar.end(), next) == bar.end()) chain.push_back(next);
    }
    chain.insert(chain.end(), bar.begin(), bar.end());
    for (size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
    // Enter presses the button that has the focus, the bar's and the screen's own alike.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
}

void ProgramScreen::closeEvent(QCloseEvent* event) {
    // Only the answer "ДА" closes the screen, and then through the screen registry.
    event->ignore();
    cmdClose_Click();
}

}  // namespace widgets
