#include "recommendations/ui/frm_recom1.h"

#include <QLabel>

#include "recommendations/preparations.h"
#include "recommendations/program1.h"
#include "text/catalogue.h"

namespace recommendations {

frmRecom1::frmRecom1(platform::AppContext& context)
    : RecommendationScreen(context, 1,
                           {.useButton = "cmdPrint", .plan = true, .buttons = program1::kButtons}) {
    cmdPrint = cmdUse;
    Label2 = AddText(Place::AboveActions, "Label2", true);
    Label7 = AddText(Place::BelowActions, "Label7");
    Label8 = AddText(Place::BelowActions, "Label8", true);
    Label8->setAlignment(Qt::AlignCenter);
    Label5 = AddText(Place::Closing, "Label5");
    Label6 = AddText(Place::Closing, "Label6");
    Form_Load();
}

// The course of the user's body mass and scores, in its fixed sections.
ListLayout frmRecom1::LayOut() {
    prepList_ = Program1List();
    dietName_ = text::GetListItem(prepList_, kDietItem);
    courseCode_ = program1::ChooseCourse(ctx_.state);
    return program1::LayOutCourse(courseCode_, prepList_);
}

// The use instructions of the course, printable.
ScreenDocument frmRecom1::UseDocument() const {
    return {.path = program1::UseInstructionsPath(courseCode_)};
}

// The calendar plan of the course, addressed to the user, printable.
ScreenDocument frmRecom1::PlanDocument() const {
    return {.path = program1::CalendarPath(courseCode_),
            .fill = {.salutationRtf = true, .salutationText = true}};
}

// The preparation's description; only the diet can be printed from here.
ScreenDocument frmRecom1::Description(const LayoutEntry& button) const {
    ScreenDocument description = RecommendationScreen::Description(button);
    description.printable = button.caption == dietName_;
    return description;
}

}  // namespace recommendations
