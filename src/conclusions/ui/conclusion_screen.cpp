#include "conclusions/ui/conclusion_screen.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "conclusions/conclusion_frame.h"
#include "conclusions/ui/danger_notice.h"
#include "platform/forms.h"
#include "platform/qt_text.h"
#include "platform/widgets/print_screen.h"
#include "platform/widgets/screen_room.h"
#include "text/catalogue.h"

namespace conclusions {
namespace {

using platform::ToQt;

constexpr int kScreenWidth = 880;

}  // namespace

ConclusionScreen::ConclusionScreen(platform::AppContext& context, std::string formName, int program)
    : ctx_(context),
      formName_(std::move(formName)),
      program_(program),
      layout_(new QVBoxLayout(this)) {
    setWindowTitle(ToQt(Caption("Caption")));
    setAutoFillBackground(true);
    layout_->setSpacing(7);
    layout_->setContentsMargins(14, 10, 14, 10);

    lblDate = new QLabel(this);
    lblDate->setObjectName("lblDate");
    lblDate->setAlignment(Qt::AlignRight);

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    auto makeButton = [this](const char* name) {
        auto* button = new QPushButton(ToQt(Caption(name)), Frame1);
        button->setObjectName(name);
        button->setMinimumHeight(30);
        return button;
    };
    cmdContinue = makeButton("cmdContinue");
    cmdReturn = makeButton("cmdReturn");
    cmdClose = makeButton("cmdClose");
    cmdPrint = makeButton("cmdPrint");
    QFont bold = cmdContinue->font();
    bold.setBold(true);
    cmdContinue->setFont(bold);
    auto* buttons = new QGridLayout(Frame1);
    buttons->setContentsMargins(0, 6, 0, 0);
    buttons->addWidget(cmdContinue, 0, 0, 1, 3);
    buttons->addWidget(cmdReturn, 1, 0);
    buttons->addWidget(cmdPrint, 1, 1);
    buttons->addWidget(cmdClose, 1, 2);
    connect(cmdContinue, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
    connect(cmdReturn, &QPushButton::clicked, this, [this] { cmdReturn_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
}

std::string ConclusionScreen::Caption(const char* control) const {
    return text::FormText(formName_, control);
}
std::string ConclusionScreen::Caption(const QString& control) const {
    return text::FormText(formName_, control.toStdString());
}

QLabel* ConclusionScreen::AddLabel(const char* name, Look look) {
    return AddLabel(QString::fromLatin1(name), look);
}

QLabel* ConclusionScreen::AddLabel(const QString& name, Look look) {
    QLabel* label = look == Look::Date ? lblDate : new QLabel(ToQt(Caption(name)), this);
    label->setObjectName(name);
    label->setWordWrap(look != Look::Date);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    switch (look) {
        case Look::Title:
            font.setPointSizeF(font.pointSizeF() * 1.25);
            font.setBold(true);
            label->setAlignment(Qt::AlignCenter);
            break;
        case Look::Strong:
            font.setPointSizeF(font.pointSizeF() * 1.2);
            font.setBold(true);
            label->setAlignment(Qt::AlignCenter);
            break;
        case Look::Caption:
            font.setBold(true);
            break;
        case Look::Signature:
            font.setBold(true);
            font.setItalic(true);
            label->setAlignment(Qt::AlignRight);
            break;
        case Look::Paragraph:
            label->setAlignment(Qt::AlignJustify | Qt::AlignTop);
            break;
        case Look::Date:
            label->setAlignment(Qt::AlignRight);
            break;
    }
    label->setFont(font);
    layout_->addWidget(label);
    return label;
}

void ConclusionScreen::AddLayout(QLayout* layout) { layout_->addLayout(layout); }

void ConclusionScreen::OpeningSteps() {
    ctx_.state.navForward = false;
    ctx_.forms.Place(this, kTopTwips, kLeftTwips);
}

void ConclusionScreen::FinishLayout() {
    FrameDanger = new DangerNotice(ctx_.state, this);
    layout_->addWidget(FrameDanger);
    layout_->addWidget(Frame1);
    layout_->addStretch();
    // The texts wrap at the screen's width; the screen never gets so small that they are cut.
    setMinimumSize(sizeHint());
    widgets::MakeRoomInMainWindow(ctx_, *this, kTopTwips, kLeftTwips);
}

QSize ConclusionScreen::sizeHint() const {
    const QSize hint = QWidget::sizeHint();
    const int width = std::max(hint.width(), kScreenWidth);
    return {width,
            layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : hint.height()};
}

void ConclusionScreen::cmdContinue_Click() {
    ctx_.state.navForward = true;
    ctx_.forms.Unload(formName_);
    ctx_.forms.Show(RouteOf(program_).recommendations);
}

void ConclusionScreen::cmdReturn_Click() {
    ctx_.forms.Unload(formName_);
    ctx_.forms.Show(RouteOf(program_).results);
}

void ConclusionScreen::closeEvent(QCloseEvent* event) {
    // Only the answer "ДА" closes the screen, and then through the screen registry.
    event->ignore();
    cmdClose_Click();
}

void ConclusionScreen::cmdClose_Click() {
    ctx_.state.dlgResult = 0;
    ctx_.forms.ShowModal("frmAbort");
    if (ctx_.state.dlgResult == 1) ctx_.forms.Unload(formName_);
}

void ConclusionScreen::cmdPrint_Click() {
    std::vector<QWidget*> hidden = {cmdContinue, cmdReturn, cmdClose, cmdPrint};
    for (QWidget* widget : HiddenWhilePrinting()) hidden.push_back(widget);
    widgets::PrintScreen(ctx_, *this, hidden);
}

}  // namespace conclusions
