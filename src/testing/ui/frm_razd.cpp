#include "testing/ui/frm_razd.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/forms.h"
#include "platform/qt_text.h"
#include "platform/widgets/abort_question.h"
#include "testing/introductions.h"
#include "testing/test_rules.h"
#include "text/catalogue.h"

namespace questionnaire {
namespace {

using platform::ToQt;

constexpr int kWidthTwips = 9150;
constexpr int kTopTwips = 0;
constexpr int kLeftTwips = 150;

}  // namespace

IntroductionScreen::IntroductionScreen(platform::AppContext& context, std::string form,
                                       bool withReturn, QWidget* parent)
    : QWidget(parent), ctx_(context), form_(std::move(form)) {
    const auto caption = [this](const char* control) {
        return ToQt(text::FormText(form_, control));
    };
    setWindowTitle(caption("Caption"));
    setFixedWidth(platform::Twips(kWidthTwips));

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont headingFont = Label1->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.15);
    Label1->setFont(headingFont);

    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const auto button = [&](const char* name) {
        auto* b = new QPushButton(caption(name), this);
        b->setObjectName(name);
        b->setAutoDefault(true);  // Enter presses the button that has the focus
        return b;
    };
    cmdContinue = button("cmdContinue");
    if (withReturn) cmdReturn = button("cmdReturn");
    cmdClose = button("cmdClose");
    connect(cmdContinue, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(6);
    layout->addWidget(Label2);
    layout->addStretch(1);
    layout->addSpacing(8);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdContinue);
    if (cmdReturn) buttons->addWidget(cmdReturn);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    cmdContinue->setFocus();  // read, then Enter goes on

    ctx_.forms.Place(this, kTopTwips, kLeftTwips);
}

QSize IntroductionScreen::sizeHint() const {
    // The layout's own hint guesses the wrapped texts' height for a narrower width than the
    // screen's fixed one, and the window came out a third taller than its texts.
    const QSize hint = QWidget::sizeHint();
    return QSize(hint.width(),
                 layout()->hasHeightForWidth() ? heightForWidth(width()) : hint.height());
}

void IntroductionScreen::cmdClose_Click() {
    if (widgets::ConfirmAbort(ctx_)) ctx_.forms.Unload(form_);
}

void IntroductionScreen::closeEvent(QCloseEvent* event) {
    event->ignore();
    cmdClose_Click();
}

void IntroductionScreen::OpenInstead(const std::string& next) {
    ctx_.forms.Unload(form_);
    ctx_.forms.Show(next);
}

ProgramIntroduction::ProgramIntroduction(platform::AppContext& context, int program,
                                         QWidget* parent)
    : IntroductionScreen(context, ProgramIntroductionName(program), false, parent) {
    Label1->setText(ToQt(text::FormText(form_, "Label1")));
    Label2->setText(ToQt(text::FormText(form_, "Label2")));
}

void ProgramIntroduction::cmdContinue_Click() {
    GoToTest(ctx_.state);
    OpenInstead("frmRazd");
}

frmRazd1::frmRazd1(platform::AppContext& context, QWidget* parent)
    : ProgramIntroduction(context, 1, parent) {}
frmRazd2::frmRazd2(platform::AppContext& context, QWidget* parent)
    : ProgramIntroduction(context, 2, parent) {}
frmRazd3::frmRazd3(platform::AppContext& context, QWidget* parent)
    : ProgramIntroduction(context, 3, parent) {}
frmRazd5::frmRazd5(platform::AppContext& context, QWidget* parent)
    : ProgramIntroduction(context, 5, parent) {}

frmRazd4::frmRazd4(platform::AppContext& context, QWidget* parent)
    : ProgramIntroduction(context, 4, parent) {
    BeforeProgram(4, ctx_.state);
}

frmRazd::frmRazd(platform::AppContext& context, QWidget* parent)
    : IntroductionScreen(context, "frmRazd", true, parent) {
    connect(cmdReturn, &QPushButton::clicked, this, [this] { cmdReturn_Click(); });
    ctx_.state.testKeyBase = static_cast<int32_t>(ctx_.state.curTest) * 1000;
    Label1->setText(ToQt(text::GetCatalogText(ctx_.state.testKeyBase)));
    Label2->setText(ToQt(text::GetCatalogText(ctx_.state.testKeyBase + 1)));
}

void frmRazd::cmdContinue_Click() {
    GoToTest(ctx_.state);
    OpenInstead("frmAnketa");
}

void frmRazd::cmdReturn_Click() {
    const std::string next = ReturnFromTestIntroduction(ctx_.state);
    if (!next.empty()) OpenInstead(next);
}

}  // namespace questionnaire
