#include "recommendations/ui/frm_recom4.h"

#include <QLabel>

#include "recommendations/preparations.h"
#include "recommendations/program4.h"

namespace recommendations {

namespace {
constexpr int kProgram = 4;
}

frmRecom4::frmRecom4(platform::AppContext& context)
    : RecommendationScreen(context, kProgram, {.date = true, .buttons = program4::kButtons}) {
    Label9 = AddText(Place::AboveActions, "Label9", true);
    Label10 = AddText(Place::Closing, "Label10");
    Form_Load();
}

// The lists of the user's sources of risk, in category order.
ListLayout frmRecom4::LayOut() {
    selection_ = program4::Choose(ctx_.state);
    return LayOutByCategory(selection_, CategoryList(), program4::kButtons);
}

std::vector<std::string> frmRecom4::ListCodes() const { return program4::ListCodes(selection_); }

// The description of the preparation in the variant its lists gave it.
ScreenDocument frmRecom4::Description(const LayoutEntry& button) const {
    ScreenDocument description = RecommendationScreen::Description(button);
    description.path = program4::DescriptionPath(selection_(button.slot));
    return description;
}

// The use table reduced to the list's preparations and variants, printable.
ScreenDocument frmRecom4::UseDocument() const {
    return {.path = std::string(program4::kUseTablePath),
            .missingIcon = platform::MessageBox::Icon::Warning,
            .table = program4::UseTableRule(ListCodes()),
            .cleanUp = RemoveDoubleCarets};
}

}  // namespace recommendations
