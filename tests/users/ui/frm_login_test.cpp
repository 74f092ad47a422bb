#include "users/ui/frm_login.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "support/ui_fixture.h"
#include "users/ini_test_support.h"

namespace {

using initest::Cp;

// Types text as a keyboard would, Cyrillic letters included.
void Type(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

class FrmLoginTest : public testsupport::UiFixture {
  protected:
    void Profile(const std::string& name, const std::string& utf8) {
        initest::Put(dir.path() / name, Cp(utf8));
    }
    QDialog* Load() { return qobject_cast<QDialog*>(forms.Load("frmLogin")); }
    QLineEdit* Password(QWidget* d) { return Find<QLineEdit>(d, "txtPassw"); }
    void Choose(QWidget* d, const char* name) {
        QComboBox* users = Find<QComboBox>(d, "cmbUser");
        users->setCurrentIndex(users->findText(QString::fromUtf8(name)));
    }
    void Ok(QWidget* d) { Find<QPushButton>(d, "cmdOk")->click(); }
    std::vector<std::string> Listed(QWidget* d) {
        std::vector<std::string> names;
        QComboBox* users = Find<QComboBox>(d, "cmbUser");
        for (int i = 0; i < users->count(); ++i) names.push_back(users->itemText(i).toStdString());
        return names;
    }
};

TEST_F(FrmLoginTest, WithoutProfilesItSaysSoAndAnswersTwo) {
    Load();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"НЕТ ЗАРЕГИСТРИРОВАННЫХ ПОЛЬЗОВАТЕЛЕЙ!"});
    EXPECT_EQ(sharedState.dlgResult, 2);
}

TEST_F(FrmLoginTest, TheRightPasswordLoadsTheUser) {
    Profile("ZRVI001.ini",
            "[Settings]\r\nLastName=Петров\r\nName=Иван\r\nPassw=1234\r\nYearBirth= 1960\r\n");
    initest::Put(dir.path() / "ZRVI007.ini", initest::Fixture("windows_profile.ini"));
    Profile("ZRVI003.ini", "[Settings]\r\nLastName=Андреев\r\nName=Олег\r\n");
    Profile("zrvi004.INI", "[Settings]\r\nLastName=абрамов\r\nName=пётр\r\n");
    Profile("ZRVI005.ini", "[Settings]\r\nLastName=Яшин\r\nName=Лев\r\n");
    sharedState.dlgResult = 3;
    forms.SetModalRunner([&](QDialog& d) {
        EXPECT_EQ(sharedState.dlgResult, 0);
        EXPECT_EQ(Listed(&d),
                  (std::vector<std::string>{"Андреев Олег", "Петров Иван", "Щербакова Анна",
                                            "Яшин Лев", "абрамов пётр"}));
        EXPECT_EQ(Find<QComboBox>(&d, "cmbUser")->currentIndex(), 0);
        EXPECT_TRUE(Password(&d)->text().isEmpty());
        Choose(&d, "Щербакова Анна");
        Type(Password(&d), "  ёлка7 ");
        Ok(&d);
    });
    forms.ShowModal("frmLogin");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(sharedState.dlgResult, 1);
    EXPECT_EQ(sharedState.userFile, (dir.path() / "ZRVI007.ini").string());
    EXPECT_EQ(sharedState.userLastName, "Щербакова");
    EXPECT_EQ(sharedState.userFirstName, "Анна");
    EXPECT_EQ(sharedState.userNum, 7);
    EXPECT_EQ(sharedState.userYearBirth, 1965);
    EXPECT_EQ(sharedState.userSex, "f");
    EXPECT_FLOAT_EQ(sharedState.userHeight, 1.64f);
    EXPECT_EQ(sharedState.nextTestNum, 3);
}

TEST_F(FrmLoginTest, AWrongPasswordIsSaidAndTheScreenStays) {
    initest::Put(dir.path() / "ZRVI007.ini", initest::Fixture("windows_profile.ini"));
    QDialog* d = Load();
    d->show();
    Type(Password(d), "ЁЛКА7");
    Ok(d);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Неправильный пароль"});
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(Password(d)->text(), "ЁЛКА7");
    EXPECT_EQ(sharedState.dlgResult, 0);
    EXPECT_TRUE(sharedState.userLastName.empty());
    EXPECT_TRUE(sharedState.userFile.empty());
}

