#include "users/ui/frm_regist.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "support/ui_fixture.h"
#include "users/ini_test_support.h"
#include "users/registration.h"

namespace {

namespace fs = std::filesystem;
using initest::Bytes;
using initest::Cp;

class FrmRegistTest : public testsupport::UiFixture {
  protected:
    FrmRegistTest() { sharedState.menuChoice = 21; }

    QDialog* Load() { return qobject_cast<QDialog*>(forms.Load("frmRegist")); }
    QLineEdit* Box(QWidget* d, const char* name) { return Find<QLineEdit>(d, name); }
    void Fill(QWidget* d, const char* last, const char* first, const char* year, const char* weight,
              const char* height, const char* password) {
        Box(d, "txtLastName")->setText(QString::fromUtf8(last));
        Box(d, "txtName")->setText(QString::fromUtf8(first));
        Box(d, "txtYearBirth")->setText(QString::fromUtf8(year));
        Box(d, "txtWeight")->setText(QString::fromUtf8(weight));
        Box(d, "txtHeight")->setText(QString::fromUtf8(height));
        Box(d, "txtPassw")->setText(QString::fromUtf8(password));
    }
    void Confirm(QWidget* d) { Find<QPushButton>(d, "cmdRegist")->click(); }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // A returning user as the launcher prepares the screen after the login.
    QDialog* LoadContinueMode(const std::string& fixture) {
        const fs::path file = dir.path() / "ZRVI002.ini";
        initest::Put(file, initest::Fixture(fixture));
        sharedState.navForward = true;
        sharedState.userLastName = "Щербакова";
        sharedState.userFirstName = "Анна";
        sharedState.userNum = 2;
        sharedState.userFile = file.string();
        QDialog* d = Load();
        Box(d, "txtLastName")->setText("Щербакова");
        Box(d, "txtName")->setText("Анна");
        Box(d, "txtYearBirth")->setText("1965");
        Find<QLabel>(d, "lblNumUser")->setText("2");
        Find<QRadioButton>(d, "Option1(1)")->setChecked(true);
        Find<QPushButton>(d, "cmdRegist")->setText("ПРОДОЛЖИТЬ");
        Box(d, "txtHeight")->setText("1.64");
        return d;
    }
};

TEST_F(FrmRegistTest, ANewUserIsRegisteredUnderTheSmallestFreeNumber) {
    for (const char* name : {"ZRVI001.ini", "ZRVI002.ini", "ZRVI004.ini"})
        initest::Put(dir.path() / name, "");
    sharedState.dlgResult = 3;
    forms.SetModalRunner([&](QDialog& d) {
        EXPECT_EQ(sharedState.dlgResult, 0);
        EXPECT_EQ(Find<QLabel>(&d, "lblNumUser")->text(), "3");
        Fill(&d, "  Иванова ", "Мария", "1970", "8,5", "1,75", " ключ7 ");
        Find<QRadioButton>(&d, "Option1(1)")->click();
        Confirm(&d);
        EXPECT_FALSE(d.isVisible());
    });
    forms.ShowModal("frmRegist");

    EXPECT_EQ(messages.Texts(), std::vector<std::string>{});
    EXPECT_EQ(sharedState.dlgResult, 1);
    EXPECT_EQ(sharedState.userNum, 3);
    EXPECT_EQ(sharedState.userFile, (dir.path() / "ZRVI003.ini").string());
    EXPECT_EQ(Bytes(dir.path() / "ZRVI003.ini"),
              Cp("[Settings]\r\nPassw=ключ7\r\nName=Мария\r\nYearBirth= "
                 "1970\r\nSex=f\r\nLastName=Иванова\r\n"
                 "DateReg=08.12.26\r\nTimeReg=10:30:00\r\nHeight=1.75\r\n"));
    EXPECT_EQ(sharedState.userLastName, "Иванова");
    EXPECT_EQ(sharedState.userFirstName, "Мария");
    EXPECT_EQ(sharedState.userYearBirth, 1970);
    EXPECT_EQ(sharedState.userSex, "f");
    EXPECT_EQ(sharedState.userWeight, 8);
    EXPECT_FLOAT_EQ(sharedState.userHeight, 1.75f);
    EXPECT_EQ(sharedState.nextTestNum, 1);
    EXPECT_FALSE(forms.IsLoaded("frmRegist"));
}

TEST_F(FrmRegistTest, AWrongFieldIsNamedFocusedAndNothingIsSaved) {
    QDialog* d = Load();
    d->show();
    Fill(d, "  Иванова ", "Мария", "85", "64", "1,75", "ключ");
    Find<QRadioButton>(d, "Option1(0)")->click();
    Confirm(d);
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Год рождения должен содержать 4 цифры"});
    EXPECT_EQ(d->focusWidget(), Box(d, "txtYearBirth"));
    EXPECT_EQ(Box(d, "txtYearBirth")->selectedText(), "85");
    EXPECT_EQ(Box(d, "txtLastName")->text(), "Иванова");  // trimmed in the box
    EXPECT_EQ(Box(d, "txtHeight")->text(), "1,75");       // its check was not reached

    Box(d, "txtYearBirth")->setText("1970");
    Box(d, "txtWeight")->setText("301");
    Confirm(d);
    EXPECT_EQ(messages.shown.back().text, "Введите правильно вес");
    EXPECT_EQ(d->focusWidget(), Box(d, "txtWeight"));
    EXPECT_EQ(Box(d, "txtHeight")->text(), "1.75");

    Box(d, "txtWeight")->setText("64");
    Box(d, "txtLastName")->setText("Łukasiewicz");
    Confirm(d);
    EXPECT_EQ(messages.shown.back().text.rfind("Фамилия содержит знак «Ł»", 0), 0u);
    EXPECT_EQ(d->focusWidget(), Box(d, "txtLastName"));

    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(sharedState.dlgResult, 0);
    EXPECT_TRUE(sharedState.userLastName.empty());
    EXPECT_TRUE(Files().empty());
}

TEST_F(FrmRegistTest, NoSexChosenLeavesTheFocusWhereItIs) {
    QDialog* d = Load();
    d->show();
    Fill(d, "Иванова", "Мария", "1970", "64", "1.75", "ключ");
    Box(d, "txtPassw")->setFocus();
    Confirm(d);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Введите пол"});
    EXPECT_EQ(d->focusWidget(), Box(d, "txtPassw"));
}

TEST_F(FrmRegistTest, AnAgeOutsideTheProgramClosesWithOneAndWritesNothing) {
    QDialog* d = Load();
    Fill(d, "Иванова", "Мария", "1950", "64", "1.75", "ключ");
    Find<QRadioButton>(d, "Option1(1)")->click();
    Confirm(d);
    EXPECT_EQ(sharedState.dlgResult, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(Files().empty());
    EXPECT_TRUE(sharedState.userLastName.empty());
    EXPECT_EQ(sharedState.userYearBirth, 1950);
}

TEST_F(FrmRegistTest, CancelAndTheCloseBoxLeaveTwoAndWriteNothing) {
    QDialog* d = Load();
    d->show();
    Fill(d, "Иванова", "Мария", "1970", "64", "1.75", "ключ");
    d->close();
    EXPECT_EQ(sharedState.dlgResult, 2);
    forms.Unload("frmRegist");

    forms.SetModalRunner([&](QDialog& dialog) { Find<QPushButton>(&dialog, "cmdClose")->click(); });
    forms.ShowModal("frmRegist");
    EXPECT_EQ(sharedState.dlgResult, 2);
    EXPECT_TRUE(Files().empty());
}

TEST_F(FrmRegistTest, ContinueModeKeepsTheStoredPasswordAndRewritesSettingsInPlace) {
    sharedState.menuChoice = 22;  // born 1965: the program of ages 61 and over
    QDialog* d = LoadContinueMode("windows_profile.ini");
    for (const char* hidden : {"Label8", "txtPassw", "Label10"})
        EXPECT_TRUE(Find<QWidget>(d, hidden)->isHidden());
    Box(d, "txtWeight")->setText("70");
    Confirm(d);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(sharedState.dlgResult, 1);
    std::string expected = initest::Fixture("windows_profile.ini");
    expected.replace(expected.find("DateReg=05.03.04"), 16, "DateReg=08.12.26");
    expected.replace(expected.find("TimeReg=07:05:09"), 16, "TimeReg=10:30:00");
    EXPECT_EQ(Bytes(dir.path() / "ZRVI002.ini"), expected);
    EXPECT_EQ(sharedState.userSex, "f");  // chosen by code
    EXPECT_EQ(sharedState.userWeight, 70);
    EXPECT_EQ(sharedState.nextTestNum, 3);
    EXPECT_EQ(Files(), std::vector<std::string>{"ZRVI002.ini"});
}

TEST_F(FrmRegistTest, EnterMovesTheFocusAsTheTableSays) {
    QDialog* d = Load();
    d->show();
    auto enter = [&](QWidget* from) {
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Return);
        return d->focusWidget()->objectName().toStdString();
    };
    EXPECT_EQ(enter(Box(d, "txtLastName")), "txtName");
    EXPECT_EQ(enter(Box(d, "txtName")), "txtYearBirth");
    EXPECT_EQ(enter(Box(d, "txtYearBirth")), "Option1(0)");
    EXPECT_EQ(enter(Find<QWidget>(d, "Option1(1)")), "txtWeight");
    EXPECT_EQ(enter(Box(d, "txtWeight")), "txtHeight");
    EXPECT_EQ(enter(Box(d, "txtHeight")), "txtPassw");
    EXPECT_EQ(enter(Box(d, "txtPassw")), "cmdRegist");
    EXPECT_TRUE(messages.shown.empty());  // Enter never confirms from a box
    forms.Unload("frmRegist");

    QDialog* c = LoadContinueMode("windows_profile.ini");
    c->show();
    d = c;
    EXPECT_EQ(enter(Box(c, "txtLastName")), "txtLastName");
    EXPECT_EQ(enter(Box(c, "txtYearBirth")), "txtYearBirth");
    EXPECT_EQ(enter(Find<QWidget>(c, "Option1(0)")), "Option1(0)");
    EXPECT_EQ(enter(Box(c, "txtWeight")), "txtHeight");
    EXPECT_EQ(enter(Box(c, "txtHeight")), "cmdRegist");
}

TEST_F(FrmRegistTest, ANewUserStartsAtTheLastNameAReturningUserAtTheWeight) {
    QDialog* d = Load();
    d->show();
    EXPECT_EQ(d->focusWidget(), Box(d, "txtLastName"));
    forms.Unload("frmRegist");

    // In continue mode the names, year and sex are filled in and cannot be moved through with
    // Enter: the weight is what the user comes to give.
    QDialog* c = LoadContinueMode("windows_profile.ini");
    c->show();
    EXPECT_EQ(c->focusWidget(), Box(c, "txtWeight"));
}

TEST_F(FrmRegistTest, ABoxSelectsItsWholeTextWhenItGetsTheFocus) {
    QDialog* d = Load();
    d->show();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    Box(d, "txtName")->setText("Мария");
    Box(d, "txtName")->setCursorPosition(2);
    Box(d, "txtLastName")->setFocus();
    QTest::keyClick(d, Qt::Key_Tab);
    EXPECT_EQ(Box(d, "txtName")->selectedText(), "Мария");
}

TEST_F(FrmRegistTest, DesignLimitsAndTheExamplesTheLauncherChanges) {
    QDialog* d = Load();
    EXPECT_EQ(Box(d, "txtYearBirth")->maxLength(), 4);
    EXPECT_EQ(Box(d, "txtWeight")->maxLength(), 3);
    EXPECT_EQ(Box(d, "txtHeight")->maxLength(), 4);
    EXPECT_EQ(Box(d, "txtPassw")->maxLength(), 10);
    EXPECT_EQ(Find<QLabel>(d, "Label16(1)")->text(), " 82)");
    EXPECT_EQ(Find<QLabel>(d, "Label16(2)")->text(), "1.75)");
    EXPECT_EQ(Find<QPushButton>(d, "cmdRegist")->text(), "РЕГИСТРАЦИЯ");
    EXPECT_EQ(Find<QLabel>(d, "lblNumUser")->text(), "1");
    EXPECT_FALSE(Box(d, "txtPassw")->isHidden());
}

TEST_F(FrmRegistTest, AFailedWriteIsReportedAndTheScreenStaysOpen) {
    QDialog* d = Load();
    d->show();
    sharedState.userFile = (dir.path() / "removed" / "ZRVI001.ini").string();  // the folder is gone
    Fill(d, "Иванова", "Мария", "1970", "64", "1.75", "ключ");
    Find<QRadioButton>(d, "Option1(1)")->click();
    Confirm(d);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::Critical);
    EXPECT_NE(messages.shown[0].text.find(sharedState.userFile), std::string::npos);
    EXPECT_NE(messages.shown[0].text.find("Данные не сохранены"), std::string::npos);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(sharedState.dlgResult, 0);
    EXPECT_TRUE(sharedState.userLastName.empty());
}

