#include "conclusions/ui/frm_conclusion4.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "conclusions/program4.h"
#include "docs/ui/show_document.h"
#include "platform/qt_text.h"
#include "text/catalogue.h"

namespace conclusions {

using platform::ToQt;

namespace {
QString Member(const char* name, int index) { return QString("%1(%2)").arg(name).arg(index); }
}  // namespace

frmConclusion4::frmConclusion4(platform::AppContext& context) : ConclusionScreen(context, 4) {
    Label1 = AddLabel("Label1", Look::Title);
    lblName = AddLabel("lblName", Look::Title);
    AddLabel("lblDate", Look::Date);
    Label10_4 = AddLabel("Label10(4)", Look::Paragraph);
    lblRez = AddLabel("lblRez", Look::Caption);
    Label17 = AddLabel("Label17", Look::Caption);

    rowsLayout_ = new QVBoxLayout;
    rowsLayout_->setSpacing(2);
    rowsLayout_->setContentsMargins(24, 0, 0, 0);
    for (int d = 1; d <= kSources4; ++d) {
        auto* row = new QLabel(this);
        row->setObjectName(Member("lblRez1", d));
        row->setTextFormat(Qt::PlainText);
        row->hide();
        lblRez1[d] = row;
    }
    AddLayout(rowsLayout_);

    Frame2 = AddPanel("Frame2");
    Label10_0 = AddLabel("Label10(0)", Look::Paragraph, Frame2);
    Label10_3 = AddLabel("Label10(3)", Look::Signature, Frame2);
    Label10_3->hide();
    Frame2->show();

    Label10_1 = AddLabel("Label10(1)", Look::Caption);
    booksLayout_ = new QVBoxLayout;
    booksLayout_->setSpacing(4);
    for (int d = 1; d <= kSources4; ++d) {
        const QString name = Member("cmdBooks", d);
        auto* button = new QPushButton(this);
        button->setObjectName(name);
        button->setStyleSheet("text-align: left; padding: 4px 10px;");
        button->setMinimumHeight(26);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, d] { cmdBooks_Click(d); });
        cmdBooks[d] = button;
    }
    AddLayout(booksLayout_);
    Form_Load();
}

void frmConclusion4::Form_Load() {
    OpeningSteps();
    lblName->setText(ToQt(SalutationFormal(ctx_.state)));
    lblDate->setText(ToQt(TodayText(ctx_.clock)));

    const Conclusion4 conclusion = EvaluateConclusion4(ctx_.state);
    lblRez->setText(ToQt(text::GetCatalogText(conclusion.verdictKey)));
    if (conclusion.weightLoss) {
        // The advice stands alone: the lead-in would not lead into it, and there are neither
        // sources nor articles to introduce.
        Label10_4->hide();
        Label17->hide();
        Label10_1->hide();
    }
    for (int d : conclusion.rows.shown()) {
        lblRez1[d]->setText(ToQt(text::GetCatalogText(kSourceRowKey4 + d)));
        rowsLayout_->addWidget(lblRez1[d]);
        lblRez1[d]->show();
    }
    Label10_3->show();
    // The articles stand one below the other in the order of their sources.
    for (int d : conclusion.books.shown()) {
        cmdBooks[d]->setText(ToQt(text::GetCatalogText(kSourceBookKey4 + d)));
        booksLayout_->addWidget(cmdBooks[d]);
        cmdBooks[d]->show();
    }
    FinishLayout();
}

void frmConclusion4::cmdBooks_Click(int index) { docs::ShowDocument(ctx_, BookDocument4(index)); }

std::vector<QWidget*> frmConclusion4::HiddenWhilePrinting() const {
    std::vector<QWidget*> hidden = {Label10_1};
    for (const auto& [index, button] : cmdBooks) hidden.push_back(button);
    return hidden;
}

}  // namespace conclusions
