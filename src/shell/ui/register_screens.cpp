#include "shell/ui/register_screens.h"

#include "conclusions/ui/frm_conclusion1.h"
#include "conclusions/ui/frm_conclusion2.h"
#include "conclusions/ui/frm_conclusion3.h"
#include "conclusions/ui/frm_conclusion4.h"
#include "conclusions/ui/frm_conclusion5.h"
#include "docs/ui/frm_rtf.h"
#include "platform/app_context.h"
#include "platform/forms.h"
#include "recommendations/ui/frm_recom1.h"
#include "recommendations/ui/frm_recom2.h"
#include "recommendations/ui/frm_recom3.h"
#include "recommendations/ui/frm_recom4.h"
#include "recommendations/ui/frm_recom5.h"
#include "recommendations/ui/recept_sheet.h"
#include "results/ui/frm_rezult1.h"
#include "results/ui/frm_rezult2.h"
#include "results/ui/frm_rezult3.h"
#include "results/ui/frm_rezult4.h"
#include "results/ui/frm_rezult5.h"
#include "shell/ui/frm_abort.h"
#include "shell/ui/frm_about.h"
#include "shell/ui/frm_choice.h"
#include "shell/ui/frm_end.h"
#include "shell/ui/frm_mdi.h"
#include "shell/ui/frm_welcome.h"
#include "shell/ui/run_program.h"
#include "state/programs.h"
#include "testing/ui/frm_anketa.h"
#include "testing/ui/frm_razd.h"
#include "users/ui/frm_login.h"
#include "users/ui/frm_regist.h"

namespace shell {

namespace {

using Factory = platform::Forms::Factory;

template <typename Screen>
Factory Make() {
    return [](platform::AppContext& c) { return new Screen(c); };
}

// The screens a program brings beyond its introduction; a program whose screens of a kind are
// not built yet has none there.
struct ProgramScreens {
    int program;
    Factory results, conclusion, recommendations;
};

void RegisterProgramScreens(platform::Forms& forms) {
    for (const state::Program& program : state::Programs()) {
        forms.Register(std::string(program.introduction),
                       [number = program.number](platform::AppContext& c) {
                           return new questionnaire::ProgramIntroduction(c, number);
                       });
    }
    const ProgramScreens screens[] = {
        {1, Make<results::frmRezult1>(), Make<conclusions::frmConclusion1>(),
         Make<recommendations::frmRecom1>()},
        {2, Make<results::frmRezult2>(), Make<conclusions::frmConclusion2>(),
         Make<recommendations::frmRecom2>()},
        {3, Make<results::frmRezult3>(), Make<conclusions::frmConclusion3>(),
         Make<recommendations::frmRecom3>()},
        {4, Make<results::frmRezult4>(), Make<conclusions::frmConclusion4>(),
         Make<recommendations::frmRecom4>()},
        {5, Make<results::frmRezult5>(), Make<conclusions::frmConclusion5>(),
         Make<recommendations::frmRecom5>()},
    };
    for (const ProgramScreens& own : screens) {
        const state::Program& program = *state::ProgramOf(own.program);
        if (own.results) forms.Register(std::string(program.results), own.results);
        if (own.conclusion) forms.Register(std::string(program.conclusion), own.conclusion);
        if (own.recommendations)
            forms.Register(std::string(program.recommendations), own.recommendations);
    }
}

}  // namespace

void RegisterScreens(platform::Forms& forms) {
    RegisterProgramScreens(forms);
    forms.Register("frmRazd", Make<questionnaire::frmRazd>());
    forms.Register("frmAnketa", Make<questionnaire::frmAnketa>());
    forms.Register("frmRTF", Make<docs::frmRTF>());
    forms.Register("frmWelcome", Make<shell::frmWelcome>());
    forms.Register("frmAbout", Make<shell::frmAbout>());
    forms.Register("frmChoice", Make<shell::frmChoice>());
    forms.Register("frmAbort", Make<shell::frmAbort>());
    forms.Register("frmEnd", Make<shell::frmEnd>());
    forms.Register("frmRegist", Make<users::frmRegist>());
    forms.Register("frmLogin", Make<users::frmLogin>());
    forms.Register("frmRecept1", Make<recommendations::frmRecept1>());
    forms.Register("frmRecept2", Make<recommendations::frmRecept2>());
}

void ConnectMainWindow(frmMDI& window, platform::AppContext& context) {
    QObject::connect(&window, &frmMDI::programChosen, &window,
                     [&context](int item) { RunProgram(context, item); });
}

}  // namespace shell
