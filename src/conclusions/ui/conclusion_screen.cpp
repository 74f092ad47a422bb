#include "conclusions/ui/conclusion_screen.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "conclusions/conclusion_frame.h"
#include "conclusions/ui/danger_notice.h"
#include "platform/forms.h"
#include "platform/qt_text.h"
#include "platform/widgets/print_screen.h"
#include "platform/widgets/screen_room.h"
#include "report/ui/report_file.h"
#include "text/catalogue.h"

namespace conclusions {
namespace {

using platform::FromQt;
using platform::ToQt;

constexpr int kScreenWidth = 880;
// The property of a label added by AddLabel that tells how it stands on the screen.
constexpr const char* kLookProperty = "conclusionLook";

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
    CreateButtons(kContinue | kReturn | kPrint | kReport | kClose, Frame1);
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
    label->setProperty(kLookProperty, static_cast<int>(look));
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
    RecordReport();
    ctx_.state.navForward = true;
    OpenInstead(RouteOf(program_).recommendations);
}

void ConclusionScreen::cmdReturn_Click() { OpenInstead(RouteOf(program_).results); }

void ConclusionScreen::cmdPrint_Click() { PrintWithoutButtons(HiddenWhilePrinting()); }

void ConclusionScreen::cmdReport_Click() {
    RecordReport();
    report::SaveReport(ctx_);
}

void ConclusionScreen::RecordReport() {
    if (ctx_.report.program != program_)
        ctx_.report = report::NewRunReport(program_, ctx_.state, ctx_.clock.Now());
    // The texts in the order they stand, as far as they are shown and belong on paper: the
    // date (the report has its own), the document buttons and their captions stay out.
    const std::vector<QWidget*> offPaper = HiddenWhilePrinting();
    const auto reportLook = [](Look look) {
        switch (look) {
            case Look::Title:
                return report::Line::Look::Title;
            case Look::Strong:
                return report::Line::Look::Strong;
            case Look::Caption:
                return report::Line::Look::Caption;
            case Look::Signature:
                return report::Line::Look::Signature;
            default:
                return report::Line::Look::Paragraph;
        }
    };
    std::vector<report::Line> lines;
    const std::function<void(QLayout*)> collect = [&](QLayout* layout) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem* item = layout->itemAt(i);
            if (QLayout* inner = item->layout()) {
                collect(inner);
                continue;
            }
            QWidget* widget = item->widget();
            if (!widget || !widget->isVisibleTo(this) || widget == FrameDanger ||
                std::find(offPaper.begin(), offPaper.end(), widget) != offPaper.end())
                continue;
            if (auto* option = qobject_cast<QRadioButton*>(widget)) {
                lines.push_back(
                    {option->isChecked() ? report::Line::Look::Marked : report::Line::Look::Item,
                     FromQt(option->text())});
            } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                // A label the screen made itself is an entry of a list (program 4's sources).
                const QVariant look = label->property(kLookProperty);
                if ((look.isValid() && look.toInt() == static_cast<int>(Look::Date)) ||
                    label->text().trimmed().isEmpty())
                    continue;
                lines.push_back({look.isValid() ? reportLook(static_cast<Look>(look.toInt()))
                                                : report::Line::Look::Item,
                                 FromQt(label->text())});
            } else if (widget->layout()) {
                collect(widget->layout());
            }
        }
    };
    collect(layout_);
    ctx_.report.conclusion = std::move(lines);
    ctx_.report.dangerNotice =
        FrameDanger && !FrameDanger->isHidden() ? FromQt(FrameDanger->lblDanger->text()) : "";
    ctx_.report.preparations.clear();
    ctx_.report.plan.reset();
}

}  // namespace conclusions
