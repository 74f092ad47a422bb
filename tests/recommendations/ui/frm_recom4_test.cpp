#include "recommendations/ui/frm_recom4.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"

namespace {

class FrmRecom4Test : public testsupport::UiFixture {
  protected:
    FrmRecom4Test() {
        clock.now = {2026, 12, 8, 10, 30, 0};
        sharedState.ResetAnswers();
        sharedState.curProgram = 4;
        LogIn({"Белов", "Игорь", "m", 1960, 1.80f, 82});
        for (int t = 1; t <= 7; ++t) sharedState.answers(4, t, 32) = 5;
        sharedState.answers(4, 14, 32) = 6;
        sharedState.answers(4, 15, 32) = 5;
    }
    recommendations::frmRecom4* Open() {
        OpenMainWindow();
        auto* screen = qobject_cast<recommendations::frmRecom4*>(forms.Show("frmRecom4"));
        ProcessEvents();
        return screen;
    }
    static std::vector<std::string> Captions(QWidget* screen) {
        std::vector<std::string> captions;
        for (int i = 1; i <= 14; ++i) {
            auto* button = screen->findChild<QPushButton*>(QString("cmdPreparat(%1)").arg(i));
            if (button && !button->isHidden()) captions.push_back(button->text().toStdString());
        }
        return captions;
    }
};

TEST_F(FrmRecom4Test, NoSourceOfRiskStillShowsTheGeneralCourse) {
    auto* screen = Open();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(Captions(screen), (std::vector<std::string>{"ТЕРВИЛ", "ЛОРВИЛ", "БЕНВИЛ", "АЛВИЛ",
                                                          "ВЕЛОНА", "ВИСТЕРА"}));
    EXPECT_TRUE(screen->Label1->text().endsWith("для Вас, г-н Белов Игорь"));
    EXPECT_EQ(screen->lblDate->text().toStdString(), "08.12.26");
    for (int k : {1, 2}) EXPECT_FALSE(screen->lblRazdel(k)->isHidden()) << k;
    for (int k : {3, 4, 5}) EXPECT_TRUE(screen->lblRazdel(k)->isHidden()) << k;
    EXPECT_FALSE(screen->Label9->isHidden());
}

TEST_F(FrmRecom4Test, TheSaltsInBothVariantsOpenTheirOwnDescription) {
    sharedState.answers(4, 1, 32) = 0;  // smoking: list 9 with 23b
    sharedState.answers(4, 7, 2) = 1;   // a "yes" calling for list 3 with 23a
    sharedState.answers(4, 15, 32) = 0;
    auto* screen = Open();
    const std::vector<std::string> captions = Captions(screen);
    ASSERT_FALSE(captions.empty());
    EXPECT_EQ(captions.back(), "ЛОТЕЛЬ");
    EXPECT_FALSE(screen->lblRazdel(3)->isHidden());
    SaveShot(*screen, "frmRecom4_salts");
    const QString last = QString("cmdPreparat(%1)").arg(captions.size());
    screen->findChild<QPushButton*>(last)->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("OZ-12-1-23ab-r.rtf"), std::string::npos)
        << messages.shown[0].text;
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::Warning);
}

}  // namespace
