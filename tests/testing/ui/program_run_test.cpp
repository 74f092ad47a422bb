// Program 1 taken as a user takes it: from the program menu through registration, the
// introductions and all four questionnaires to the end of test 14.
#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"
#include "testing/ui/frm_anketa.h"
#include "text/catalogue.h"

namespace {

using ProgramRunTest = testsupport::UiFixture;

TEST_F(ProgramRunTest, ProgramOneFromTheMenuToTheEndOfTest14) {
    forms.SetModalRunner([&](QDialog& dialog) {
        const auto press = [&](const char* name) { dialog.findChild<QPushButton*>(name)->click(); };
        const auto type = [&](const char* box, const QString& text) {
            dialog.findChild<QLineEdit*>(box)->setText(
                text);  // Cyrillic cannot go through QTest::keyClicks
        };
        if (dialog.objectName() == "frmChoice") {
            press("cmdNew");
        } else if (dialog.objectName() == "frmRegist") {
            type("txtLastName", "Соколова");
            type("txtName", "Анна");
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtYearBirth"),
                             QString::number(clock.now.year - 34));
            dialog.findChild<QAbstractButton*>("Option1(1)")->click();
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtWeight"), "61");
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtHeight"), "1.66");
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtPassw"), "rose7");
            press("cmdRegist");
        }
    });
    shell::frmMDI& window = OpenMainWindow();
    window.findChild<QAction*>("mProgram21")->trigger();
    ProcessEvents();

    Click("frmRazd1", "cmdContinue");
    // Test 11: "no sport" skips question 3; test 13: option 1 of question 3 skips 4 and 5.
    const std::vector<int> questionsAsked = {9, 10, 4, 10};
    for (int test = 11; test <= 14; ++test) {
        ASSERT_EQ(Find<QLabel>(Screen("frmRazd"), "Label1")->text().toStdString(),
                  text::GetCatalogText(test * 1000));
        if (test == 12) {
            // A look back at test 11 from the introduction of test 12, and on again.
            Click("frmRazd", "cmdReturn");
            ASSERT_NE(Anketa(), nullptr);
            EXPECT_EQ(sharedState.curTest, 11);
            EXPECT_EQ(Anketa()->questionnaire().curQuestion(), 10);
            Click("frmAnketa", "cmdContinue");  // the last question is answered: its result again
            EXPECT_TRUE(Find<QLabel>(Anketa(), "lblResult")->isVisible());
            Click("frmAnketa", "cmdContinue");
            ASSERT_EQ(sharedState.curTest, 12);
        }
        Click("frmRazd", "cmdContinue");
        ASSERT_NE(Anketa(), nullptr) << test;
        EXPECT_EQ(AnswerTest(test == 13 ? -1 : test),
                  questionsAsked[static_cast<size_t>(test - 11)])
            << test;
        EXPECT_TRUE(Find<QLabel>(Anketa(), "lblResult")->isVisible()) << test;
        if (test == 12) {
            // Back from the result to the last question, and the result again with its button.
            Click("frmAnketa", "cmdReturn");
            EXPECT_TRUE(Find<QWidget>(Anketa(), "FrameQuestion")->isVisible());
            Click("frmAnketa", "cmdCount");
            EXPECT_TRUE(Find<QLabel>(Anketa(), "lblResult")->isVisible());
        }
        Click("frmAnketa", "cmdContinue");
    }

    EXPECT_FALSE(forms.IsLoaded("frmAnketa"));
    EXPECT_TRUE(forms.IsLoaded("frmRezult1") ||
                messages.Texts() ==
                    std::vector<std::string>{text::FormText("frmAnketa", "msgNoResults")});
    for (int t = 1; t <= 4; ++t) {
        EXPECT_GE(sharedState.answers(1, t, 31), 0) << t;
        EXPECT_NE(sharedState.answers(1, t, 32), -1) << t;
        EXPECT_EQ(sharedState.testRating(t), sharedState.answers(1, t, 32)) << t;
    }
    EXPECT_EQ(sharedState.answers(1, 3, 4), 0);
    EXPECT_EQ(sharedState.answers(1, 3, 31), 25);
}

}  // namespace
