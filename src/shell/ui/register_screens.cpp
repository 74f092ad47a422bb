#include "shell/ui/register_screens.h"

#include "platform/app_context.h"
#include "platform/forms.h"
#include "recommendations/ui/frm_recom1.h"
#include "recommendations/ui/recept_sheet.h"
#include "shell/ui/frm_mdi.h"

namespace shell {

void RegisterScreens(platform::Forms& forms) {
    forms.Register("frmRecom1", [](platform::AppContext& c) { return new recommendations::frmRecom1(c); });
    forms.Register("frmRecept1", [](platform::AppContext& c) { return new recommendations::frmRecept1(c); });
    forms.Register("frmRecept2", [](platform::AppContext& c) { return new recommendations::frmRecept2(c); });
}

void ConnectMainWindow(frmMDI& window, platform::AppContext& context) {
    (void)window;
    (void)context;
}

}  // namespace shell
