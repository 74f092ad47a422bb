#include "recommendations/ui/recommendation_screen.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/clock.h"
#include "base/failure.h"
#include "base/numbers.h"
#include "base/text_codec.h"
#include "docs/doc_path.h"
#include "docs/ui/frm_rtf.h"
#include "docs/ui/show_document.h"
#include "platform/forms.h"
#include "platform/qt_text.h"
#include "platform/widgets/clickable_label.h"
#include "platform/widgets/screen_room.h"
#include "recommendations/document_text.h"
#include "recommendations/news_page.h"
#include "recommendations/prescription.h"
#include "recommendations/salutation.h"
#include "recommendations/template_fill.h"
#include "recommendations/ui/recept_sheet.h"
#include "report/ui/report_file.h"
#include "state/programs.h"
#include "state/salutation.h"
#include "text/catalogue.h"

namespace recommendations {

using platform::FromQt;
using platform::ToQt;

namespace {

constexpr char kViewer[] = "frmRTF";
constexpr char kFarewell[] = "frmEnd";
constexpr int kScreenWidth = 596;
constexpr int kPreparationButtonWidth = 180;
constexpr int kHeadingWidth = 220;
// A sheet that cannot grow is filled from the first twelve preparation buttons.
constexpr int kSheetButtons = 12;

const state::Program& ProgramNumbered(int program) {
    const state::Program* found = state::ProgramOf(program);
    if (!found) throw base::SubscriptOutOfRange();
    return *found;
}

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
}

}  // namespace

RecommendationScreen::RecommendationScreen(platform::AppContext& context, int program,
                                           RecommendationControls controls)
    : cmdPreparat(0, std::max(0, controls.buttons), nullptr),
      ctx_(context),
      program_(ProgramNumbered(program)),
      formName_(program_.recommendations),
      controls_(std::move(controls)) {
    setWindowTitle(ToQt(text::FormText(formName_, formName_)));
    setFixedWidth(kScreenWidth);

    if (controls_.date) {
        lblDate = new QLabel(this);
        lblDate->setObjectName("lblDate");
        lblDate->setAlignment(Qt::AlignRight);
    }
    for (QVBoxLayout*& place : places_) place = new QVBoxLayout;
    QVBoxLayout* introduction = LayoutOf(Place::Introduction);
    introduction->setSpacing(8);
    if (lblDate) introduction->addWidget(lblDate);
    Label1 = AddText(Place::Introduction, "Label1");
    QFont headingFont = Bold(Label1->font());
    headingFont.setPointSize(headingFont.pointSize() + 3);
    Label1->setFont(headingFont);
    Label1->setStyleSheet(QStringLiteral("color: #1f5c4f;"));
    Label4 = AddText(Place::Introduction, "Label4");
    Label3 = AddText(Place::Introduction, "Label3", true);

    for (int k = kFirstHeading; k <= kLastHeading; ++k) {
        // A long heading wraps rather than pushing the documents beside the list off the screen.
        QLabel* heading = NewLabel(this, "lblRazdel(" + std::to_string(k) + ")", true);
        heading->setMaximumWidth(kHeadingWidth);
        heading->setStyleSheet(QStringLiteral("color: #7a2e1f;"));
        heading->hide();
        lblRazdel(k) = heading;
    }
    PreparationButton(cmdPreparat.upper());

    std::vector<QPushButton*> actions;
    if (!controls_.useButton.empty()) {
        cmdUse = NewButton(this, controls_.useButton);
        connect(cmdUse, &QPushButton::clicked, this, &RecommendationScreen::cmdUse_Click);
        actions.push_back(cmdUse);
    }
    if (controls_.plan) {
        cmdPlan = NewButton(this, "cmdPlan");
        connect(cmdPlan, &QPushButton::clicked, this, &RecommendationScreen::cmdPlan_Click);
        actions.push_back(cmdPlan);
    }
    cmdRecept = NewButton(this, "cmdRecept");
    connect(cmdRecept, &QPushButton::clicked, this, &RecommendationScreen::cmdRecept_Click);
    actions.push_back(cmdRecept);
    cmdReport = new QPushButton(ToQt(text::FormText("report", "cmdReport")), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    cmdReport->setAutoDefault(true);
    connect(cmdReport, &QPushButton::clicked, this, &RecommendationScreen::cmdReport_Click);
    actions.push_back(cmdReport);

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::NoFrame);
    lblInfoURL = NewLabel(Frame1, "lblInfoURL", false);
    lblURL = new widgets::ClickableLabel(Frame1);
    lblURL->setObjectName("lblURL");
    lblURL->setText(ToQt(kNewsPageUrl));
    lblURL->setAccessibleDescription(lblInfoURL->text().simplified());
    connect(lblURL, &widgets::ClickableLabel::clicked, this, &RecommendationScreen::lblURL_Click);
    cmdReturn = NewButton(Frame1, "cmdReturn");
    cmdClose = NewButton(Frame1, "cmdClose");
    connect(cmdReturn, &QPushButton::clicked, this, &RecommendationScreen::cmdReturn_Click);
    connect(cmdClose, &QPushButton::clicked, this, &RecommendationScreen::cmdClose_Click);

    Arrange(actions);
}

