#include "shell/ui/register_screens.h"

#include "conclusions/ui/frm_conclusion1.h"
#include "docs/ui/frm_rtf.h"
#include "platform/app_context.h"
#include "platform/forms.h"
#include "recommendations/ui/frm_recom1.h"
#include "recommendations/ui/recept_sheet.h"
#include "results/ui/frm_rezult1.h"
#include "shell/ui/frm_abort.h"
#include "shell/ui/frm_about.h"
#include "shell/ui/frm_choice.h"
#include "shell/ui/frm_end.h"
#include "shell/ui/frm_mdi.h"
#include "shell/ui/frm_welcome.h"
#include "shell/ui/run_program.h"
#include "testing/ui/frm_anketa.h"
#include "testing/ui/frm_razd.h"
#include "users/ui/frm_login.h"
#include "users/ui/frm_regist.h"

namespace shell {

void RegisterScreens(platform::Forms& forms) {
    forms.Register("frmRazd1",
                   [](platform::AppContext& c) { return new questionnaire::frmRazd1(c); });
    forms.Register("frmRazd2",
                   [](platform::AppContext& c) { return new questionnaire::frmRazd2(c); });
    forms.Register("frmRazd3",
                   [](platform::AppContext& c) { return new questionnaire::frmRazd3(c); });
    forms.Register("frmRazd4",
                   [](platform::AppContext& c) { return new questionnaire::frmRazd4(c); });
    forms.Register("frmRazd5",
                   [](platform::AppContext& c) { return new questionnaire::frmRazd5(c); });
    forms.Register("frmRazd",
                   [](platform::AppContext& c) { return new questionnaire::frmRazd(c); });
    forms.Register("frmAnketa",
                   [](platform::AppContext& c) { return new questionnaire::frmAnketa(c); });
    forms.Register("frmRTF", [](platform::AppContext& c) { return new docs::frmRTF(c); });
    forms.Register("frmWelcome", [](platform::AppContext& c) { return new shell::frmWelcome(c); });
    forms.Register("frmAbout", [](platform::AppContext& c) { return new shell::frmAbout(c); });
    forms.Register("frmChoice", [](platform::AppContext& c) { return new shell::frmChoice(c); });
    forms.Register("frmAbort", [](platform::AppContext& c) { return new shell::frmAbort(c); });
    forms.Register("frmEnd", [](platform::AppContext& c) { return new shell::frmEnd(c); });
    forms.Register("frmRegist", [](platform::AppContext& c) { return new users::frmRegist(c); });
    forms.Register("frmLogin", [](platform::AppContext& c) { return new users::frmLogin(c); });
    forms.Register("frmRezult1",
                   [](platform::AppContext& c) { return new results::frmRezult1(c); });
    forms.Register("frmConclusion1",
                   [](platform::AppContext& c) { return new conclusions::frmConclusion1(c); });
    forms.Register("frmRecom1",
                   [](platform::AppContext& c) { return new recommendations::frmRecom1(c); });
    forms.Register("frmRecept1",
                   [](platform::AppContext& c) { return new recommendations::frmRecept1(c); });
    forms.Register("frmRecept2",
                   [](platform::AppContext& c) { return new recommendations::frmRecept2(c); });
}

void ConnectMainWindow(frmMDI& window, platform::AppContext& context) {
    QObject::connect(&window, &frmMDI::programChosen, &window,
                     [&context](int item) { RunProgram(context, item); });
}

}  // namespace shell
