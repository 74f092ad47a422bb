#include "conclusions/ui/frm_conclusion3.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <cmath>

#include "conclusions/conclusion_frame.h"
#include "conclusions/program3.h"
#include "docs/ui/show_document.h"
#include "platform/qt_text.h"
#include "text/catalogue.h"

namespace conclusions {

using platform::ToQt;

namespace {

QString Member(const char* name, int index) { return QString("%1(%2)").arg(name).arg(index); }

// Panel 8, with three sources of risk and three documents, is the tallest.
constexpr int kTallestPanel = 8;

}  // namespace

frmConclusion3::frmConclusion3(platform::AppContext& context) : ConclusionScreen(context, 3) {
    Label1 = AddLabel("Label1", Look::Title);
    lblName = AddLabel("lblName", Look::Title);
    AddLabel("lblDate", Look::Date);
    lblRez = AddLabel("lblRez", Look::Paragraph);
    lblRezValue = AddLabel("lblRezValue", Look::Strong);
    // The ten panels lie at one place: only the one of the variant is shown. Each holds its main
    // text, the documents it invites to read, then its further text.
    for (int variant = 1; variant <= kPanelCount3; ++variant) {
        const Panel3& panel = *PanelOf3(variant);
        QFrame* frame = AddPanel(Member("FrameRez", variant));
        Label10[panel.mainText] =
            AddLabel(Member("Label10", panel.mainText), Look::Paragraph, frame);
        for (int member : panel.books) {
            auto* button =
                new QPushButton(ToQt(Caption(Member("Book", member % 10).toStdString())), frame);
            button->setObjectName(Member("cmdBooks", member));
            button->setStyleSheet("text-align: left; padding: 4px 10px;");
            button->setMinimumHeight(26);
            connect(button, &QPushButton::clicked, this,
                    [this, member] { cmdBooks_Click(member); });
            frame->layout()->addWidget(button);
            cmdBooks[member] = button;
        }
        if (panel.furtherText != 0) {
            Label10[panel.furtherText] =
                AddLabel(Member("Label10", panel.furtherText), Look::Paragraph, frame);
        }
        FrameRez[variant] = frame;
    }
    panelGap_ = AddPanel("PanelGap");
    lblSignature[0] = AddLabel("lblSignature(0)", Look::Signature);
    lblSignature[0]->hide();
    Form_Load();
}

void frmConclusion3::Form_Load() {
    OpeningSteps();
    const int rating = Overall3(ctx_.state);
    const int variant = Variant3(ctx_.state);
    cmdContinue->setEnabled(RecommendationsOpen3(variant));
    if (PanelOf3(variant)) FrameRez[variant]->show();
    lblRezValue->setText(ToQt(RatingWord3(rating)));
    for (auto& [index, label] : Label10)
        label->setText(ToQt(text::ReplaceBreaks(Caption(Member("Label10", index).toStdString()))));
    lblName->setText(ToQt(SalutationChild(ctx_.state)));
    lblDate->setText(ToQt(TodayText(ctx_.clock)));
    lblSignature[0]->show();

    // The screen fits the panel shown: what follows it stands right below it, a hundredth of the
    // tallest panel's height apart.
    // Panel 8's height at the width every panel gets: the screen's less its margins.
    const QMargins margins = layout()->contentsMargins();
    const int panelWidth = sizeHint().width() - margins.left() - margins.right();
    QLayout* tallest = FrameRez[kTallestPanel]->layout();
    const int tallestHeight = tallest->hasHeightForWidth()
                                  ? tallest->totalHeightForWidth(panelWidth)
                                  : tallest->sizeHint().height();
    panelGap_->setFixedHeight(static_cast<int>(std::lround(0.01 * tallestHeight)));
    panelGap_->show();
    FinishLayout();
}

void frmConclusion3::cmdBooks_Click(int index) { docs::ShowDocument(ctx_, BookDocument3(index)); }

}  // namespace conclusions
