#include "testing/ui/frm_anketa.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "support/ui_fixture.h"
#include "text/catalogue.h"

namespace {

using questionnaire::QuestionnaireMode;

class FrmAnketaTest : public testsupport::UiFixture {
  protected:
    questionnaire::frmAnketa* Open(int program, int firstTest, int lastTest, int test,
                                   const char* sex = "f") {
        sharedState.ResetAnswers();
        sharedState.curProgram = static_cast<int16_t>(program);
        sharedState.firstTest = static_cast<int16_t>(firstTest);
        sharedState.lastTest = static_cast<int16_t>(lastTest);
        sharedState.curTest = static_cast<int16_t>(test);
        sharedState.userSex = sex;
        sharedState.enterAtEnd = false;
        anketa = qobject_cast<questionnaire::frmAnketa*>(forms.Show("frmAnketa"));
        return anketa;
    }

    QAbstractButton* Option(int j) {
        return anketa->findChild<QAbstractButton*>(QStringLiteral("Option1(%1)").arg(j));
    }
    QPushButton* Button(const char* name) { return Find<QPushButton>(anketa, name); }
    QFrame* Frame() { return Find<QFrame>(anketa, "FrameQuestion"); }

    // The page lock runs out and the user takes a moment before the next click.
    void Wait() {
        if (anketa->findChild<QTimer*>("Timer1")->isActive()) anketa->Timer1_Timer();
        clock.Advance(1.0);
    }
    void Choose(int j) {
        Wait();
        QTest::mouseClick(Option(j), Qt::LeftButton);
    }

    questionnaire::frmAnketa* anketa = nullptr;
};

TEST_F(FrmAnketaTest, ShowsTheQuestionWithOnlyItsOptionsAndLocksThePageBriefly) {
    Open(1, 11, 14, 11);
    EXPECT_EQ(Find<QLabel>(anketa, "lblTitle")->text().toStdString(),
              "1. Экспресс-оценка физического статуса");
    EXPECT_EQ(Find<QLabel>(anketa, "lblQuestion")->text().toStdString(),
              text::GetCatalogText(11010));
    for (int j = 1; j <= 5; ++j) {
        EXPECT_TRUE(Option(j)->isVisible()) << j;
        EXPECT_EQ(Option(j)->text().toStdString(), text::GetCatalogText(11010 + j));
    }
    EXPECT_FALSE(Find<QLabel>(anketa, "Label1")->isVisible());
    EXPECT_FALSE(Find<QLabel>(anketa, "lblResult")->isVisible());
    EXPECT_EQ(Button("cmdContinue")->text().toStdString(), "ПРОДОЛЖИТЬ");
    EXPECT_EQ(Button("cmdReturn")->text().toStdString(), "ВЕРНУТЬСЯ НА ПРЕДЫДУЩУЮ СТРАНИЦУ");
    EXPECT_EQ(Button("cmdCount")->text().toStdString(), "РЕЗУЛЬТАТЫ ТЕСТА");
    EXPECT_EQ(Button("cmdExit")->text().toStdString(), "ВЫХОД ИЗ ТЕСТА");

    // Locked until Timer1 runs out: a click now does nothing.
    EXPECT_FALSE(Frame()->isEnabled());
    QTest::mouseClick(Option(2), Qt::LeftButton);
    EXPECT_EQ(anketa->questionnaire().curQuestion(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame()->isEnabled(); }, 2000));

    Choose(2);
    EXPECT_EQ(anketa->questionnaire().curQuestion(), 2);
    EXPECT_TRUE(Option(3)->isVisible());
    EXPECT_FALSE(Option(4)->isVisible());
    EXPECT_FALSE(Option(5)->isVisible());
    EXPECT_FALSE(Option(1)->isChecked());
}

TEST_F(FrmAnketaTest, ADoubleClickAnswersOneQuestion) {
    Open(1, 11, 14, 14);
    Wait();
    // A double click as the window system delivers it: press, release, double-click, release.
    QTest::mouseClick(Option(1), Qt::LeftButton);
    QTest::mouseDClick(Option(1), Qt::LeftButton);
    QTest::mouseRelease(Option(1), Qt::LeftButton);
    EXPECT_EQ(anketa->questionnaire().curQuestion(), 2);
    EXPECT_EQ(anketa->questionnaire().answer(2), -1);

    // Even once the page is unlocked, a click within half a second of the last one is not taken,
    // and the option it touched does not stay marked.
    anketa->Timer1_Timer();
    clock.Advance(0.3);
    QTest::mouseClick(Option(3), Qt::LeftButton);
    EXPECT_EQ(anketa->questionnaire().curQuestion(), 2);
    EXPECT_EQ(anketa->questionnaire().answer(2), -1);
    EXPECT_FALSE(Option(3)->isChecked());
    clock.Advance(0.2);
    QTest::mouseClick(Option(3), Qt::LeftButton);
    EXPECT_EQ(anketa->questionnaire().answer(2), 3);
    EXPECT_EQ(anketa->questionnaire().curQuestion(), 3);
}

