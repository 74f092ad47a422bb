#include "recommendations/ui/frm_recom5.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include "docs/ui/frm_rtf.h"
#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"

namespace {

class FrmRecom5Test : public testsupport::UiFixture {
  protected:
    FrmRecom5Test() {
        clock.now = {2026, 12, 8, 10, 30, 0};
        sharedState.ResetAnswers();
        sharedState.curProgram = 5;
        forms.SetModalRunner([this](QDialog& dialog) {
            auto* viewer = qobject_cast<docs::frmRTF*>(&dialog);
            ASSERT_NE(viewer, nullptr);
            viewed.push_back(viewer->PlainText());
            if (!shot.isEmpty()) SaveShot(dialog, shot);
        });
    }
    void WithDocuments() {
        std::filesystem::copy(std::filesystem::path(TEST_BUILD_DIR) / "Doc", dir.path() / "Doc");
    }
    recommendations::frmRecom5* Open(const User& user, int rating) {
        LogIn(user);
        sharedState.answers(5, 15, 32) = static_cast<int16_t>(rating);
        OpenMainWindow();
        auto* screen = qobject_cast<recommendations::frmRecom5*>(forms.Show("frmRecom5"));
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
    std::vector<std::string> viewed;
    QString shot;
};

TEST_F(FrmRecom5Test, AYoungManWithALowRiskGetsTheShortListHisPlanAndTheTextForHisAge) {
    WithDocuments();
    auto* screen = Open({"Орлов", "Пётр", "m", 2001, 1.80f, 70}, 5);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(Captions(screen), (std::vector<std::string>{"ТЕРВИЛ", "ГЕЛВИЛ", "ВИСТЕРА", "НОРЕТТА",
                                                          "БЕЛАНТА ДОКТОР \"МИРВЕЛА\""}));
    EXPECT_TRUE(screen->Label1->text().endsWith("Г-н Орлов Пётр"));
    EXPECT_TRUE(screen->Label1->text().contains("\n"));  // the heading's break token
    for (int k : {1, 2, 3}) EXPECT_FALSE(screen->lblRazdel(k)->isHidden()) << k;
    EXPECT_TRUE(screen->lblRazdel(4)->isHidden());
    SaveShot(*screen, "frmRecom5_man25");

    screen->cmdPlan->click();
    ASSERT_EQ(viewed.size(), 1u);
    EXPECT_NE(viewed[0].find("Профилактический курс"), std::string::npos);
    EXPECT_NE(viewed[0].find("Г-н Орлов Пётр"), std::string::npos);
    EXPECT_NE(viewed[0].find("Норетта"), std::string::npos);

    shot = "dpr-nenon_25";
    screen->cmdRecom->click();
    ASSERT_EQ(viewed.size(), 2u);
    EXPECT_NE(viewed[1].find("Если Вам меньше 30 лет"), std::string::npos);
    EXPECT_EQ(viewed[1].find("Если Вам от 30 до 49 лет"), std::string::npos);
    EXPECT_EQ(viewed[1].find("Если Вам 50 лет и больше"), std::string::npos);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FrmRecom5Test, AWomanOfFiftyReadsTheSectionOfTheOldestGroup) {
    WithDocuments();
    auto* screen = Open({"Белова", "Мария", "f", 1976, 1.62f, 60}, 3);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(Captions(screen).size(), 8u);
    shot = "dpr-nenon_50";
    screen->cmdRecom->click();
    ASSERT_EQ(viewed.size(), 1u);
    EXPECT_NE(viewed[0].find("Если Вам 50 лет и больше"), std::string::npos);
    EXPECT_EQ(viewed[0].find("Если Вам от 30 до 49 лет"), std::string::npos);
}

TEST_F(FrmRecom5Test, AMissingDocumentIsReportedWithItsPath) {
    auto* screen = Open({"Белова", "Мария", "f", 1976, 1.62f, 60}, 0);
    ASSERT_NE(screen, nullptr);
    screen->cmdPlan->click();
    screen->cmdRecom->click();
    EXPECT_TRUE(viewed.empty());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[0].text.find("dpr8-3-1a.rtf"), std::string::npos);
    EXPECT_NE(messages.shown[1].text.find("dpr-nenon.rtf"), std::string::npos);
}

}  // namespace
