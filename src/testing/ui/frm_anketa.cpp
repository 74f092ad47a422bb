#include "testing/ui/frm_anketa.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/forms.h"
#include "state/programs.h"
#include "platform/qt_text.h"
#include "platform/widgets/abort_question.h"
#include "platform/widgets/wrapping_radio_button.h"
#include "text/catalogue.h"

namespace questionnaire {
namespace {

using platform::ToQt;

constexpr const char* kForm = "frmAnketa";
constexpr int kPageLockMs = 500;
constexpr int kWidthTwips = 9150;
constexpr int kMinHeightTwips = 6300;

QString Caption(const char* control) { return ToQt(text::FormText(kForm, control)); }

QLabel* WrappingLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* Button(QWidget* parent, const char* name) {
    auto* button = new QPushButton(Caption(name), parent);
    button->setObjectName(name);
    button->setAutoDefault(true);  // Enter presses the button that has the focus
    return button;
}

}  // namespace

frmAnketa::frmAnketa(platform::AppContext& context, QWidget* parent)
    : QWidget(parent), ctx_(context), questionnaire_(context.state) {
    setWindowTitle(Caption("Caption"));
    setFixedWidth(platform::Twips(kWidthTwips));
    setMinimumHeight(platform::Twips(kMinHeightTwips));

    lblTitle = WrappingLabel(this, "lblTitle");
    lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    lblTitle->setFont(titleFont);

    lblProgress = WrappingLabel(this, "lblProgress");
    lblProgress->setAlignment(Qt::AlignRight | Qt::AlignTop);

    FrameQuestion = new QFrame(this);
    FrameQuestion->setObjectName("FrameQuestion");
    FrameQuestion->setFrameShape(QFrame::StyledPanel);
    // The page lock only stops clicks: the question must not flicker grey after every answer.
    QPalette steady = FrameQuestion->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        steady.setColor(QPalette::Disabled, r, steady.color(QPalette::Active, r));
    }
    FrameQuestion->setPalette(steady);
    auto* frameLayout = new QVBoxLayout(FrameQuestion);
    frameLayout->setSpacing(6);
    lblQuestion = WrappingLabel(FrameQuestion, "lblQuestion");
    QFont questionFont = lblQuestion->font();
    questionFont.setBold(true);
    lblQuestion->setFont(questionFont);
    frameLayout->addWidget(lblQuestion);
    frameLayout->addSpacing(4);
    for (int j = 1; j <= kMaxOptions; ++j) {
        auto* option = new widgets::WrappingRadioButton(FrameQuestion);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(j));
        option->hide();
        connect(option, &QAbstractButton::clicked, this, [this, j] { Option1_Click(j); });
        frameLayout->addWidget(option);
        Option1[static_cast<size_t>(j)] = option;
    }

    Label1 = WrappingLabel(this, "Label1");
    Label1->setText(Caption("Label1"));
    QFont resultFont = Label1->font();
    resultFont.setBold(true);
    Label1->setFont(resultFont);
    lblResult = WrappingLabel(this, "lblResult");

    cmdContinue = Button(this, "cmdContinue");
    cmdReturn = Button(this, "cmdReturn");
    cmdCount = Button(this, "cmdCount");
    cmdExit = Button(this, "cmdExit");
    connect(cmdContinue, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
    connect(cmdReturn, &QPushButton::clicked, this, [this] { cmdReturn_Click(); });
    connect(cmdCount, &QPushButton::clicked, this, [this] { cmdCount_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(kPageLockMs);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblProgress);
    layout->addWidget(FrameQuestion);
    layout->addWidget(Label1);
    layout->addWidget(lblResult);
    layout->addStretch(1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(cmdContinue, 0, 0);
    buttons->addWidget(cmdCount, 0, 1);
    buttons->addWidget(cmdReturn, 1, 0);
    buttons->addWidget(cmdExit, 1, 1);
    layout->addLayout(buttons);
    // Tab goes through the buttons as they stand, row by row.
    setTabOrder(cmdContinue, cmdCount);
    setTabOrder(cmdCount, cmdReturn);
    setTabOrder(cmdReturn, cmdExit);

    ctx_.forms.Place(this, state::kIntroductionPlace.topTwips, state::kIntroductionPlace.leftTwips);
    Outcome loaded;
    try {
        loaded = questionnaire_.Form_Load();
    } catch (...) {
        Render();
        throw;
    }
    Render();
    Act(loaded);
}

template <typename Action>
void frmAnketa::Run(Action action) {
    Outcome outcome;
    try {
        outcome = action();
    } catch (...) {
        Render();  // the page shows what the questionnaire holds, also after a failure
        throw;
    }
    Render();
    Act(outcome);
}

void frmAnketa::Option1_Click(int index) {
    Run([&] { return questionnaire_.Option1_Click(index, ctx_.clock.SecondsSinceMidnight()); });
}

void frmAnketa::cmdContinue_Click() {
    Run([&] { return questionnaire_.cmdContinue_Click(); });
}

void frmAnketa::cmdCount_Click() {
    Run([&] { return questionnaire_.cmdCount_Click(); });
}

void frmAnketa::cmdReturn_Click() {
    Run([&] { return questionnaire_.cmdReturn_Click(); });
}

void frmAnketa::cmdExit_Click() {
    if (widgets::ConfirmAbort(ctx_)) ctx_.forms.Unload(kForm);
}

void frmAnketa::closeEvent(QCloseEvent* event) {
    // The window's own close box asks as "ВЫХОД ИЗ ТЕСТА" does; the screen closes itself on "ДА".
    event->ignore();
    cmdExit_Click();
}

void frmAnketa::Timer1_Timer() {
    Timer1->stop();
    FrameQuestion->setEnabled(true);
    QWidget* focused = focusWidget();
    if (FrameQuestion->isVisible() && (!focused || focused == this)) {
        // The chosen option of a question asked again, the first one otherwise.
        const QuestionPage page = questionnaire_.Page();
        const int first = page.selected >= 1 && page.selected <= kMaxOptions ? page.selected : 1;
        if (Option1[static_cast<size_t>(first)]->isVisibleTo(this))
            Option1[static_cast<size_t>(first)]->setFocus(Qt::OtherFocusReason);
    }
}

void frmAnketa::Render() {
    const QuestionPage page = questionnaire_.Page();
    lblTitle->setText(ToQt(page.title));
    const bool result = page.mode == QuestionnaireMode::Result;
    FrameQuestion->setVisible(!result);
    lblProgress->setVisible(!result && page.position > 0);
    lblProgress->setText(Caption("lblProgress").arg(page.position).arg(page.applicableCount));
    Label1->setVisible(result);
    lblResult->setVisible(result);
    lblResult->setText(ToQt(page.result));

    const QString question = ToQt(page.question);
    if (lblQuestion->text() != question) lblQuestion->setText(question);
    for (int j = 1; j <= kMaxOptions; ++j) {
        widgets::WrappingRadioButton* option = Option1[static_cast<size_t>(j)];
        const bool visible = j <= static_cast<int>(page.options.size());
        option->setText(visible ? ToQt(page.options[static_cast<size_t>(j - 1)]) : QString());
        option->setAutoExclusive(false);
        option->setChecked(visible && j == page.selected);
        option->setAutoExclusive(true);
        option->setVisible(visible);
        // A screen reader tells the question with each of its options.
        option->setAccessibleDescription(visible ? question : QString());
    }

    if (questionnaire_.questionsShown() != questionsShown_) {
        questionsShown_ = questionnaire_.questionsShown();
        // The keyboard waits on the screen itself while the page is locked, rather than being
        // pushed on to the next button, and comes back to the options when the lock ends.
        QWidget* focused = focusWidget();
        if (!focused || focused == this || FrameQuestion->isAncestorOf(focused)) setFocus();
        FrameQuestion->setEnabled(false);
        Timer1->start();
    }
    // The keyboard waits on "continue" below the result; a screen reader tells the result there.
    cmdContinue->setAccessibleDescription(result ? lblResult->text().simplified() : QString());
    if (result) cmdContinue->setFocus();
    FitHeight();
}

void frmAnketa::FitHeight() {
    // Grows (never shrinks) so that the longest question, its options and the result text fit.
    const int needed = heightForWidth(width());
    if (needed <= minimumHeight()) return;
    setMinimumHeight(needed);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        const int extra = frame->height() - height();
        if (frame->height() < needed + extra) frame->resize(frame->width(), needed + extra);
    } else if (height() < needed) {
        resize(width(), needed);
    }
}

void frmAnketa::Act(const Outcome& outcome) {
    for (const std::string& message : outcome.messages) ctx_.messages.Show(message);
    if (outcome.next.kind != NextScreen::Stay) OpenNext(outcome.next);
}

void frmAnketa::OpenNext(const NextScreen& next) {
    const std::string name = next.FormName();
    if (!ctx_.forms.Load(name)) {
        // No results screen for this program: the answers stay in the shared state and the user
        // is told why the main window comes back.
        if (next.kind == NextScreen::ProgramResults)
            ctx_.messages.Show(text::FormText(kForm, "msgNoResults"));
        ctx_.forms.Unload(kForm);
        return;
    }
    ctx_.forms.Unload(kForm);
    ctx_.forms.Show(name);
}

}  // namespace questionnaire
