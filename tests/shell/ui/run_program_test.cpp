#include "shell/ui/run_program.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <map>

#include "shell/ui/frm_mdi.h"
#include "support/stand_in_dialogs.h"
#include "support/ui_fixture.h"
#include "text/catalogue.h"

namespace {

class RunProgramTest : public testsupport::UiFixture {
protected:
    using Reply = std::function<void(QDialog&)>;

    void SetUpDialogs(const testsupport::StandInProfile& profile = {}) {
        testsupport::RegisterStandInDialogs(forms, profile);
        forms.Register("frmWelcome", [](platform::AppContext&) { return new QWidget; });
        forms.SetModalRunner([this](QDialog& dialog) {
            const std::string name = dialog.objectName().toStdString();
            shown.push_back(name);
            const auto reply = replies.find(name);
            if (reply != replies.end()) reply->second(dialog);
        });
        OpenMainWindow();
    }

    void Choose(int item) {
        mainWindow->findChild<QAction*>(QStringLiteral("mProgram%1").arg(item))->trigger();
        ProcessEvents();
    }

    static Reply Click(const char* button) {
        return [button](QDialog& d) { testsupport::ClickButton(d, button); };
    }
    // Registration as a user fills it in.
    static Reply Register(std::string yearBirth, bool female = true, std::string height = "1.75") {
        return [=](QDialog& d) {
            auto& regist = dynamic_cast<testsupport::StandInRegist&>(d);
            regist.txtLastName->setText("Петров");
            regist.txtName->setText("Олег");
            regist.txtYearBirth->setText(QString::fromStdString(yearBirth));
            regist.sex[female ? 1 : 0]->click();
            regist.txtWeight->setText("80");
            regist.txtHeight->setText(QString::fromStdString(height));
            testsupport::ClickButton(d, "cmdRegist");
        };
    }
    static std::string Text(QWidget& screen, const char* name) {
        QWidget* widget = screen.findChild<QWidget*>(name);
        if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
        if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text().toStdString();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text().toStdString();
        return "?";
    }
    bool MenuEnabled(const char* name) { return mainWindow->findChild<QAction*>(name)->isEnabled(); }
    std::string Year(int age) const { return std::to_string(clock.now.year - age); }