// The list on the left, the documents beside it, the lower block below both; each place a program
// adds to stands where its texts belong.
void RecommendationScreen::Arrange(const std::vector<QPushButton*>& actions) {
    // The documents of the list, one below the other, as wide as the widest of them.
    int actionWidth = 0;
    for (QPushButton* button : actions)
        actionWidth = std::max(actionWidth, button->sizeHint().width());

    QVBoxLayout* aboveActions = LayoutOf(Place::AboveActions);
    QVBoxLayout* belowActions = LayoutOf(Place::BelowActions);
    aboveActions->setSpacing(10);
    belowActions->setSpacing(10);
    auto* documents = new QVBoxLayout;
    documents->setSpacing(6);
    documents->addLayout(aboveActions);
    documents->addSpacing(4);
    for (QPushButton* button : actions) {
        button->setMinimumWidth(actionWidth + 24);
        documents->addWidget(button);
    }
    documents->addSpacing(6);
    documents->addLayout(belowActions);
    documents->addStretch();

    rows_ = new QVBoxLayout;
    rows_->setContentsMargins(10, 0, 0, 0);
    rows_->setSpacing(3);
    auto* listColumn = new QVBoxLayout;
    listColumn->addLayout(rows_);
    listColumn->addStretch();

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addLayout(listColumn, 1);
    body->addLayout(documents, 0);

    auto* closingBar = new QHBoxLayout;
    closingBar->addWidget(cmdReturn);
    closingBar->addStretch();
    closingBar->addWidget(cmdClose);

    QVBoxLayout* closing = LayoutOf(Place::Closing);
    closing->setSpacing(6);
    auto* frame = new QVBoxLayout(Frame1);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(6);
    frame->addLayout(closing);
    frame->addWidget(lblInfoURL);
    frame->addWidget(lblURL, 0, Qt::AlignLeft);
    frame->addSpacing(4);
    frame->addLayout(closingBar);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(8);
    layout->addLayout(LayoutOf(Place::Introduction));
    layout->addLayout(body);
    layout->addSpacing(6);
    layout->addWidget(Frame1);
}

QPushButton* RecommendationScreen::NewButton(QWidget* parent, const std::string& name) {
    auto* button = new QPushButton(ToQt(text::FormText(formName_, name)), parent);
    button->setObjectName(QString::fromStdString(name));
    button->setAutoDefault(true);  // Enter presses the button that has the focus
    return button;
}

QLabel* RecommendationScreen::NewLabel(QWidget* parent, const std::string& name, bool strong) {
    auto* label = new QLabel(ToQt(text::FormText(formName_, name)), parent);
    label->setObjectName(QString::fromStdString(name));
    label->setWordWrap(true);
    if (strong) label->setFont(Bold(label->font()));
    return label;
}

QLabel* RecommendationScreen::AddText(Place place, const std::string& name, bool strong) {
    QLabel* label = NewLabel(this, name, strong);
    AddWidget(place, label);
    return label;
}

QVBoxLayout* RecommendationScreen::LayoutOf(Place place) const {
    return places_.at(static_cast<size_t>(place));
}

void RecommendationScreen::AddWidget(Place place, QWidget* widget) {
    LayoutOf(place)->addWidget(widget);
}

