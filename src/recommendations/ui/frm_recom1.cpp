#include "recommendations/ui/frm_recom1.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "docs/ui/frm_rtf.h"
#include "docs/ui/show_document.h"
#include "platform/forms.h"
#include "platform/qt_text.h"
#include "platform/widgets/clickable_label.h"
#include "platform/widgets/screen_room.h"
#include "recommendations/news_page.h"
#include "recommendations/preparations.h"
#include "recommendations/prescription.h"
#include "recommendations/program1.h"
#include "recommendations/salutation.h"
#include "recommendations/template_fill.h"
#include "recommendations/ui/recept_sheet.h"
#include "recommendations/ui/viewer_text.h"
#include "state/salutation.h"
#include "text/catalogue.h"

namespace recommendations {

using platform::FromQt;
using platform::ToQt;

namespace {

constexpr char kForm[] = "frmRecom1";
constexpr char kViewer[] = "frmRTF";

QString Caption(const std::string& control) { return ToQt(text::FormText(kForm, control)); }

QLabel* NewLabel(QWidget* parent, const std::string& name, bool wrap = true) {
    auto* label = new QLabel(Caption(name), parent);
    label->setObjectName(QString::fromStdString(name));
    label->setWordWrap(wrap);
    return label;
}

QPushButton* NewButton(QWidget* parent, const std::string& name) {
    auto* button = new QPushButton(Caption(name), parent);
    button->setObjectName(QString::fromStdString(name));
    return button;
}

}  // namespace

frmRecom1::frmRecom1(platform::AppContext& context) : ctx_(context) {
    BuildControls();
    Form_Load();
}

void frmRecom1::BuildControls() {
    setWindowTitle(Caption(kForm));
    setFixedWidth(596);

    Label1 = NewLabel(this, "Label1");
    QFont headingFont = Label1->font();
    headingFont.setBold(true);
    headingFont.setPointSize(headingFont.pointSize() + 3);
    Label1->setFont(headingFont);
    Label1->setStyleSheet(QStringLiteral("color: #1f5c4f;"));
    Label4 = NewLabel(this, "Label4");
    Label3 = NewLabel(this, "Label3");
    QFont boldFont = Label3->font();
    boldFont.setBold(true);
    Label3->setFont(boldFont);

    for (int k = 1; k <= 5; ++k) {
        lblRazdel(k) = NewLabel(this, "lblRazdel(" + std::to_string(k) + ")", false);
        lblRazdel(k)->setFont(boldFont);
        lblRazdel(k)->setStyleSheet(QStringLiteral("color: #7a2e1f;"));
        lblRazdel(k)->hide();
    }
    for (int i = 0; i <= 9; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("cmdPreparat(%1)").arg(i));
        button->setFixedWidth(180);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, i] { cmdPreparat_Click(i); });
        cmdPreparat(i) = button;
    }

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::NoFrame);
    Label2 = NewLabel(this, "Label2");
    Label2->setFont(boldFont);
    cmdPrint = NewButton(this, "cmdPrint");
    cmdPlan = NewButton(this, "cmdPlan");
    cmdRecept = NewButton(this, "cmdRecept");
    Label5 = NewLabel(Frame1, "Label5");
    Label6 = NewLabel(Frame1, "Label6");
    Label7 = NewLabel(this, "Label7");
    Label8 = NewLabel(this, "Label8");
    Label8->setFont(boldFont);
    Label8->setAlignment(Qt::AlignCenter);
    lblInfoURL = NewLabel(Frame1, "lblInfoURL");
    lblURL = new widgets::ClickableLabel(Frame1);
    lblURL->setObjectName("lblURL");
    lblURL->setText(ToQt(kNewsPageUrl));
    cmdReturn = NewButton(Frame1, "cmdReturn");
    cmdClose = NewButton(Frame1, "cmdClose");

    connect(cmdPrint, &QPushButton::clicked, this, &frmRecom1::cmdPrint_Click);
    connect(cmdPlan, &QPushButton::clicked, this, &frmRecom1::cmdPlan_Click);
    connect(cmdRecept, &QPushButton::clicked, this, &frmRecom1::cmdRecept_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmRecom1::cmdReturn_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmRecom1::cmdClose_Click);
    connect(lblURL, &widgets::ClickableLabel::clicked, this, &frmRecom1::lblURL_Click);

    // The list on the left, the documents of the course beside it, the closing block below both.
    auto* documents = new QVBoxLayout;
    documents->setSpacing(6);
    documents->addWidget(Label2);
    documents->addSpacing(4);
    for (QPushButton* button : {cmdPrint, cmdPlan, cmdRecept}) {
        button->setMinimumWidth(cmdPlan->sizeHint().width() + 24);
        documents->addWidget(button);
    }
    documents->addSpacing(6);
    documents->addWidget(Label7);
    documents->addSpacing(4);
    documents->addWidget(Label8);
    documents->addStretch();

    list_ = new QVBoxLayout;
    list_->setContentsMargins(10, 0, 0, 0);
    list_->setSpacing(3);
    auto* listColumn = new QVBoxLayout;
    listColumn->addLayout(list_);
    listColumn->addStretch();

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addLayout(listColumn, 1);
    body->addLayout(documents, 0);

    auto* closing = new QHBoxLayout;
    closing->addWidget(cmdReturn);
    closing->addStretch();
    closing->addWidget(cmdClose);

    auto* frame = new QVBoxLayout(Frame1);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(6);
    for (QLabel* label : {Label5, Label6, lblInfoURL}) frame->addWidget(label);
    frame->addWidget(lblURL, 0, Qt::AlignLeft);
    frame->addSpacing(4);
    frame->addLayout(closing);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(8);
    layout->addWidget(Label1);
    layout->addWidget(Label4);
    layout->addWidget(Label3);
    layout->addLayout(body);
    layout->addSpacing(6);
    layout->addWidget(Frame1);
}

