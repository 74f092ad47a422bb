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

ConclusionScreen::ConclusionScreen(platform::AppContext& context, int program)
    : ProgramScreen(context, std::string(state::ProgramOf(program)->conclusion),
                    state::kProgramScreenPlace, kScreenWidth),
      program_(program),
      layout_(new QVBoxLayout(this)) {
    layout_->setSpacing(7);
    layout_->setContentsMargins(14, 10, 14, 10);

    lblDate = new QLabel(this);
    lblDate->setObjectName("lblDate");
    lblDate->setAlignment(Qt::AlignRight);

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    CreateButtons(kContinue | kReturn | kPrint | kClose, Frame1);
    QLayout* buttons = ButtonBar(BarShape::Grid);
    buttons->setContentsMargins(0, 6, 0, 0);
    Frame1->setLayout(buttons);
}

QLabel* ConclusionScreen::AddLabel(const char* name, Look look) {
    return AddLabel(QString::fromLatin1(name), look);
}

QLabel* ConclusionScreen::AddLabel(const QString& name, Look look) {
    return AddLabel(name, look, nullptr);
}

QFrame* ConclusionScreen::AddPanel(const QString& name) {
    auto* panel = new QFrame(this);
    panel->setObjectName(name);
    auto* inside = new QVBoxLayout(panel);
    inside->setContentsMargins(0, 0, 0, 0);
    inside->setSpacing(7);
    panel->hide();
    layout_->addWidget(panel);
    return panel;
}

QLabel* ConclusionScreen::AddLabel(const QString& name, Look look, QFrame* panel) {
    QWidget* parent = panel ? static_cast<QWidget*>(panel) : this;
    QLabel* label =
        look == Look::Date ? lblDate : new QLabel(ToQt(Caption(name.toStdString())), parent);
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
    if (panel) {
        panel->layout()->addWidget(label);
    } else {
        layout_->addWidget(label);
    }
    return label;
}

void ConclusionScreen::AddLayout(QLayout* layout) { layout_->addLayout(layout); }

void ConclusionScreen::OpeningSteps() {
    ctx_.state.navForward = false;
    PlaceInMainWindow(false);
}

void ConclusionScreen::FinishLayout() {
    FrameDanger = new DangerNotice(ctx_.state, this);
    layout_->addWidget(FrameDanger);
    layout_->addWidget(Frame1);
    layout_->addStretch();
    // The texts wrap at the screen's width; the screen never gets so small that they are cut.
    setMinimumSize(sizeHint());
    PlaceInMainWindow(true);
}

void ConclusionScreen::cmdContinue_Click() {
    ctx_.state.navForward = true;
    OpenInstead(RouteOf(program_).recommendations);
}

void ConclusionScreen::cmdReturn_Click() { OpenInstead(RouteOf(program_).results); }

void ConclusionScreen::cmdPrint_Click() { PrintWithoutButtons(HiddenWhilePrinting()); }

}  // namespace conclusions
