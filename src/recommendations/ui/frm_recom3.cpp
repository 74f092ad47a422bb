#include "recommendations/ui/frm_recom3.h"

#include <QLabel>

#include "recommendations/preparations.h"
#include "recommendations/program3.h"
#include "text/catalogue.h"

namespace recommendations {

namespace {
constexpr int kProgram = 3;
}  // namespace

frmRecom3::frmRecom3(platform::AppContext& context)
    : RecommendationScreen(context, kProgram, {.date = true, .buttons = program3::kButtons}) {
    Label10 = AddText(Place::AboveActions, "Label10", true);
    Label5 = AddText(Place::Closing, "Label5");
    Form_Load();
}

// The child's name and year of birth after the heading's caption; break tokens become line
// breaks.
std::string frmRecom3::Heading() const {
    const state::SharedState& state = ctx_.state;
    return text::ReplaceBreaks(text::FormText(formName(), "Label1") + state.userFirstName + " " +
                               state.userLastName + ", " + std::to_string(state.userYearBirth) +
                               " " + text::GetCatalogText(27));
}

// The list of the variant and the age group, shown in its own order.
ListLayout frmRecom3::LayOut() {
    const int variant = ctx_.state.resultVariant(kProgram);
    const int age = ctx_.clock.Now().year - ctx_.state.userYearBirth;
    list_ = program3::ChooseList(variant, age);
    Label10->setVisible(program3::CallsToAct(variant));
    std::vector<int> preparations;
    for (int code : program3::ListCodes(list_))
        preparations.push_back(program3::PreparationOf(code));
    return LayOutByCategory(preparations, CategoryList(), program3::kButtons);
}

// The description of the preparation in the dose of the list's item.
ScreenDocument frmRecom3::Description(const LayoutEntry& button) const {
    ScreenDocument description = RecommendationScreen::Description(button);
    description.path = program3::DescriptionPath(list_(button.slot).product);
    return description;
}

// The use table reduced to the list's codes, printable; a missing table is told without an icon.
ScreenDocument frmRecom3::UseDocument() const {
    return {.path = std::string(program3::kUseTablePath),
            .table = program3::UseTableRule(program3::ListCodes(list_)),
            .cleanUp = RemoveCarets};
}

std::string frmRecom3::SheetHeading() const { return program3::SheetHeading(ctx_.state); }

}  // namespace recommendations
