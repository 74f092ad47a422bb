#include "conclusions/ui/frm_conclusion1.h"

#include <QLabel>
#include <QVBoxLayout>

#include "conclusions/program1.h"
#include "docs/ui/show_document.h"
#include "platform/qt_text.h"
#include "text/catalogue.h"

namespace conclusions {

using platform::ToQt;

frmConclusion1::frmConclusion1(platform::AppContext& context)
    : ConclusionScreen(context, 1) {
    Label1 = AddLabel("Label1", Look::Title);
    AddLabel("lblDate", Look::Date);
    Label10_4 = AddLabel("Label10(4)", Look::Paragraph);
    lblRez1 = AddLabel("lblRez1", Look::Strong);
    lblRez2 = AddLabel("lblRez2", Look::Paragraph);
    Label3 = AddLabel("Label3", Look::Paragraph);
    Label2 = AddLabel("Label2", Look::Caption);
    lblRez3 = AddLabel("lblRez3", Look::Paragraph);
    Label10_0 = AddLabel("Label10(0)", Look::Paragraph);
    Label6 = AddLabel("Label6", Look::Signature);
    Label17 = AddLabel("Label17", Look::Caption);

    booksLayout_ = new QVBoxLayout;
    booksLayout_->setSpacing(4);
    for (int index = 1; index <= kBookCount1; ++index) {
        const QString name = QString("cmdBooks(%1)").arg(index);
        auto* button = new QPushButton(ToQt(Caption(name.toStdString())), this);
        button->setObjectName(name);
        button->setStyleSheet("text-align: left; padding: 4px 10px;");
        button->setMinimumHeight(26);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, index] { cmdBooks_Click(index); });
        cmdBooks[index] = button;
    }
    AddLayout(booksLayout_);
    Form_Load();
}

void frmConclusion1::Form_Load() {
    OpeningSteps();

    findingsList_ = Caption("lblRez3");
    lblRez3->clear();
    Label3->setText(ToQt(text::ReplaceBreaks(Caption("Label3"))));
    Label1->setText(ToQt(Salutation1(Caption("Label1"), ctx_.state)));
    lblDate->setText(ToQt(TodayText(ctx_.clock)));

    const Conclusion1 conclusion =
        EvaluateConclusion1(ctx_.state, {Caption("lblRez1"), Caption("lblRez2"), findingsList_});
    if (conclusion.ratingWord) lblRez1->setText(ToQt(*conclusion.ratingWord));
    if (conclusion.advice) lblRez2->setText(ToQt(*conclusion.advice));
    lblRez3->setText(ToQt(conclusion.findings));
    Label2->setVisible(conclusion.findingsCaptionVisible);

    // The article buttons stand one below the other in the order their rules showed them.
    for (int member : conclusion.books.shown()) {
        booksLayout_->addWidget(cmdBooks[member]);
        cmdBooks[member]->show();
    }
    Label17->setVisible(conclusion.booksCaptionVisible);
    FinishLayout();
}

void frmConclusion1::cmdBooks_Click(int index) { docs::ShowDocument(ctx_, BookDocument1(index)); }

std::vector<QWidget*> frmConclusion1::HiddenWhilePrinting() const {
    std::vector<QWidget*> hidden = {Label17};
    for (const auto& [index, button] : cmdBooks) hidden.push_back(button);
    return hidden;
}

}  // namespace conclusions
