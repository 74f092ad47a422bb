// Program 1 taken twice by the same person, as a person takes it: from the program menu through
// registration (then login), the four questionnaires, the results and the conclusion. The second
// run shows the first one beside it.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "docs/ui/frm_rtf.h"
#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"
#include "testing/ui/frm_anketa.h"
#include "users/ini_file.h"

namespace {

class Program1RoadTest : public testsupport::UiFixture {
  protected:
    Program1RoadTest() {
        // The articles of the conclusion, as the build made them.
        for (const char* name : {"11-1-5-k.rtf", "11-1-3-k.rtf", "11-1-1.rtf", "11-1-2-k.rtf",
                                 "11-1-4.rtf", "11-1-6-k.rtf"}) {
            std::filesystem::create_directories(dir.path() / "Doc");
            std::filesystem::copy_file(std::filesystem::path(TEST_BUILD_DIR) / "Doc" / name,
                                       dir.path() / "Doc" / name);
        }
        forms.SetModalRunner([this](QDialog& dialog) { Answer(dialog); });
    }

    // The dialogs of the road, answered as this person answers them.
    void Answer(QDialog& dialog) {
        const auto press = [&](const char* name) { dialog.findChild<QPushButton*>(name)->click(); };
        const auto type = [&](const char* box, const QString& text) {
            dialog.findChild<QLineEdit*>(box)->setText(text);
        };
        const std::string name = dialog.objectName().toStdString();
        if (name == "frmChoice") {
            press(returning ? "cmdSecond" : "cmdNew");
        } else if (name == "frmLogin") {
            auto* users = dialog.findChild<QComboBox*>("cmbUser");
            users->setCurrentIndex(users->findText("Соколова Анна"));
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtPassw"), "rose7");
            press("cmdOk");
        } else if (name == "frmRegist") {
            if (!returning) {
                type("txtLastName", "Соколова");
                type("txtName", "Анна");
                QTest::keyClicks(dialog.findChild<QLineEdit*>("txtYearBirth"),
                                 QString::number(clock.now.year - 34));
                dialog.findChild<QAbstractButton*>("Option1(1)")->click();
                type("txtHeight", "1.66");
                QTest::keyClicks(dialog.findChild<QLineEdit*>("txtPassw"), "rose7");
            }
            type("txtWeight", "61");
            press("cmdRegist");
        } else if (name == "frmRTF") {
            documentShown = qobject_cast<docs::frmRTF*>(&dialog)->PlainText();
            press("cmdClose");
        } else if (name == "frmAbort") {
            press("cmdYes");
        }
    }

    // Every question of every test answered with the option a pattern picks among those shown.
    void TakeTheTests(int pattern) {
        Click("frmRazd1", "cmdContinue");
        for (int test = 11; test <= 14; ++test) {
            Click("frmRazd", "cmdContinue");
            ASSERT_NE(Anketa(), nullptr) << test;
            AnswerTest(pattern);
            Click("frmAnketa", "cmdContinue");
        }
    }
    std::string Text(const char* screen, const char* name) {
        auto* label = Find<QLabel>(Screen(screen), name);
        return label ? label->text().toStdString() : "<missing>";
    }
    bool Shown(const char* screen, const char* name) {
        QWidget* widget = Find<QWidget>(Screen(screen), name);
        return widget && !widget->isHidden();
    }
    std::string RatingWord(int code) {
        return code == 0 ? "Плохо" : code == 3 ? "Удовлет." : "Хорошо";
    }

    bool returning = false;
    std::string documentShown;
};

TEST_F(Program1RoadTest, TwoRunsFromTheMenuToTheConclusionAndTheSecondShowsTheFirst) {
    clock.now = {2026, 3, 2, 9, 0, 0};
    shell::frmMDI& window = OpenMainWindow();
    window.findChild<QAction*>("mProgram21")->trigger();
    ProcessEvents();
    TakeTheTests(1);

    // The results of the first run: today's column only.
    ASSERT_TRUE(forms.IsLoaded("frmRezult1"));
    EXPECT_EQ(Text("frmRezult1", "Label1"),
              "Оценка показателей Вашего здоровья,  г-жа Соколова Анна");
    EXPECT_EQ(Text("frmRezult1", "Label10(0)"), "02.03.2026");
    for (int t = 1; t <= 4; ++t) {
        EXPECT_EQ(Text("frmRezult1", QString("Label10(%1)").arg(t).toLatin1()),
                  RatingWord(sharedState.answers(1, t, 32)));
    }
    EXPECT_EQ(Text("frmRezult1", "Label10(5)"), "Хорошо");  // 61 kg at 1.66 m: BMI 22.1
    EXPECT_EQ(Text("frmRezult1", "Label10(6)"), RatingWord(sharedState.answers(1, 15, 32)));
    EXPECT_FALSE(Shown("frmRezult1", "Label10(10)"));
    const std::string file = sharedState.userFile;
    EXPECT_EQ(users::ReadIni(file, "Settings", "DateNum", "?"), "1");
    EXPECT_EQ(users::ReadIni(file, "Result1", "DateTest", "?"), "02.03.2026");
    const std::string firstOverall = RatingWord(sharedState.answers(1, 15, 32));

    // The conclusion, with an article opened from it.
    Click("frmRezult1", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmConclusion1"));
    EXPECT_EQ(Text("frmConclusion1", "Label1"),
              "Заключение о состоянии Вашего здоровья, г-жа Соколова Анна");
    const int overall = sharedState.answers(1, 15, 32);
    EXPECT_EQ(Text("frmConclusion1", "lblRez1"), overall == 0 ? "ПЛОХОЕ"
                                                 : overall == 3 ? "УДОВЛЕТВОРИТЕЛЬНОЕ"
                                                                : "ХОРОШЕЕ");
    int firstArticle = 0;
    for (int i = 1; i <= 6 && firstArticle == 0; ++i) {
        if (Shown("frmConclusion1", QString("cmdBooks(%1)").arg(i).toLatin1())) firstArticle = i;
    }
    ASSERT_NE(firstArticle, 0);  // these answers leave weak points
    Click("frmConclusion1", QString("cmdBooks(%1)").arg(firstArticle).toLatin1());
    EXPECT_FALSE(documentShown.empty());
    Click("frmConclusion1", "cmdClose");  // "ДА"
    EXPECT_FALSE(forms.IsLoaded("frmConclusion1"));

    // The same person comes back a week later and takes the program again.
    clock.now = {2026, 3, 9, 17, 30, 0};
    returning = true;
    window.findChild<QAction*>("mProgram21")->trigger();
    ProcessEvents();
    EXPECT_EQ(sharedState.nextTestNum, 2);
    TakeTheTests(2);

    ASSERT_TRUE(forms.IsLoaded("frmRezult1"));
    EXPECT_EQ(Text("frmRezult1", "Label10(0)"), "09.03.2026");
    EXPECT_TRUE(Shown("frmRezult1", "Label10(10)"));
    EXPECT_EQ(Text("frmRezult1", "Label10(10)"), "02.03.2026");
    EXPECT_EQ(Text("frmRezult1", "Label10(15)"), "Хорошо");
    EXPECT_EQ(Text("frmRezult1", "Label10(16)"), firstOverall);
    EXPECT_FALSE(Shown("frmRezult1", "Label10(20)"));
    SaveShot(window, "road");
    EXPECT_EQ(users::ReadIni(file, "Settings", "DateNum", "?"), "2");
    EXPECT_EQ(users::ReadIni(file, "Result2", "TimeTest", "?").substr(0, 3), "17:");
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
}

}  // namespace
