#include "results/ui/frm_rezult2.h"

#include <QLabel>

#include "platform/qt_text.h"
#include "results/program2.h"

namespace results {

frmRezult2::frmRezult2(platform::AppContext& context)
    : ResultsScreen(context, 2, kProgram2Grid, "Label0") {
    BuildGrid({{kRow2Date, "Label2"},
               {kHeadingRow, "Label11"},
               {1, "Label3"},
               {2, "Label4"},
               {3, "Label5"},
               {4, "Label6"},
               {5, "Label7"},
               {6, "Label8"},
               {kHeadingRow, "Label12"},
               {7, "Label13"},
               {8, "Label14"},
               {kRow2BodyMass, "Label15"},
               {kRow2Overall, "Label16"}},
              {"Label9(0)", "Label9(1)", "Label9(2)", "Label9(3)", "Label9(4)", "Label9(5)"});
    Form_Load();
}

void frmRezult2::Form_Load() {
    header_->setText(platform::ToQt(HeaderWithSalutation(Caption("Label0"), "\n", ctx_.state)));

    const std::unique_ptr<ProfileStore> profile = OpenProfile();
    const ResultsPage page = LoadProgram2Results(ctx_.state, ctx_.clock, *profile,
                                                 {Caption("Marks"), Caption("BodyMassMarks")});
    ShowPage(page);
    FitIntoMainWindow();
    ReportRecord(page.record);
}

}  // namespace results
