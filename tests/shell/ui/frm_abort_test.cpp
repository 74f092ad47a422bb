#include "shell/ui/frm_abort.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"

namespace {

const char* const kInfoMenus[] = {"mInfo14", "mInfo104", "mInfo15", "mInfo16", "mInfo17"};

class FrmAbortTest : public testsupport::UiFixture {
  protected:
    void EnableInfoMenus() {
        for (const char* name : kInfoMenus) mainWindow->findChild<QAction*>(name)->setEnabled(true);
    }
    std::vector<bool> InfoMenus() {
        std::vector<bool> enabled;
        for (const char* name : kInfoMenus)
            enabled.push_back(mainWindow->findChild<QAction*>(name)->isEnabled());
        return enabled;
    }
    void Answer(const char* button) {
        forms.SetModalRunner([this, button](QDialog& d) {
            EXPECT_EQ(sharedState.dlgResult, 0);
            EXPECT_EQ(Find<QLabel>(&d, "Label2")->text(), "Прервать тест ?");
            if (button) {
                Find<QPushButton>(&d, button)->click();
            } else {
                d.close();
            }
        });
        sharedState.dlgResult = 5;
        forms.ShowModal("frmAbort");
    }
};

TEST_F(FrmAbortTest, YesDisablesTheInformationMenusOfProgramsOneToFour) {
    OpenMainWindow();
    EnableInfoMenus();
    Answer("cmdYes");
    EXPECT_EQ(sharedState.dlgResult, 1);
    EXPECT_EQ(InfoMenus(), (std::vector<bool>{false, false, false, false, true}));
}

TEST_F(FrmAbortTest, NoAndTheCloseBoxChangeNothing) {
    OpenMainWindow();
    EnableInfoMenus();
    Answer("cmdNo");
    EXPECT_EQ(sharedState.dlgResult, 2);
    Answer(nullptr);
    EXPECT_EQ(sharedState.dlgResult, 2);
    EXPECT_EQ(InfoMenus(), (std::vector<bool>(5, true)));
}

TEST_F(FrmAbortTest, YesWorksWithoutTheMainWindow) {
    Answer("cmdYes");
    EXPECT_EQ(sharedState.dlgResult, 1);
}

}  // namespace
