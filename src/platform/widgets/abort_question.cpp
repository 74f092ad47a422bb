#include "platform/widgets/abort_question.h"

#include "platform/forms.h"

namespace widgets {

bool ConfirmAbort(platform::AppContext& context) {
    // The dialog sets its answer; nothing is taken as a "yes" left over from an earlier dialog.
    context.state.dlgResult = 0;
    context.forms.ShowModal("frmAbort");
    return context.state.dlgResult == 1;
}

}  // namespace widgets
