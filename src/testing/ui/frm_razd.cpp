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

}  // namespace

IntroductionScreen::IntroductionScreen(platform::AppContext& context, std::string form,
                                       bool withReturn, QWidget* parent)
    : ProgramScreen(context, std::move(form), state::kIntroductionPlace,
                    platform::Twips(kWidthTwips), parent) {
    setFixedWidth(platform::Twips(kWidthTwips));
    setAutoFillBackground(false);

    Label1 = NewHeading("Label1", 1.15);
    Label1->setText(QString());
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    CreateButtons(kContinue | (withReturn ? kReturn : 0) | kClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(6);
    layout->addWidget(Label2);
    layout->addStretch(1);
    layout->addSpacing(8);
    layout->addLayout(ButtonBar(BarShape::Row));
    cmdContinue->setFocus();  // read, then Enter goes on

    PlaceInMainWindow(false);
}

ProgramIntroduction::ProgramIntroduction(platform::AppContext& context, int program,
                                         QWidget* parent)
    : IntroductionScreen(context, ProgramIntroductionName(program), false, parent) {
    Label1->setText(ToQt(Caption("Label1")));
    Label2->setText(ToQt(Caption("Label2")));
    BeforeProgram(program, ctx_.state);
}

void ProgramIntroduction::cmdContinue_Click() {
    GoToTest(ctx_.state);
    OpenInstead("frmRazd");
}

frmRazd::frmRazd(platform::AppContext& context, QWidget* parent)
    : IntroductionScreen(context, "frmRazd", true, parent) {
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
