#include "shell/ui/register_screens.h"

#include "conclusions/ui/frm_conclusion1.h"
#include "platform/app_context.h"
#include "platform/forms.h"
#include "results/ui/frm_rezult1.h"
#include "shell/ui/frm_mdi.h"

namespace shell {

void RegisterScreens(platform::Forms& forms) {
    forms.Register("frmRezult1",
                   [](platform::AppContext& c) { return new results::frmRezult1(c); });
    forms.Register("frmConclusion1",
                   [](platform::AppContext& c) { return new conclusions::frmConclusion1(c); });
}

void ConnectMainWindow(frmMDI& window, platform::AppContext& context) {
    (void)window;
    (void)context;
}

}  // namespace shell