// Button `index`, made with those before it when they do not exist yet: at construction the
// design buttons, later the further buttons of a screen whose list may grow. Any other index is
// out of range.
QPushButton* RecommendationScreen::PreparationButton(int index) {
    if (index > cmdPreparat.upper()) {
        if (!controls_.buttonsGrow) throw base::SubscriptOutOfRange();
        base::Array1<QPushButton*> grown(0, index, nullptr);
        for (int i = 0; i <= cmdPreparat.upper(); ++i) grown(i) = cmdPreparat(i);
        cmdPreparat = std::move(grown);
    }
    for (int i = 0; i <= index; ++i) {
        if (cmdPreparat(i)) continue;
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("cmdPreparat(%1)").arg(i));
        button->setFixedWidth(kPreparationButtonWidth);
        button->setAutoDefault(true);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, i] { cmdPreparat_Click(i); });
        cmdPreparat(i) = button;
    }
    return cmdPreparat(index);
}

void RecommendationScreen::Form_Load() {
    const state::Placement place = state::kProgramScreenPlace;
    ctx_.forms.Place(this, place.topTwips, place.leftTwips);
    Label1->setText(ToQt(Heading()));
    if (lblDate) lblDate->setText(ToQt(base::FormatDdMmYy(ctx_.clock.Now())));
    shown_ = LayOut();
    ShowList();
    widgets::MakeRoomInMainWindow(ctx_, *this, place.topTwips, place.leftTwips);
}

std::string RecommendationScreen::Heading() const {
    const state::SharedState& state = ctx_.state;
    return state::AddressedHeading(text::FormText(formName_, "Label1"), state.sex(),
                                   state.userLastName, state.userFirstName);
}

// Headings and buttons one below the other in row order; half a row of room sets each section
// apart from the one above it.
void RecommendationScreen::ShowList() {
    bool firstHeading = true;
    for (const LayoutEntry& entry : shown_.entries) {
        if (entry.kind == LayoutEntry::Kind::Heading) {
            if (!firstHeading) rows_->addSpacing(cmdPreparat(0)->sizeHint().height() / 2);
            firstHeading = false;
            rows_->addWidget(lblRazdel(entry.index));
            lblRazdel(entry.index)->show();
        } else {
            QPushButton* button = PreparationButton(entry.index);
            button->setText(ToQt(entry.caption));
            // A long name widens its button rather than being cut.
            button->setFixedWidth(std::max(kPreparationButtonWidth, button->sizeHint().width()));
            rows_->addWidget(button, 0, Qt::AlignLeft);
            button->show();
        }
    }
}

ScreenDocument RecommendationScreen::Description(const LayoutEntry& button) const {
    return {.path = button.docPath,
            .missingIcon = platform::MessageBox::Icon::Warning,
            .printable = false};
}

std::vector<std::string> RecommendationScreen::ListCodes() const {
    std::vector<std::string> codes;
    for (const LayoutEntry& button : shown_.Buttons()) codes.push_back(std::to_string(button.item));
    return codes;
}

void RecommendationScreen::Open(const ScreenDocument& document) {
    docs::frmRTF* viewer = docs::OpenDocument(ctx_, document.path, document.missingIcon);
    if (!viewer) return;
    viewer->SetPrintButtonVisible(document.printable);
    docs::RichText text;
    text.SetRtfText(viewer->RtfText());
    if (Prepare(text, document)) viewer->SetRtfText(text.RtfText());
    ctx_.forms.ShowModal(kViewer);
}

bool RecommendationScreen::Prepare(docs::RichText& document, const ScreenDocument& shown) const {
    const Placeholders& fill = shown.fill;
    const state::SharedState& state = ctx_.state;
    const std::string salutation =
        PlanSalutation(state.sex(), state.userLastName, state.userFirstName);
    const std::string today = base::FormatDdMmYy(ctx_.clock.Now());
    bool changed = false;
    if (fill.dateRtf || fill.salutationRtf) {
        // The date first, so that a name is never taken for a date placeholder.
        std::string rtf = document.RtfText();
        if (fill.dateRtf) rtf = FillDateRtf(rtf, today);
        if (fill.salutationRtf) rtf = FillSalutationRtf(rtf, salutation);
        document.SetRtfText(rtf);
        changed = true;
    }
    DocumentText text(document);
    if (fill.salutationText) {
        FillFirstPlaceholder(text, kTextSalutationPlaceholder, salutation);
        changed = true;
    }
    if (fill.dateText) {
        FillFirstPlaceholder(text, kTextDatePlaceholder, today);
        changed = true;
    }
    if (shown.table) {
        TemplateRule rule = *shown.table;
        if (!rule.recommended) {
            std::vector<std::string> codes = ListCodes();
            for (std::string& code : codes) code = base::ToLower(base::Trim(code));
            rule.recommended = [codes](const std::string& tag) {
                return std::find(codes.begin(), codes.end(), tag) != codes.end();
            };
        }
        FilterTemplate(text, rule);
        if (shown.cleanUp) shown.cleanUp(text);
        changed = true;
    }
    return changed;
}