TEST_F(FrmLoginTest, AProfileWithoutPasswordOrNamesOpensWithTheMissingMarker) {
    Profile("ZRVI002.ini", "[Settings]\r\nYearBirth= 1980\r\nSex=m\r\n");
    QDialog* d = Load();
    EXPECT_EQ(Listed(d), std::vector<std::string>{"? ?"});
    QTest::keyClicks(Password(d), "?");
    Ok(d);
    EXPECT_EQ(sharedState.dlgResult, 1);
    EXPECT_EQ(sharedState.userLastName, "?");
    EXPECT_EQ(sharedState.userNum, 2);
}

TEST_F(FrmLoginTest, ADamagedYearOfBirthIsExplainedAndNothingIsLost) {
    Profile("ZRVI003.ini",
            "[Settings]\r\nLastName=Кузнецов\r\nName=Олег\r\nPassw=1234\r\nYearBirth=19x5\r\n");
    const std::string before = initest::Bytes(dir.path() / "ZRVI003.ini");
    QDialog* d = Load();
    d->show();
    QTest::keyClicks(Password(d), "1234");
    Ok(d);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("«Кузнецов Олег» (файл ZRVI003.ini) повреждён"),
              std::string::npos);
    EXPECT_NE(messages.shown[0].text.find("«19x5»"), std::string::npos);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(sharedState.dlgResult, 0);
    EXPECT_TRUE(sharedState.userLastName.empty());
    EXPECT_EQ(initest::Bytes(dir.path() / "ZRVI003.ini"), before);
}

TEST_F(FrmLoginTest, QuitAndTheCloseBoxAnswerTwo) {
    Profile("ZRVI001.ini", "[Settings]\r\nLastName=Петров\r\nName=Иван\r\n");
    QDialog* d = Load();
    d->show();
    d->close();
    EXPECT_EQ(sharedState.dlgResult, 2);
    forms.Unload("frmLogin");
    forms.SetModalRunner([&](QDialog& dialog) { Find<QPushButton>(&dialog, "cmdQuit")->click(); });
    forms.ShowModal("frmLogin");
    EXPECT_EQ(sharedState.dlgResult, 2);
}

TEST_F(FrmLoginTest, ThePasswordShowsStarsAndEnterGoesToOk) {
    Profile("ZRVI001.ini", "[Settings]\r\nLastName=Петров\r\nName=Иван\r\n");
    QDialog* d = Load();
    d->show();
    QLineEdit* password = Password(d);
    EXPECT_EQ(password->maxLength(), 10);
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(
        password->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, password),
        '*');
    password->setFocus();
    QTest::keyClick(password, Qt::Key_Return);
    EXPECT_EQ(d->focusWidget(), Find<QWidget>(d, "cmdOk"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FrmLoginTest, WhatTheUserTypesFirstGoesIntoThePasswordBox) {
    Profile("ZRVI001.ini", "[Settings]\r\nLastName=Петров\r\nName=Иван\r\nPassw=роза\r\n");
    Profile("ZRVI002.ini", "[Settings]\r\nLastName=Орлова\r\nName=Вера\r\nPassw=липа\r\n");
    QDialog* d = Load();
    d->show();
    ASSERT_EQ(d->focusWidget(), Password(d));
    Type(d->focusWidget(), "роза");
    EXPECT_EQ(Password(d)->text().toStdString(), "роза");
    EXPECT_EQ(Listed(d)[static_cast<size_t>(Find<QComboBox>(d, "cmbUser")->currentIndex())],
              "Орлова Вера");
}

TEST_F(FrmLoginTest, EnterAfterThePasswordLogsIn) {
    Profile("ZRVI001.ini",
            "[Settings]\r\nLastName=Петров\r\nName=Иван\r\nYearBirth= 1960\r\nPassw=роза\r\n");
    bool stayedOpen = false;
    forms.SetModalRunner([&](QDialog& d) {
        // A wrong password and Enter: said at once, and the screen stays.
        Type(Password(&d), "липа");
        QTest::keyClick(Password(&d), Qt::Key_Return);
        stayedOpen = d.isVisible();
        Password(&d)->clear();
        Type(Password(&d), "роза");
        QTest::keyClick(Password(&d), Qt::Key_Return);
    });
    forms.ShowModal("frmLogin");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Неправильный пароль"});
    EXPECT_EQ(sharedState.dlgResult, 1);
    EXPECT_EQ(sharedState.userLastName, "Петров");
}

}  // namespace
