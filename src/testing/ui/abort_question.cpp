#include "testing/ui/abort_question.h"

#include "platform/forms.h"

namespace testing {

bool ConfirmAbort(platform::AppContext& context) {
    // The dialog sets its answer; nothing is taken as a "yes" left over from an earlier dialog.
    context.state.dlgResult = 0;
    context.forms.ShowModal("frmAbort");
    return context.state.dlgResult == 1;
}

}  // namespace testing
