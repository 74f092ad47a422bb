#include "recommendations/ui/recept_sheet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/clock.h"
#include "base/failure.h"
#include "platform/forms.h"
#include "platform/qt_text.h"
#include "platform/widgets/print_screen.h"
#include "state/salutation.h"
#include "text/catalogue.h"

namespace recommendations {

using platform::ToQt;

namespace {

// Lines the sheets have at design time: lblName(0..12).
constexpr int kDesignLines = 13;

QString Caption(const char* form, const char* control) {
    return ToQt(text::FormText(form, control));
}

}  // namespace

ReceptSheet::ReceptSheet(platform::AppContext& context, const char* formName, bool grows)
    : ctx_(context), form_(formName), grows_(grows) {
    setWindowTitle(Caption(form_, form_));
    // The sheet is printed as drawn: white paper, dark ink.
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    setPalette(paper);

    Label1 = new QLabel(Caption(form_, "Label1"), this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    QFont headingFont = Label1->font();
    headingFont.setBold(true);
    headingFont.setPointSize(headingFont.pointSize() + 1);
    Label1->setFont(headingFont);

    Label3 = new QLabel(Caption(form_, "Label3"), this);
    Label3->setObjectName("Label3");
    QFont columnFont = Label3->font();
    columnFont.setBold(true);
    columnFont.setUnderline(true);
    Label3->setFont(columnFont);

    lines_ = new QVBoxLayout;
    lines_->setSpacing(2);
    for (int i = 0; i < kDesignLines; ++i) lblName.push_back(NewLine(i));

    lblDate = new QLabel(this);
    lblDate->setObjectName("lblDate");
    lblDate->setAlignment(Qt::AlignRight);

    cmdPrint = new QPushButton(Caption(form_, "cmdPrint"), this);
    cmdPrint->setObjectName("cmdPrint");
    cmdClose = new QPushButton(Caption(form_, "cmdClose"), this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdPrint, &QPushButton::clicked, this, &ReceptSheet::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &ReceptSheet::cmdClose_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(8);
    layout->addWidget(Label1);
    layout->addSpacing(6);
    layout->addWidget(Label3);
    layout->addLayout(lines_);
    layout->addSpacing(10);
    layout->addWidget(lblDate);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(440);
    setMaximumWidth(440);

    Form_Load();
}

QLabel* ReceptSheet::NewLine(int index) {
    auto* line = new QLabel(this);
    line->setObjectName(QStringLiteral("lblName(%1)").arg(index));
    line->setWordWrap(true);
    // The texts the lines had at design time were samples: nothing is listed until the
    // recommendation screen fills the sheet.
    line->hide();
    lines_->addWidget(line);
    return line;
}

void ReceptSheet::Form_Load() {
    ctx_.forms.Place(this, 20, 440);
    Label1->setText(
        ToQt(state::AddressedHeading(text::FormText(form_, "Label1"), ctx_.state.sex(),
                                     ctx_.state.userLastName, ctx_.state.userFirstName)));
    lblDate->setText(ToQt(base::FormatDdMmYy(ctx_.clock.Now())));
}

void ReceptSheet::FillLines(const std::vector<std::string>& lines) {
    if (lines.size() > lblName.size()) {
        if (!grows_) throw base::SubscriptOutOfRange();
        while (lblName.size() < lines.size())
            lblName.push_back(NewLine(static_cast<int>(lblName.size())));
    }
    for (size_t i = 0; i < lblName.size(); ++i) {
        if (i < lines.size()) {
            lblName[i]->setText(ToQt(lines[i]));
            lblName[i]->show();
        } else {
            lblName[i]->clear();
            lblName[i]->hide();
        }
    }
    adjustSize();
    if (QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->adjustSize();
}

void ReceptSheet::SetHeading(const std::string& heading) {
    Label1->setText(ToQt(heading));
    adjustSize();
    if (QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->adjustSize();
}

void ReceptSheet::cmdPrint_Click() { widgets::PrintScreen(ctx_, *this, {cmdPrint, cmdClose}); }

void ReceptSheet::cmdClose_Click() { ctx_.forms.Unload(form_); }

frmRecept1::frmRecept1(platform::AppContext& context) : ReceptSheet(context, "frmRecept1", false) {}

frmRecept2::frmRecept2(platform::AppContext& context) : ReceptSheet(context, "frmRecept2", true) {}

}  // namespace recommendations