void frmRecom1::Form_Load() {
    const state::SharedState& state = ctx_.state;
    ctx_.forms.Place(this, 20, 440);
    Label1->setText(ToQt(state::AddressedHeading(text::FormText(kForm, "Label1"), state.sex(),
                                                 state.userLastName, state.userFirstName)));
    prepList_ = Program1List();
    dietName_ = text::GetListItem(prepList_, kDietItem);
    courseCode_ = program1::ChooseCourse(state);
    layout_ = program1::LayOutCourse(courseCode_, prepList_);
    ShowList();
    widgets::MakeRoomInMainWindow(ctx_, *this, 20, 440);
}

// Headings and buttons one below the other in the order of the course, a free row between
// sections; the lower block follows the list.
void frmRecom1::ShowList() {
    bool firstHeading = true;
    for (const LayoutEntry& entry : layout_.entries) {
        if (entry.kind == LayoutEntry::Kind::Heading) {
            if (!firstHeading) list_->addSpacing(cmdPreparat(1)->sizeHint().height() / 2);
            firstHeading = false;
            list_->addWidget(lblRazdel(entry.index));
            lblRazdel(entry.index)->show();
        } else {
            QPushButton* button = cmdPreparat(entry.index);
            button->setText(ToQt(entry.caption));
            docPath_(entry.index) = entry.docPath;
            list_->addWidget(button, 0, Qt::AlignLeft);
            button->show();
        }
    }
}

// The preparation's description; only the diet can be printed from here.
void frmRecom1::cmdPreparat_Click(int index) {
    docs::frmRTF* viewer =
        docs::OpenDocument(ctx_, docPath_(index), platform::MessageBox::Icon::Warning);
    if (!viewer) return;
    viewer->SetPrintButtonVisible(FromQt(cmdPreparat(index)->text()) == dietName_);
    ctx_.forms.ShowModal(kViewer);
}

// The use instructions of the course, printable.
void frmRecom1::cmdPrint_Click() {
    docs::frmRTF* viewer = docs::OpenDocument(ctx_, program1::UseInstructionsPath(courseCode_));
    if (!viewer) return;
    viewer->SetPrintButtonVisible(true);
    ctx_.forms.ShowModal(kViewer);
}

// The calendar plan of the course, addressed to the user, printable.
void frmRecom1::cmdPlan_Click() {
    docs::frmRTF* viewer = docs::OpenDocument(ctx_, program1::CalendarPath(courseCode_));
    if (!viewer) return;
    viewer->SetPrintButtonVisible(true);
    const state::SharedState& state = ctx_.state;
    const std::string salutation =
        PlanSalutation(state.sex(), state.userLastName, state.userFirstName);
    viewer->SetRtfText(FillSalutationRtf(viewer->RtfText(), salutation));
    ViewerText plan(*viewer);
    FillFirstPlaceholder(plan, kTextSalutationPlaceholder, salutation);
    viewer->SetSelection(0, 0);
    ctx_.forms.ShowModal(kViewer);
}

void frmRecom1::cmdRecept_Click() {
    auto* sheet = qobject_cast<ReceptSheet*>(ctx_.forms.Load("frmRecept1"));
    if (!sheet) return;
    std::vector<ShownButton> buttons;
    for (int i = 1; i <= program1::kButtons; ++i) {
        buttons.push_back({!cmdPreparat(i)->isHidden(), FromQt(cmdPreparat(i)->text())});
    }
    sheet->FillLines(PrescriptionLines(buttons, dietName_));
    ctx_.forms.Place(sheet, 10, 100);
    ctx_.forms.Show("frmRecept1");
}

void frmRecom1::cmdReturn_Click() {
    ctx_.forms.Unload(kForm);
    ctx_.forms.Show("frmConclusion1");
}

void frmRecom1::cmdClose_Click() {
    ctx_.state.recomForm = kForm;
    ctx_.forms.Show("frmEnd");
    ctx_.forms.Unload(kForm);
}

void frmRecom1::closeEvent(QCloseEvent* event) {
    event->ignore();
    cmdClose_Click();
}

void frmRecom1::lblURL_Click() {
    // The news page is a courtesy: whatever goes wrong opening it is ignored.
    try {
        ctx_.shell.OpenUrl(std::string(kNewsPageUrl));
    } catch (...) {
    }
}

}  // namespace recommendations
