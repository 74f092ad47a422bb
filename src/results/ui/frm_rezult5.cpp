#include "results/ui/frm_rezult5.h"

#include <QLabel>

#include "platform/qt_text.h"
#include "results/program5.h"

namespace results {

frmRezult5::frmRezult5(platform::AppContext& context)
    : ResultsScreen(context, 5, kProgram5Grid, "Label0") {
    BuildGrid({{kRow5Date, "Label2"},
               {1, "Label3"},
               {2, "Label4"},
               {kRow5BodyMass, "Label5"},
               {kRow5Overall, "Label6"}},
              {"Label7(0)", "Label7(1)", "Label7(2)", "Label7(3)", "Label7(4)", "Label7(5)"});
    Form_Load();
}

void frmRezult5::Form_Load() {
    header_->setText(platform::ToQt(HeaderWithSalutation(Caption("Label0"), "\n", ctx_.state)));

    const std::unique_ptr<ProfileStore> profile = OpenProfile();
    const ResultsPage page =
        LoadProgram5Results(ctx_.state, ctx_.clock, *profile, Caption("Marks"));
    ShowPage(page);
    FitIntoMainWindow();
    ReportRecord(page.record);
}

}  // namespace results