    std::map<std::string, Reply> replies;
    std::vector<std::string> shown;
};

TEST_F(RunProgramTest, ANewUserRegistersAndTheProgramStartsFromNothing) {
    SetUpDialogs();
    ASSERT_TRUE(forms.IsLoaded("frmWelcome"));
    sharedState.userLastName = "Прежний";
    sharedState.userHeight = 1.9f;
    sharedState.answers(3, 2, 5) = 4;
    sharedState.testRating(2) = 5.0f;
    replies["frmChoice"] = [](QDialog& d) {
        EXPECT_EQ(Text(d, "Label1"), "УКРЕПЛЕНИЕ И ВОССТАНОВЛЕНИЕ ЗДОРОВЬЯ");
        EXPECT_EQ(QString::fromStdString(Text(d, "Label2")).replace("\n", "\r\n").toStdString(),
                  text::GetCatalogText(101));
        testsupport::ClickButton(d, "cmdNew");
    };
    replies["frmRegist"] = [this](QDialog& d) {
        EXPECT_FALSE(sharedState.navForward);
        EXPECT_EQ(sharedState.userLastName, "");
        EXPECT_EQ(sharedState.userHeight, 0.0f);
        EXPECT_EQ(Text(d, "Label16(1)"), "");
        Register(Year(20))(d);
    };
    Choose(21);

    EXPECT_EQ(shown, (std::vector<std::string>{"frmChoice", "frmRegist"}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(forms.IsLoaded("frmWelcome"));
    ASSERT_TRUE(forms.IsLoaded("frmRazd1"));
    EXPECT_TRUE(Screen("frmRazd1")->isVisible());
    EXPECT_TRUE(MenuEnabled("mInfo14"));
    for (const char* other : {"mInfo104", "mInfo15", "mInfo16", "mInfo17"}) EXPECT_FALSE(MenuEnabled(other)) << other;
    EXPECT_EQ(sharedState.curProgram, 1);
    EXPECT_EQ(sharedState.firstTest, 11);
    EXPECT_EQ(sharedState.lastTest, 14);
    EXPECT_EQ(sharedState.curTest, 11);
    EXPECT_EQ(sharedState.testKeyBase, 11000);
    for (int p = 1; p <= 10; ++p)
        for (int t = 1; t <= 15; ++t)
            for (int i = 1; i <= 35; ++i) ASSERT_EQ(sharedState.answers(p, t, i), -1);
    EXPECT_EQ(sharedState.testRating(2), 0.0f);
}

TEST_F(RunProgramTest, ClosingTheChoiceChangesNothing) {
    SetUpDialogs();
    sharedState.userLastName = "Прежний";
    sharedState.curProgram = 4;
    sharedState.answers(4, 1, 1) = 2;
    for (const Reply& close : {Click("cmdClose"), Reply([](QDialog& d) { d.close(); })}) {
        shown.clear();
        replies["frmChoice"] = close;
        Choose(22);
        EXPECT_EQ(shown, std::vector<std::string>{"frmChoice"});
        EXPECT_EQ(sharedState.dlgResult, 3);
        EXPECT_EQ(sharedState.userLastName, "Прежний");
        EXPECT_EQ(sharedState.curProgram, 4);
        EXPECT_EQ(sharedState.answers(4, 1, 1), 2);
        EXPECT_FALSE(MenuEnabled("mInfo104"));
        EXPECT_FALSE(forms.IsLoaded("frmRazd2"));
    }
}

TEST_F(RunProgramTest, AReturningUserConfirmsTheProfileAndGivesTheWeight) {
    testsupport::StandInProfile profile;
    profile.sex = "m";
    profile.yearBirth = static_cast<int16_t>(clock.now.year - 45);
    SetUpDialogs(profile);
    replies["frmChoice"] = Click("cmdSecond");
    replies["frmLogin"] = [this](QDialog& d) {
        EXPECT_TRUE(sharedState.navForward);
        testsupport::ClickButton(d, "cmdOk");
    };
    replies["frmRegist"] = [&](QDialog& d) {
        EXPECT_TRUE(sharedState.navForward);
        EXPECT_EQ(Text(d, "txtLastName"), "Иванова");
        EXPECT_EQ(Text(d, "txtName"), "Мария");
        EXPECT_EQ(Text(d, "txtYearBirth"), Year(45));
        EXPECT_EQ(Text(d, "lblNumUser"), "7");
        EXPECT_TRUE(d.findChild<QRadioButton*>("Option1(0)")->isChecked());
        EXPECT_EQ(Text(d, "cmdRegist"), "ПРОДОЛЖИТЬ");
        EXPECT_EQ(Text(d, "txtHeight"), "1.68");
        EXPECT_EQ(Text(d, "txtWeight"), "");
        EXPECT_EQ(Text(d, "Label16(1)"), "");
        d.findChild<QLineEdit*>("txtWeight")->setText("77");
        testsupport::ClickButton(d, "cmdRegist");
    };
    Choose(24);
    EXPECT_EQ(shown, (std::vector<std::string>{"frmChoice", "frmLogin", "frmRegist"}));
    EXPECT_TRUE(forms.IsLoaded("frmRazd4"));
    EXPECT_TRUE(MenuEnabled("mInfo15"));
    EXPECT_EQ(sharedState.userWeight, 77);
    EXPECT_EQ(sharedState.firstTest, 41);
    EXPECT_EQ(sharedState.lastTest, 47);
    // A man: the questions of test 47 for women only are already set aside.
    EXPECT_EQ(sharedState.answers(4, 7, 2), 0);
}

TEST_F(RunProgramTest, TheChildProgramShowsChildExamplesAndAsksTheHeightAgain) {
    testsupport::StandInProfile profile;
    profile.yearBirth = static_cast<int16_t>(clock.now.year - 9);
    profile.height = 1.3f;
    SetUpDialogs(profile);
    replies["frmChoice"] = Click("cmdSecond");
    replies["frmLogin"] = Click("cmdOk");
    replies["frmRegist"] = [&](QDialog& d) {
        EXPECT_EQ(Text(d, "Label16(1)"), "40)");
        EXPECT_EQ(Text(d, "Label16(2)"), "1.50)");
        EXPECT_EQ(Text(d, "txtHeight"), "");
        EXPECT_EQ(sharedState.userHeight, 0.0f);
        EXPECT_TRUE(d.findChild<QRadioButton*>("Option1(1)")->isChecked());
        d.findChild<QLineEdit*>("txtHeight")->setText("1.36");
        d.findChild<QLineEdit*>("txtWeight")->setText("30");
        testsupport::ClickButton(d, "cmdRegist");
    };
    Choose(23);
    EXPECT_TRUE(forms.IsLoaded("frmRazd3"));
    EXPECT_TRUE(MenuEnabled("mInfo16"));
    EXPECT_EQ(sharedState.firstTest, 35);

    // A new user of the child program sees the child examples too.
    replies["frmChoice"] = Click("cmdNew");
    replies["frmRegist"] = [&](QDialog& d) {
        EXPECT_EQ(Text(d, "Label16(1)"), "40)");
        EXPECT_EQ(Text(d, "Label16(2)"), "1.50)");
        Register(Year(16))(d);
    };
    Choose(23);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Эта программа не подходит Вам по возрасту!"});
    EXPECT_FALSE(forms.IsLoaded("frmRazd3"));
}

TEST_F(RunProgramTest, NoProgramStartsWhenTheUserGivesUpOrIsNotAdmitted) {
    SetUpDialogs();
    sharedState.answers(1, 1, 1) = 3;
    const auto nothingStarted = [&](const char* what) {
        EXPECT_EQ(sharedState.curProgram, 0) << what;
        EXPECT_EQ(sharedState.answers(1, 1, 1), 3) << what;
        EXPECT_FALSE(forms.IsLoaded("frmRazd1")) << what;
        EXPECT_FALSE(forms.IsLoaded("frmRazd2")) << what;
        EXPECT_FALSE(MenuEnabled("mInfo14")) << what;
    };

    replies["frmChoice"] = Click("cmdNew");
    replies["frmRegist"] = Click("cmdClose");
    Choose(21);
    nothingStarted("registration cancelled");

    replies["frmChoice"] = Click("cmdSecond");
    replies["frmLogin"] = Click("cmdQuit");
    Choose(21);
    nothingStarted("login quit");

    // Born 61 years ago: refused by program 1, admitted by program 2.
    replies["frmChoice"] = Click("cmdNew");
    replies["frmRegist"] = Register(Year(61));
    Choose(21);
    nothingStarted("too old");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Эта программа не подходит Вам по возрасту!"});
    Choose(22);
    EXPECT_TRUE(forms.IsLoaded("frmRazd2"));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(RunProgramTest, WithoutRegisteredUsersTheLoginScreenIsNeverShown) {
    testsupport::StandInProfile none;
    none.exists = false;
    SetUpDialogs(none);
    replies["frmChoice"] = Click("cmdSecond");
    Choose(25);
    EXPECT_EQ(shown, std::vector<std::string>{"frmChoice"});
    EXPECT_FALSE(forms.IsLoaded("frmLogin"));
    EXPECT_FALSE(forms.IsLoaded("frmRazd5"));
}

TEST_F(RunProgramTest, StartingProgramTwoAfterProgramOneClearsItsAnswers) {
    SetUpDialogs();
    replies["frmChoice"] = Click("cmdNew");
    replies["frmRegist"] = Register(Year(35));
    Choose(21);
    ASSERT_TRUE(forms.IsLoaded("frmRazd1"));
    sharedState.answers(1, 1, 1) = 2;
    sharedState.answers(1, 1, 32) = 5;
    sharedState.testRating(1) = 5.0f;
    forms.Show("frmRazd");

    replies["frmRegist"] = Register(Year(70));
    Choose(22);
    EXPECT_EQ(sharedState.answers(1, 1, 1), -1);
    EXPECT_EQ(sharedState.answers(1, 1, 32), -1);
    EXPECT_EQ(sharedState.testRating(1), 0.0f);
    EXPECT_EQ(sharedState.curProgram, 2);
    EXPECT_EQ(forms.LoadedNames(), (std::vector<std::string>{"frmMDI", "frmRazd2"}));
    // Both information menus stay enabled for the rest of the run.
    EXPECT_TRUE(MenuEnabled("mInfo14"));
    EXPECT_TRUE(MenuEnabled("mInfo104"));
}

}  // namespace
