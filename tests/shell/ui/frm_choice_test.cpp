#include "shell/ui/frm_choice.h"

#include <QLabel>
#include <QPushButton>

#include "support/ui_fixture.h"
#include "text/catalogue.h"

namespace {

class FrmChoiceTest : public testsupport::UiFixture {};

TEST_F(FrmChoiceTest, EachButtonAndTheCloseBoxGiveTheirAnswer) {
    const std::vector<std::pair<const char*, int>> answers = {
        {"cmdNew", 1}, {"cmdSecond", 2}, {"cmdClose", 3}, {"close box", 3}};
    for (const auto& [button, expected] : answers) {
        sharedState.dlgResult = 7;
        forms.SetModalRunner([&, button = std::string(button)](QDialog& d) {
            EXPECT_EQ(sharedState.dlgResult, 0);
            if (button == "close box") {
                d.close();
            } else {
                Find<QPushButton>(&d, button.c_str())->click();
            }
            EXPECT_FALSE(d.isVisible());
        });
        forms.ShowModal("frmChoice");
        EXPECT_EQ(sharedState.dlgResult, expected) << button;
        EXPECT_FALSE(forms.IsLoaded("frmChoice"));
    }
}

TEST_F(FrmChoiceTest, ALongProgramIntroductionIsShownWhole) {
    QWidget* d = forms.Load("frmChoice");
    EXPECT_EQ(d->windowTitle(), "Choice");
    EXPECT_EQ(Find<QLabel>(d, "Label3")->text(), "Регистрация");
    EXPECT_EQ(Find<QPushButton>(d, "cmdNew")->text(), "НОВЫЙ");
    EXPECT_EQ(Find<QPushButton>(d, "cmdSecond")->text(), "ПОВТОРНО");
    EXPECT_EQ(Find<QPushButton>(d, "cmdClose")->text(), "ЗАКРЫТЬ");
    // As the launcher does for program 5.
    QLabel* intro = Find<QLabel>(d, "Label2");
    Find<QLabel>(d, "Label1")->setText(QString::fromStdString(text::GetCatalogText(500)));
    intro->setText(QString::fromStdString(text::GetCatalogText(501)));
    d->show();
    ProcessEvents();
    EXPECT_GE(intro->height(), intro->heightForWidth(intro->width()));
    EXPECT_LE(intro->geometry().bottom(), Find<QWidget>(d, "Label3")->geometry().top());
    EXPECT_LE(Find<QWidget>(d, "cmdNew")->geometry().bottom(), d->height());
}

}  // namespace
