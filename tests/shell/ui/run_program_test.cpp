#include "shell/ui/run_program.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <map>

#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"
#include "text/catalogue.h"
#include "users/ini_test_support.h"

namespace {

class RunProgramTest : public testsupport::UiFixture {
  protected:
    using Reply = std::function<void(QDialog&)>;

    RunProgramTest() {
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

    static void Press(QDialog& d, const char* button) {
        d.findChild<QPushButton*>(button)->click();
    }
    static Reply Click(const char* button) {
        return [button](QDialog& d) { Press(d, button); };
    }
    static void Fill(QDialog& d, const char* box, const std::string& text) {
        d.findChild<QLineEdit*>(box)->setText(QString::fromStdString(text));
    }
    // A new user fills in the registration.
    static Reply Register(std::string yearBirth) {
        return [=](QDialog& d) {
            Fill(d, "txtLastName", "Петров");
            Fill(d, "txtName", "Олег");
            Fill(d, "txtYearBirth", yearBirth);
            d.findChild<QRadioButton*>("Option1(0)")->click();
            Fill(d, "txtWeight", "80");
            Fill(d, "txtHeight", "1.75");
            Fill(d, "txtPassw", "секрет");
            Press(d, "cmdRegist");
        };
    }
    // A profile written at an earlier visit.
    void Profile(const std::string& lastName, const std::string& name, int yearBirth,
                 const char* sex, const char* height) {
        initest::Put(dir.path() / "ZRVI007.ini",
                     initest::Cp("[Settings]\r\nName=" + name +
                                 "\r\nYearBirth= " + std::to_string(yearBirth) + "\r\nSex=" + sex +
                                 "\r\nLastName=" + lastName + "\r\nHeight=" + height +
                                 "\r\nPassw=1234\r\n"));
    }
    static Reply LogIn() {
        return [](QDialog& d) {
            Fill(d, "txtPassw", "1234");
            Press(d, "cmdOk");
        };
    }
    static std::string Text(QWidget& screen, const char* name) {
        QWidget* widget = screen.findChild<QWidget*>(name);
        if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
        if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text().toStdString();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return button->text().toStdString();
        return "?";
    }
    bool MenuEnabled(const char* name) {
        return mainWindow->findChild<QAction*>(name)->isEnabled();
    }
    std::string Year(int age) const { return std::to_string(clock.now.year - age); }
    size_t ProfileCount() const {
        size_t n = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            n += entry.path().extension() == ".ini";
        return n;
    }

    std::map<std::string, Reply> replies;
    std::vector<std::string> shown;
};

TEST_F(RunProgramTest, ANewUserRegistersAndTheProgramStartsFromNothing) {
    ASSERT_TRUE(forms.IsLoaded("frmWelcome"));
    sharedState.userLastName = "Прежний";
    sharedState.userHeight = 1.9f;
    sharedState.answers(3, 2, 5) = 4;
    sharedState.testRating(2) = 5.0f;
    replies["frmChoice"] = [](QDialog& d) {
        EXPECT_EQ(Text(d, "Label1"), "УКРЕПЛЕНИЕ И ВОССТАНОВЛЕНИЕ ЗДОРОВЬЯ");
        EXPECT_EQ(QString::fromStdString(Text(d, "Label2")).replace("\n", "\r\n").toStdString(),
                  text::GetCatalogText(101));
        Press(d, "cmdNew");
    };
    replies["frmRegist"] = [this](QDialog& d) {
        EXPECT_FALSE(sharedState.navForward);
        EXPECT_EQ(sharedState.userLastName, "");
        EXPECT_EQ(sharedState.userHeight, 0.0f);
        EXPECT_EQ(Text(d, "Label16(1)"), " 82)");
        Register(Year(20))(d);
    };
    Choose(21);

    EXPECT_EQ(shown, (std::vector<std::string>{"frmChoice", "frmRegist"}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(ProfileCount(), 1u);
    EXPECT_FALSE(forms.IsLoaded("frmWelcome"));
    ASSERT_TRUE(forms.IsLoaded("frmRazd1"));
    EXPECT_TRUE(Screen("frmRazd1")->isVisible());
    EXPECT_TRUE(MenuEnabled("mInfo14"));
    for (const char* other : {"mInfo104", "mInfo15", "mInfo16", "mInfo17"})
        EXPECT_FALSE(MenuEnabled(other)) << other;
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
        EXPECT_TRUE(forms.IsLoaded("frmWelcome"));
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(RunProgramTest, AReturningUserConfirmsTheProfileAndGivesTheWeight) {
    Profile("Иванов", "Пётр", clock.now.year - 45, "m", "1.68");
    replies["frmChoice"] = Click("cmdSecond");
    replies["frmLogin"] = [this](QDialog& d) {
        EXPECT_TRUE(sharedState.navForward);
        LogIn()(d);
    };
    replies["frmRegist"] = [&](QDialog& d) {
        EXPECT_TRUE(sharedState.navForward);
        EXPECT_EQ(Text(d, "txtLastName"), "Иванов");
        EXPECT_EQ(Text(d, "txtName"), "Пётр");
        EXPECT_EQ(Text(d, "txtYearBirth"), Year(45));
        EXPECT_EQ(Text(d, "lblNumUser"), "7");
        EXPECT_TRUE(d.findChild<QRadioButton*>("Option1(0)")->isChecked());
        EXPECT_EQ(Text(d, "cmdRegist"), "ПРОДОЛЖИТЬ");
        EXPECT_EQ(Text(d, "txtHeight"), "1.68");
        EXPECT_EQ(Text(d, "txtWeight"), "");
        EXPECT_FALSE(d.findChild<QLineEdit*>("txtPassw")->isVisible());
        Fill(d, "txtWeight", "77");
        Press(d, "cmdRegist");
    };
    Choose(24);
    EXPECT_EQ(shown, (std::vector<std::string>{"frmChoice", "frmLogin", "frmRegist"}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(forms.IsLoaded("frmRazd4"));
    EXPECT_TRUE(MenuEnabled("mInfo15"));
    EXPECT_EQ(sharedState.userWeight, 77);
    EXPECT_EQ(sharedState.firstTest, 41);
    EXPECT_EQ(sharedState.lastTest, 47);
    // A man: the questions of test 47 for women only are already set aside.
    EXPECT_EQ(sharedState.answers(4, 7, 2), 0);
}

TEST_F(RunProgramTest, TheChildProgramShowsChildExamplesAndAsksTheHeightAgain) {
    Profile("Смирнова", "Катя", clock.now.year - 9, "f", "1.30");
    replies["frmChoice"] = Click("cmdSecond");
    replies["frmLogin"] = LogIn();
    replies["frmRegist"] = [&](QDialog& d) {
        EXPECT_EQ(Text(d, "Label16(1)"), "40)");
        EXPECT_EQ(Text(d, "Label16(2)"), "1.50)");
        EXPECT_EQ(Text(d, "txtHeight"), "");
        EXPECT_EQ(sharedState.userHeight, 0.0f);
        EXPECT_TRUE(d.findChild<QRadioButton*>("Option1(1)")->isChecked());
        Fill(d, "txtHeight", "1.36");
        Fill(d, "txtWeight", "30");
        Press(d, "cmdRegist");
    };
    Choose(23);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(forms.IsLoaded("frmRazd3"));
    EXPECT_TRUE(MenuEnabled("mInfo16"));
    EXPECT_EQ(sharedState.firstTest, 35);
    EXPECT_FLOAT_EQ(sharedState.userHeight, 1.36f);

    // A new user of the child program sees the child examples too; a 16-year-old is refused
    // and not registered.
    replies["frmChoice"] = Click("cmdNew");
    replies["frmRegist"] = [&](QDialog& d) {
        EXPECT_EQ(Text(d, "Label16(1)"), "40)");
        EXPECT_EQ(Text(d, "Label16(2)"), "1.50)");
        Register(Year(16))(d);
    };
    Choose(23);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Эта программа не подходит Вам по возрасту!"});
    EXPECT_FALSE(forms.IsLoaded("frmRazd3"));
    EXPECT_EQ(ProfileCount(), 1u);
}

TEST_F(RunProgramTest, NoProgramStartsWhenTheUserGivesUpOrIsNotAdmitted) {
    sharedState.answers(1, 1, 1) = 3;
    const auto nothingStarted = [&](const char* what) {
        EXPECT_EQ(sharedState.curProgram, 0) << what;
        EXPECT_EQ(sharedState.answers(1, 1, 1), 3) << what;
        EXPECT_FALSE(forms.IsLoaded("frmRazd1")) << what;
        EXPECT_FALSE(forms.IsLoaded("frmRazd2")) << what;
        EXPECT_FALSE(MenuEnabled("mInfo14")) << what;
        // The main window is not left empty: the welcome screen stays until a program starts.
        EXPECT_TRUE(forms.IsLoaded("frmWelcome")) << what;
    };

    replies["frmChoice"] = Click("cmdNew");
    replies["frmRegist"] = Click("cmdClose");
    Choose(21);
    nothingStarted("registration cancelled");

    Profile("Иванов", "Пётр", clock.now.year - 45, "m", "1.68");
    replies["frmChoice"] = Click("cmdSecond");
    replies["frmLogin"] = Click("cmdQuit");
    Choose(21);
    nothingStarted("login quit");
    std::filesystem::remove(dir.path() / "ZRVI007.ini");

    // Born 61 years ago: refused by program 1, admitted by program 2.
    replies["frmChoice"] = Click("cmdNew");
    replies["frmRegist"] = Register(Year(61));
    Choose(21);
    nothingStarted("too old");
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Эта программа не подходит Вам по возрасту!"});
    EXPECT_EQ(ProfileCount(), 0u);
    Choose(22);
    EXPECT_TRUE(forms.IsLoaded("frmRazd2"));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(RunProgramTest, WithoutRegisteredUsersTheLoginScreenIsNeverShown) {
    replies["frmChoice"] = Click("cmdSecond");
    Choose(25);
    EXPECT_EQ(shown, std::vector<std::string>{"frmChoice"});
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"НЕТ ЗАРЕГИСТРИРОВАННЫХ ПОЛЬЗОВАТЕЛЕЙ!"});
    EXPECT_FALSE(forms.IsLoaded("frmLogin"));
    EXPECT_FALSE(forms.IsLoaded("frmRazd5"));
}

TEST_F(RunProgramTest, StartingProgramTwoAfterProgramOneClearsItsAnswers) {
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

TEST_F(RunProgramTest, SomeoneRegisteredAlreadyIsOfferedTheLoginWithTheirNameChosen) {
    Profile("Петров", "Олег", clock.now.year - 35, "m", "1.75");  // ZRVI007
    initest::Put(dir.path() / "ZRVI001.ini",
                 initest::Cp("[Settings]\r\nLastName=Андреев\r\nName=Олег\r\nYearBirth= 1970\r\n"));
    replies["frmChoice"] = Click("cmdNew");
    int registrations = 0;
    replies["frmRegist"] = [&](QDialog& d) {
        if (++registrations == 1) return Register(Year(35))(d);  // the same person once more
        Fill(d, "txtWeight", "81");                              // after the login: the weight
        Press(d, "cmdRegist");
    };
    std::string chosen;
    replies["frmLogin"] = [&](QDialog& d) {
        chosen = d.findChild<QComboBox*>("cmbUser")->currentText().toStdString();
        LogIn()(d);
    };
    messages.answers = {platform::MessageBox::Answer::Ok};  // "OK": log in instead
    Choose(21);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("Петров Олег"), std::string::npos);
    EXPECT_EQ(messages.shown[0].buttons, platform::MessageBox::Buttons::OkCancel);
    EXPECT_EQ(shown, (std::vector<std::string>{"frmChoice", "frmRegist", "frmLogin", "frmRegist"}));
    EXPECT_EQ(chosen, "Петров Олег");
    EXPECT_EQ(sharedState.userNum, 7);
    EXPECT_EQ(ProfileCount(), 2u);
    EXPECT_TRUE(forms.IsLoaded("frmRazd1"));

    // "Отмена": registered anyway, under a number of their own.
    forms.Unload("frmRazd1");
    registrations = 0;
    shown.clear();
    messages.answers = {platform::MessageBox::Answer::Cancel};
    Choose(21);
    EXPECT_EQ(shown, (std::vector<std::string>{"frmChoice", "frmRegist"}));
    EXPECT_EQ(ProfileCount(), 3u);
    EXPECT_EQ(sharedState.userNum, 2);
    EXPECT_TRUE(forms.IsLoaded("frmRazd1"));
}

}  // namespace
