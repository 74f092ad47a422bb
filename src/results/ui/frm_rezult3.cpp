#include "results/ui/frm_rezult3.h"

#include <QLabel>

#include "platform/qt_text.h"
#include "results/program3.h"

namespace results {

frmRezult3::frmRezult3(platform::AppContext& context)
    : ResultsScreen(context, 3, kProgram3Grid, "Label0") {
    BuildGrid({{kRow3Date, "Label1(0)"},
               {1, "Label1(1)"},
               {2, "Label1(2)"},
               {3, "Label1(3)"},
               {kRow3BodyMass, "Label1(4)"},
               {kRow3Overall, "Label1(6)"}});
    Form_Load();
}

void frmRezult3::Form_Load() {
    header_->setText(platform::ToQt(Header3(Caption("Label0"), ctx_.state)));

    const std::unique_ptr<ProfileStore> profile = OpenProfile();
    const ResultsPage page = LoadProgram3Results(ctx_.state, ctx_.clock, *profile);
    ShowPage(page);
    FitIntoMainWindow();
    ReportRecord(page.record);
}

}  // namespace results
