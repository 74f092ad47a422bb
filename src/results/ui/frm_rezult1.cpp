#include "results/ui/frm_rezult1.h"

#include <QLabel>

#include "platform/qt_text.h"
#include "results/program1.h"

namespace results {

frmRezult1::frmRezult1(platform::AppContext& context)
    : ResultsScreen(context, 1, kProgram1Grid, "Label1") {
    BuildGrid({{kRowDate, "Label2"},
               {1, "Label3"},
               {2, "Label4"},
               {3, "Label5"},
               {4, "Label6"},
               {kRowBodyMass, "Label7"},
               {kRowOverall, "Label8"}});
    Form_Load();
}

void frmRezult1::Form_Load() {
    // The body-mass words are kept from the design caption of their own cell, which the current
    // run then fills.
    bodyMassWords_ = Caption("Label10(5)");

    header_->setText(platform::ToQt(HeaderWithSalutation(Caption("Label1"), " ", ctx_.state)));

    const std::unique_ptr<ProfileStore> profile = OpenProfile();
    const ResultsPage page = LoadProgram1Results(ctx_.state, ctx_.clock, *profile, bodyMassWords_);
    ShowPage(page);
    FitIntoMainWindow();
    ReportRecord(page.record);
}

}  // namespace results
