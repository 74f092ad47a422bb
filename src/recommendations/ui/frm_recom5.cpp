#include "recommendations/ui/frm_recom5.h"

#include <QLabel>
#include <QPushButton>

#include "platform/qt_text.h"
#include "recommendations/preparations.h"
#include "recommendations/program5.h"
#include "text/catalogue.h"

namespace recommendations {

namespace {
constexpr int kProgram = 5;
}

frmRecom5::frmRecom5(platform::AppContext& context)
    : RecommendationScreen(context, kProgram,
                           {.plan = true, .date = true, .buttons = program5::kButtons}) {
    Label8 = AddText(Place::AboveActions, "Label8", true);
    Label7 = AddText(Place::BelowActions, "Label7");
    cmdRecom = new QPushButton(platform::ToQt(text::FormText(formName(), "cmdRecom")), this);
    cmdRecom->setObjectName("cmdRecom");
    connect(cmdRecom, &QPushButton::clicked, this, &frmRecom5::cmdRecom_Click);
    AddWidget(Place::BelowActions, cmdRecom);
    Label5 = AddText(Place::Closing, "Label5", true);
    Label6 = AddText(Place::Closing, "Label6");
    Form_Load();
}

// The heading's break tokens become line breaks.
std::string frmRecom5::Heading() const {
    return text::ReplaceBreaks(RecommendationScreen::Heading());
}

// The list of the user's sex and degree of risk, in category order.
ListLayout frmRecom5::LayOut() {
    rating_ = ctx_.state.overallRating(kProgram);
    selection_ = program5::ChooseList(ctx_.state.sex(), rating_);
    return LayOutByCategory(selection_, CategoryList(), program5::kButtons);
}

std::vector<std::string> frmRecom5::ListCodes() const { return program5::ListCodes(selection_); }

ScreenDocument frmRecom5::Description(const LayoutEntry& button) const {
    ScreenDocument description = RecommendationScreen::Description(button);
    description.path = program5::DescriptionPath(button.item);
    return description;
}

// The calendar plan of the course, dated and addressed to the user, printable.
ScreenDocument frmRecom5::PlanDocument() const {
    return {.path = program5::PlanPath(ctx_.state.sex(), rating_),
            .missingIcon = platform::MessageBox::Icon::Warning,
            .fill = {.salutationRtf = true, .dateRtf = true}};
}

// The use table reduced to the list's preparations, dated, printable.
ScreenDocument frmRecom5::UseDocument() const {
    return {.path = std::string(program5::kUseTablePath),
            .missingIcon = platform::MessageBox::Icon::Warning,
            .fill = {.dateRtf = true},
            .table = program5::UseTableRule(ListCodes()),
            .cleanUp = RemoveDoubleCaretsAndDigits};
}

// The self-help text reduced to the section of the user's age group.
ScreenDocument frmRecom5::SelfHelpDocument() const {
    const int age = ctx_.clock.Now().year - ctx_.state.userYearBirth;
    return {.path = std::string(program5::kSelfHelpPath),
            .missingIcon = platform::MessageBox::Icon::Warning,
            .printable = false,
            .table = program5::SelfHelpRule(program5::AgeGroup(age)),
            .cleanUp = RemoveDoubleCarets};
}

void frmRecom5::cmdRecom_Click() { Open(SelfHelpDocument()); }

}  // namespace recommendations
