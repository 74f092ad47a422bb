#include "shell/ui/register_screens.h"

#include "docs/ui/frm_rtf.h"
#include "platform/app_context.h"
#include "platform/forms.h"
#include "shell/ui/frm_mdi.h"

namespace shell {

void RegisterScreens(platform::Forms& forms) {
    forms.Register("frmRTF", [](platform::AppContext& c) { return new docs::frmRTF(c); });
}

void ConnectMainWindow(frmMDI& window, platform::AppContext& context) {
    (void)window;
    (void)context;
}

}  // namespace shell