TEST_F(FrmAnketaTest, ContinueWithoutAnAnswerAsksForIt) {
    Open(1, 11, 14, 12);
    Choose(1);
    Button("cmdContinue")->click();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Дайте ответ на вопрос N2"});
    EXPECT_EQ(anketa->questionnaire().curQuestion(), 2);

    // Going back shows the earlier answer selected; continue moves on from it.
    Button("cmdReturn")->click();
    EXPECT_TRUE(Option(1)->isChecked());
    Wait();
    Button("cmdContinue")->click();
    EXPECT_EQ(anketa->questionnaire().curQuestion(), 2);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(FrmAnketaTest, ResultThenContinueOpensTheNextTestIntroduction) {
    Open(1, 11, 14, 13);
    for (int q : {1, 2, 3, 6}) {
        (void)q;
        Choose(1);
    }
    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_TRUE(Find<QLabel>(anketa, "Label1")->isVisible());
    EXPECT_EQ(Find<QLabel>(anketa, "Label1")->text().toStdString(), "Результат:");
    EXPECT_EQ(Find<QLabel>(anketa, "lblResult")->text().toStdString(),
              "Плохо\n" + text::GetCatalogText(13004));
    EXPECT_TRUE(Button("cmdContinue")->hasFocus() || !anketa->isActiveWindow());
    // The focus is on "ПРОДОЛЖИТЬ", so Enter goes on; Tab would go to the button beside it.
    ASSERT_EQ(anketa->focusWidget(), Button("cmdContinue"));
    EXPECT_EQ(Button("cmdContinue")->nextInFocusChain(), Button("cmdCount"));

    QTest::keyClick(anketa->focusWidget(), Qt::Key_Return);
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmAnketa"));
    ASSERT_TRUE(forms.IsLoaded("frmRazd"));
    EXPECT_EQ(sharedState.curTest, 14);
    EXPECT_EQ(Find<QLabel>(Screen("frmRazd"), "Label1")->text().toStdString(),
              text::GetCatalogText(14000));
}

TEST_F(FrmAnketaTest, AfterTheLastTestTheResultsScreenOrTheMainWindow) {
    // Program 5 as if its results screen were not there.
    forms.Register("frmRezult5", nullptr);
    Open(5, 51, 52, 52);
    for (int i = 0; i < 9; ++i) Choose(2);
    Button("cmdContinue")->click();
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmAnketa"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::FormText("frmAnketa", "msgNoResults"));
    EXPECT_EQ(sharedState.answers(5, 2, 9), 2);
    EXPECT_EQ(sharedState.answers(5, 2, 31), 32);
    EXPECT_EQ(sharedState.answers(5, 2, 32), 3);

    forms.Register("frmRezult5", [](platform::AppContext&) { return new QWidget; });
    Open(5, 51, 52, 52);
    for (int i = 0; i < 9; ++i) Choose(2);
    Button("cmdContinue")->click();
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmAnketa"));
    EXPECT_TRUE(forms.IsLoaded("frmRezult5"));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(FrmAnketaTest, LeavingTheTestAsksFirst) {
    Open(1, 11, 14, 11);
    Choose(3);
    std::vector<const char*> answers = {"cmdNo", "cmdYes"};
    int asked = 0;
    forms.SetModalRunner(
        [&](QDialog& dialog) { dialog.findChild<QPushButton*>(answers[asked++])->click(); });

    Button("cmdExit")->click();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(forms.IsLoaded("frmAnketa"));
    EXPECT_EQ(anketa->questionnaire().curQuestion(), 2);

    anketa->close();  // the window's close box asks as well
    ProcessEvents();
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(forms.IsLoaded("frmAnketa"));
    EXPECT_EQ(sharedState.answers(1, 1, 1), -1);  // leaving this way stores nothing
}

TEST_F(FrmAnketaTest, SaysWhichQuestionItIsOfThoseThatApply) {
    Open(1, 11, 14, 11);
    const int all = anketa->questionnaire().questionCount();
    auto* progress = Find<QLabel>(anketa, "lblProgress");
    const auto says = [&](int position, int count) {
        return progress->isVisible() &&
               progress->text() == QStringLiteral("Вопрос %1 из %2").arg(position).arg(count);
    };
    EXPECT_TRUE(says(1, all)) << progress->text().toStdString();
    Choose(2);
    EXPECT_TRUE(says(2, all)) << progress->text().toStdString();
    Choose(1);  // "no sport": question 3 does not apply, so there is one question fewer
    EXPECT_TRUE(says(3, all - 1)) << progress->text().toStdString();
    SaveShot(*anketa, "anketa_progress");
    AnswerTest(-1);
    EXPECT_FALSE(progress->isVisible());  // the result is not a question
}

}  // namespace
