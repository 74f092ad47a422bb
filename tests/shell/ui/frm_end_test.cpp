#include "shell/ui/frm_end.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"
#include "text/catalogue.h"

namespace {

class FrmEndTest : public testsupport::UiFixture {
  protected:
    QWidget* Open(const char* recomForm, const char* sex = "f") {
        sharedState.recomForm = recomForm;
        sharedState.userSex = sex;
        sharedState.userLastName = "Иванова";
        sharedState.userFirstName = "Мария";
        return forms.Show("frmEnd");
    }
    std::string Text(QWidget* screen, const char* name) {
        return Find<QLabel>(screen, name)->text().toStdString();
    }
    bool Shown(QWidget* screen, const char* name) {
        return Find<QWidget>(screen, name)->isVisibleTo(screen);
    }
    // Screens of other parts of the program, as plain stand-ins.
    void RegisterStandIn(const std::string& name) {
        forms.Register(name, [](platform::AppContext&) {
            auto* screen = new QWidget;
            auto* picture = new QLabel(screen);
            picture->setObjectName("Image1");
            picture->hide();
            return screen;
        });
    }
};

TEST_F(FrmEndTest, TheAdultsPanelGreetsTheUserByName) {
    QWidget* screen = Open("frmRecom1");
    EXPECT_EQ(Text(screen, "lblName(0)"), "Глубокоуважаемая Иванова Мария!");
    EXPECT_TRUE(Shown(screen, "FrameEnd(0)"));
    EXPECT_FALSE(Shown(screen, "FrameEnd(3)"));
    EXPECT_FALSE(Shown(screen, "Label5(2)"));
    const std::string farewell = Text(screen, "LabelT(0)");
    EXPECT_EQ(farewell.find("¤"), std::string::npos);
    EXPECT_NE(farewell.find("\n\n"), std::string::npos);
    EXPECT_EQ(Text(screen, "Label3(0)"), "Мы с Вами не прощаемся !!!!");
    EXPECT_FALSE(Find<QLabel>(screen, "Image1(0)")->pixmap().isNull());
    forms.Unload("frmEnd");

    screen = Open("FRMRECOM4", "m");
    EXPECT_EQ(Text(screen, "lblName(0)"), "Глубокоуважаемый Иванова Мария!");
}

TEST_F(FrmEndTest, ProgramsTwoAndFiveSayTheirOwnFarewell) {
    for (const auto& [recomForm, item] : {std::pair{"frmRecom2", 2}, std::pair{"frmRecom5", 5}}) {
        QWidget* screen = Open(recomForm);
        EXPECT_EQ(Text(screen, "LabelT(0)"),
                  QString::fromStdString(text::GetListItem(text::GetBufText(9), item))
                      .replace("\r\n", "\n")
                      .toStdString());
        EXPECT_TRUE(Shown(screen, "Label5(2)"));
        EXPECT_EQ(Text(screen, "Label5(2)"), "Мы не прощаемся , до свидания !!!");
        EXPECT_EQ(Text(screen, "lblName(0)"), "Глубокоуважаемая Иванова Мария!");
        forms.Unload("frmEnd");
    }
}

TEST_F(FrmEndTest, TheChildProgramShowsTheParentsPanelWithoutGreeting) {
    QWidget* screen = Open("frmRecom3");
    EXPECT_FALSE(Shown(screen, "FrameEnd(0)"));
    EXPECT_TRUE(Shown(screen, "FrameEnd(3)"));
    EXPECT_EQ(Text(screen, "lblName(0)"), "Глубокоуважаем");
    EXPECT_EQ(Text(screen, "LabelT(3)").find("¤"), std::string::npos);
    EXPECT_FALSE(Text(screen, "Label5(12)").empty());
    EXPECT_FALSE(Text(screen, "Label5(14)").empty());
    EXPECT_FALSE(Find<QLabel>(screen, "Image1(1)")->pixmap().isNull());
}

TEST_F(FrmEndTest, ReturnReopensTheRecommendationScreenItCameFrom) {
    RegisterStandIn("frmRecom4");
    QWidget* screen = Open("FRMRECOM4");
    Find<QPushButton>(screen, "cmdReturn")->click();
    EXPECT_FALSE(forms.IsLoaded("frmEnd"));
    ASSERT_TRUE(forms.IsLoaded("frmRecom4"));
    EXPECT_TRUE(forms.Find("frmRecom4")->isVisible());

    // A name that is no recommendation screen, or one that cannot be opened: nothing happens.
    forms.Register("frmRecom3", {});
    for (const char* recomForm : {"frmRezult1", "frmRecom3"}) {
        screen = Open(recomForm);
        Find<QPushButton>(screen, "cmdReturn")->click();
        EXPECT_TRUE(forms.IsLoaded("frmEnd")) << recomForm;
        forms.Unload("frmEnd");
    }
}

TEST_F(FrmEndTest, ExitDisablesThreeInformationMenusAndBringsBackTheWelcomeScreen) {
    shell::frmMDI& window = OpenMainWindow();
    RegisterStandIn("frmWelcome");
    const char* const menus[] = {"mInfo14", "mInfo104", "mInfo15", "mInfo16", "mInfo17"};
    for (const char* name : menus) window.findChild<QAction*>(name)->setEnabled(true);
    QWidget* screen = Open("frmRecom1");
    Find<QPushButton>(screen, "cmdExit")->click();
    std::vector<bool> enabled;
    for (const char* name : menus) enabled.push_back(window.findChild<QAction*>(name)->isEnabled());
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, false, false, true}));
    EXPECT_FALSE(forms.IsLoaded("frmEnd"));
    QWidget* welcome = forms.Find("frmWelcome");
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(welcome->isVisible());
    EXPECT_TRUE(Find<QWidget>(welcome, "Image1")->isVisible());
}

}  // namespace
