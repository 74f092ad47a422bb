#include "results/ui/frm_rezult4.h"

#include <QLabel>

#include "platform/qt_text.h"
#include "results/program4.h"

namespace results {

frmRezult4::frmRezult4(platform::AppContext& context)
    : ResultsScreen(context, 4, kProgram4Grid, "Label0") {
    BuildGrid({{kRow4Date, "Label2"},
               {1, "Label3"},
               {2, "Label4"},
               {3, "Label5"},
               {4, "Label6"},
               {kHeadingRow, "Label13"},
               {5, "Label7"},
               {6, "Label8"},
               {7, "Label9"},
               {kRow4Age, "Label11"},
               {kRow4BodyMass, "Label12"},
               {kRow4Overall, "Label14"}},
              {"Label15(0)", "Label15(1)", "Label15(2)", "Label15(3)", "Label15(4)", "Label15(5)"});
    Form_Load();
}

void frmRezult4::Form_Load() {
    header_->setText(platform::ToQt(HeaderWithSalutation(Caption("Label0"), " ", ctx_.state)));

    const std::unique_ptr<ProfileStore> profile = OpenProfile();
    const ResultsPage page = LoadProgram4Results(ctx_.state, ctx_.clock, *profile,
                                                 {Caption("Marks"), Caption("BodyMassMarks")});
    ShowPage(page);
    FitIntoMainWindow();
    ReportRecord(page.record);
}

}  // namespace results