void RecommendationScreen::cmdReport_Click() {
    RecordReport();
    report::SaveReport(ctx_);
}

void RecommendationScreen::RecordReport() {
    report::RunReport& run = ctx_.report;
    if (run.program != program_.number)
        run = report::NewRunReport(program_.number, ctx_.state, ctx_.clock.Now());
    run.preparations.clear();
    for (const LayoutEntry& entry : shown_.entries) {
        if (entry.kind == LayoutEntry::Kind::Heading) {
            run.preparations.push_back(
                {report::Line::Look::Caption, FromQt(lblRazdel(entry.index)->text())});
        } else if (QPushButton* button = cmdPreparat(entry.index)) {
            run.preparations.push_back({report::Line::Look::Item, FromQt(button->text())});
        }
    }
    run.plan.reset();
    const ScreenDocument plan = controls_.plan ? PlanDocument()
                                : cmdUse       ? UseDocument()
                                               : ScreenDocument{};
    docs::RichText document;
    if (plan.path.empty() || document.LoadFile(docs::ResolveDocPath(ctx_.programDir, plan.path)) !=
                                 docs::RichText::LoadResult::Loaded)
        return;
    Prepare(document, plan);
    run.plan = document.Document();
}

void RecommendationScreen::cmdPreparat_Click(int index) {
    for (const LayoutEntry& button : shown_.Buttons()) {
        if (button.index == index) return Open(Description(button));
    }
}

void RecommendationScreen::cmdUse_Click() { Open(UseDocument()); }

void RecommendationScreen::cmdPlan_Click() { Open(PlanDocument()); }

// The program's sheet, filled with the preparations of the visible buttons in button order (the
// first twelve buttons where the sheet cannot grow), under the program's heading if it has one.
void RecommendationScreen::cmdRecept_Click() {
    const std::string sheetName(program_.sheet);
    auto* sheet = qobject_cast<ReceptSheet*>(ctx_.forms.Load(sheetName));
    if (!sheet) return;
    std::vector<ShownButton> buttons;
    const int last =
        controls_.buttonsGrow ? cmdPreparat.upper() : std::min(cmdPreparat.upper(), kSheetButtons);
    for (int i = 1; i <= last; ++i) {
        buttons.push_back({!cmdPreparat(i)->isHidden(), FromQt(cmdPreparat(i)->text())});
    }
    sheet->FillLines(PrescriptionLines(buttons, NotPrescribed()));
    if (const std::string heading = SheetHeading(); !heading.empty()) sheet->SetHeading(heading);
    ctx_.forms.Place(sheet, state::kSheetPlace.topTwips, state::kSheetPlace.leftTwips);
    ctx_.forms.Show(sheetName);
    // The sheet belongs to this screen: it stays above it, and goes when the screen goes.
    if (auto* window = qobject_cast<QMdiSubWindow*>(sheet->parentWidget())) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        window->show();
    }
}

void RecommendationScreen::cmdReturn_Click() {
    ctx_.forms.Unload(std::string(program_.sheet));
    ctx_.forms.Unload(formName_);
    ctx_.forms.Show(std::string(program_.conclusion));
}

void RecommendationScreen::cmdClose_Click() {
    ctx_.forms.Unload(std::string(program_.sheet));
    ctx_.state.recomForm = formName_;
    ctx_.forms.Show(kFarewell);
    ctx_.forms.Unload(formName_);
}

void RecommendationScreen::closeEvent(QCloseEvent* event) {
    event->ignore();
    cmdClose_Click();
}

void RecommendationScreen::lblURL_Click() {
    // The news page is a courtesy: a browser that cannot be started never ends the work; the
    // user gets the address to open it by hand.
    const std::string url(kNewsPageUrl);
    bool opened = false;
    try {
        opened = ctx_.shell.OpenUrl(url);
    } catch (...) {
    }
    if (opened) return;
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(ToQt(url));
    ctx_.messages.Show(text::WithValues(text::FormText("recommendations", "NewsNotOpened"), {url}));
}

}  // namespace recommendations
