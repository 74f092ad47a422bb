#include "shell/ui/register_screens.h"

#include "platform/app_context.h"
#include "platform/forms.h"
#include "shell/ui/frm_about.h"
#include "shell/ui/frm_mdi.h"
#include "shell/ui/frm_welcome.h"

namespace shell {

void RegisterScreens(platform::Forms& forms) {
    forms.Register("frmWelcome", [](platform::AppContext& c) { return new shell::frmWelcome(c); });
    forms.Register("frmAbout", [](platform::AppContext& c) { return new shell::frmAbout(c); });
}

void ConnectMainWindow(frmMDI& window, platform::AppContext& context) {
    (void)window;
    (void)context;
}

}  // namespace shell