TEST_F(FrmRegistTest, WithAllNumbersTakenNoRegistrationStarts) {
    for (int n = 1; n <= 999; ++n)
        initest::Put(dir.path() / ("ZRVI" + std::to_string(1000 + n).substr(1) + ".ini"), "");
    QDialog* d = Load();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{users::NoFreeProfileText()});
    EXPECT_EQ(sharedState.dlgResult, 2);
    Fill(d, "Иванова", "Мария", "1970", "64", "1.75", "ключ");
    Find<QRadioButton>(d, "Option1(1)")->click();
    Confirm(d);
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(Files().size(), 999u);
    d->show();
    ProcessEvents();
    EXPECT_FALSE(d->isVisible());
}

TEST_F(FrmRegistTest, ThePasswordIsMaskedCanBeShownAndItsLengthIsSaidBeforeItRunsOut) {
    QDialog* d = Load();
    d->show();
    QLineEdit* password = Box(d, "txtPassw");
    auto* show = Find<QCheckBox>(d, "chkShowPassw");
    auto* hint = Find<QLabel>(d, "lblPasswHint");
    ASSERT_TRUE(show && hint);
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    show->click();
    EXPECT_EQ(password->echoMode(), QLineEdit::Normal);
    show->click();
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);

    password->setFocus();
    QTest::keyClicks(password, QStringLiteral("123456789"));
    EXPECT_FALSE(hint->isVisible());
    QTest::keyClicks(password, QStringLiteral("0"));  // the tenth and last character
    EXPECT_TRUE(hint->isVisible());
    EXPECT_NE(hint->text().indexOf(QStringLiteral("10")), -1) << hint->text().toStdString();
    SaveShot(*d, "regist_password_hint");
    password->backspace();
    EXPECT_FALSE(hint->isVisible());
}

TEST_F(FrmRegistTest, AReturningUserSeesNothingOfThePassword) {
    QDialog* d = LoadContinueMode("windows_profile.ini");
    d->show();
    for (const char* hidden : {"chkShowPassw", "lblPasswHint"})
        EXPECT_FALSE(Find<QWidget>(d, hidden)->isVisible()) << hidden;
}

}  // namespace
