#include "conclusions/ui/frm_conclusion5.h"

#include <QFrame>
#include <QLabel>

#include "conclusions/conclusion_frame.h"
#include "conclusions/program5.h"
#include "platform/qt_text.h"

namespace conclusions {

using platform::ToQt;

namespace {
QString Member(const char* name, int index) { return QString("%1(%2)").arg(name).arg(index); }
}  // namespace

frmConclusion5::frmConclusion5(platform::AppContext& context) : ConclusionScreen(context, 5) {
    Label1 = AddLabel("Label1", Look::Title);
    lblName = AddLabel("lblName", Look::Title);
    AddLabel("lblDate", Look::Date);
    lblRez = AddLabel("lblRez", Look::Paragraph);
    // The three panels lie at one place: only the one of the rating is shown.
    for (int panel : kPanels5) {
        QFrame* frame = AddPanel(Member("FrameRez", panel));
        const int word = RatingWordOf5(panel);
        lblSignature[word] = AddLabel(Member("lblSignature", word), Look::Strong, frame);
        lblText[panel] = AddLabel(Member("lblText", panel), Look::Paragraph, frame);
        FrameRez[panel] = frame;
    }
    lblSignature[0] = AddLabel("lblSignature(0)", Look::Signature);
    Form_Load();
}

void frmConclusion5::Form_Load() {
    OpeningSteps();
    const int panel = Panel5(ctx_.state);
    if (panel >= 0) {
        FrameRez[panel]->show();
        lblText[panel]->setText(ToQt(PanelText5(Caption(Member("lblText", panel).toStdString()))));
    }
    lblName->setText(ToQt(Salutation5(Caption("lblName"), ctx_.state)));
    lblDate->setText(ToQt(TodayText(ctx_.clock)));
    FinishLayout();
}

}  // namespace conclusions
