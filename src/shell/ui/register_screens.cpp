#include "shell/ui/register_screens.h"

#include "conclusions/ui/frm_conclusion1.h"
#include "docs/ui/frm_rtf.h"
#include "platform/app_context.h"
#include "platform/forms.h"
#include "results/ui/frm_rezult1.h"
#include "shell/ui/frm_abort.h"
#include "shell/ui/frm_about.h"
#include "shell/ui/frm_choice.h"
#include "shell/ui/frm_end.h"
#include "shell/ui/frm_mdi.h"
#include "shell/ui/frm_welcome.h"
#include "users/ui/frm_login.h"
#include "users/ui/frm_regist.h"

namespace shell {

void RegisterScreens(platform::Forms& forms) {
    forms.Register("frmRTF", [](platform::AppContext& c) { return new docs::frmRTF(c); });
    forms.Register("frmWelcome", [](platform::AppContext& c) { return new shell::frmWelcome(c); });
    forms.Register("frmAbout", [](platform::AppContext& c) { return new shell::frmAbout(c); });
    forms.Register("frmChoice", [](platform::AppContext& c) { return new shell::frmChoice(c); });
    forms.Register("frmAbort", [](platform::AppContext& c) { return new shell::frmAbort(c); });
    forms.Register("frmEnd", [](platform::AppContext& c) { return new shell::frmEnd(c); });
    forms.Register("frmRegist", [](platform::AppContext& c) { return new users::frmRegist(c); });
    forms.Register("frmLogin", [](platform::AppContext& c) { return new users::frmLogin(c); });
    forms.Register("frmRezult1", [](platform::AppContext& c) { return new results::frmRezult1(c); });
    forms.Register("frmConclusion1",
                   [](platform::AppContext& c) { return new conclusions::frmConclusion1(c); });
}

void ConnectMainWindow(frmMDI& window, platform::AppContext& context) {
    (void)window;
    (void)context;
}

}  // namespace shell
