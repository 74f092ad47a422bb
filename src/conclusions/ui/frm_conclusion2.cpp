#include "conclusions/ui/frm_conclusion2.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "conclusions/conclusion_frame.h"
#include "conclusions/program2.h"
#include "platform/qt_text.h"
#include "platform/widgets/wrapping_radio_button.h"
#include "text/catalogue.h"

namespace conclusions {

using platform::ToQt;

namespace {

constexpr int kProgram = 2;

QString Member(const char* name, int index) { return QString("%1(%2)").arg(name).arg(index); }

}  // namespace

frmConclusion2::frmConclusion2(platform::AppContext& context)
    : ConclusionScreen(context, kProgram) {
    lblName = AddLabel("lblName", Look::Title);
    Label1 = AddLabel("Label1", Look::Title);
    AddLabel("lblDate", Look::Date);
    Label10_4 = AddLabel("Label10(4)", Look::Paragraph);
    lblRez = AddLabel("lblRez", Look::Strong);
    Label17 = AddLabel("Label17", Look::Caption);

    options_ = new QVBoxLayout;
    options_->setContentsMargins(12, 0, 0, 0);
    options_->setSpacing(4);
    auto* templateOption = new QRadioButton(this);
    templateOption->setObjectName(Member("optRez1", 0));
    optRez1[0] = templateOption;
    AddLayout(options_);

    lblNoSelected = AddLabel("lblNoSelected", Look::Caption);
    lblNoSelected->setStyleSheet("color: #b00020;");

    Frame2 = AddPanel(QStringLiteral("Frame2"));
    Label10_0 = AddLabel(QStringLiteral("Label10(0)"), Look::Paragraph, Frame2);
    Form_Load();
}

void frmConclusion2::Form_Load() {
    OpeningSteps();
    optRez1[0]->hide();
    lblName->setText(ToQt(SalutationFormal(ctx_.state)));
    lblDate->setText(ToQt(TodayText(ctx_.clock)));
    Label10_0->setText(ToQt(text::ReplaceBreaks(Caption("Label10(0)"))));
    Frame2->show();

    if (const int key = ChanceKey2(ctx_.state.overallRating(kProgram)))
        lblRez->setText(ToQt(text::GetCatalogText(key)));

    // One option button per listed factor, one below the other in rule order.
    factors_ = FactorKeys2(ctx_.state);
    for (size_t i = 0; i < factors_.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        auto* option = new widgets::WrappingRadioButton(this);
        option->setText(ToQt(text::GetCatalogText(factors_[i])));
        option->setObjectName(Member("optRez1", n));
        option->setProperty("factorKey", factors_[i]);
        connect(option, &QRadioButton::clicked, this, [this, n] { optRez1_Click(n); });
        options_->addWidget(option);
        optRez1[n] = option;
    }
    Label17->setVisible(!factors_.empty());
    // The reminder's line is kept free below a list, so that showing it moves nothing and cuts
    // nothing off.
    QSizePolicy reminder = lblNoSelected->sizePolicy();
    reminder.setRetainSizeWhenHidden(!factors_.empty());
    lblNoSelected->setSizePolicy(reminder);
    lblNoSelected->hide();
    FinishLayout();
}

void frmConclusion2::optRez1_Click(int index) {
    marked_ = index;
    lblNoSelected->hide();
}

// Goes on with the marked factor, or straight on when none is listed; otherwise reminds the
// user to mark one. The factor is kept with program 2's results of this run, so that the
// recommendations come back the same from the farewell screen after this screen has closed.
void frmConclusion2::cmdContinue_Click() {
    const Handover2 handover = ContinueFrom2(factors_, marked_);
    if (!handover.goOn) {
        lblNoSelected->show();
        return;
    }
    ctx_.state.markedFactor() = static_cast<int16_t>(handover.factorKey);
    ConclusionScreen::cmdContinue_Click();
}

}  // namespace conclusions
