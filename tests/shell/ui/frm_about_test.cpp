#include "shell/ui/frm_about.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"

namespace {

class FrmAboutTest : public testsupport::UiFixture {};

TEST_F(FrmAboutTest, OpensModallyFromTheMenuAndClosesWithOk) {
    shell::frmMDI& window = OpenMainWindow();
    int opened = 0;
    bool modal = false;
    std::string title, heading, statement;
    bool closedByOk = false;
    forms.SetModalRunner([&](QDialog& dialog) {
        ++opened;
        modal = dialog.isModal() && dialog.isVisible();
        title = dialog.windowTitle().toStdString();
        heading = dialog.findChild<QLabel*>("Label2(0)")->text().toStdString();
        statement = dialog.findChild<QLabel*>("Label2(1)")->text().toStdString();
        auto* ok = dialog.findChild<QPushButton*>("cmdOk");
        EXPECT_EQ(ok->text().toStdString(), "Ok");
        ok->click();
        closedByOk = !dialog.isVisible();
    });
    window.findChild<QAction*>("mAbout")->trigger();
    ProcessEvents();

    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(modal);
    EXPECT_EQ(title, "About");
    EXPECT_EQ(heading, "О программе");
    EXPECT_TRUE(closedByOk);
    EXPECT_FALSE(forms.IsLoaded("frmAbout"));
    // The statement comes in paragraphs, with no break token left, and names the version that
    // the main window's caption shows.
    EXPECT_EQ(statement.find("¤"), std::string::npos);
    EXPECT_NE(statement.find("\n\n"), std::string::npos);
    const std::string version = std::to_string(ZORVEK_VERSION_MAJOR) + "." +
                                std::to_string(ZORVEK_VERSION_MINOR) + "." +
                                std::to_string(ZORVEK_VERSION_PATCH);
    EXPECT_NE(statement.find("«Зорвек», версия " + version + "."), std::string::npos) << statement;
    EXPECT_NE(window.windowTitle().toStdString().find("(v. " + version + ")"), std::string::npos);
}

}  // namespace
