#include "conclusions/ui/frm_conclusion2.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"

namespace {

class FrmConclusion2Test : public testsupport::UiFixture {
  protected:
    FrmConclusion2Test() {
        clock.now = {2026, 12, 8, 10, 30, 0};
        sharedState.ResetAnswers();
        LogIn({"Белова", "Нина", "f", 1954, 1.60f, 60});
        sharedState.curProgram = 2;
        // Good everywhere, no ailment, a normal body mass: no factor.
        for (int t = 1; t <= 8; ++t) sharedState.answers(2, t, 32) = 5;
        for (int q = 1; q <= 13; ++q) sharedState.answers(2, 7, q) = 2;
        sharedState.answers(2, 14, 32) = 6;
        sharedState.answers(2, 15, 32) = 5;
        OpenMainWindow();
    }
    QWidget* Open() {
        QWidget* screen = forms.Show("frmConclusion2");
        ProcessEvents();
        return screen;
    }
    static QString Text(QWidget* screen, const QString& name) {
        auto* label = screen->findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("<missing>");
    }
    static QRadioButton* Option(QWidget* screen, int n) {
        return screen->findChild<QRadioButton*>(QString("optRez1(%1)").arg(n));
    }
    static bool Shown(QWidget* screen, const QString& name) {
        QWidget* widget = screen->findChild<QWidget*>(name);
        return widget && widget->isVisible();
    }
};

TEST_F(FrmConclusion2Test, SatisfactoryTestsListTheirFactorsInRuleOrderBelowTheChance) {
    for (int t = 1; t <= 6; ++t) sharedState.answers(2, t, 32) = 3;
    sharedState.answers(2, 15, 32) = 3;
    QWidget* screen = Open();
    EXPECT_EQ(Text(screen, "lblName"), "Уважаемая госпожа\nБелова Нина");
    EXPECT_EQ(Text(screen, "lblDate"), "08.12.2026");
    EXPECT_EQ(Text(screen, "lblRez"),
              "Шанс на здоровое и работоспособное долголетие удовлетворительный");
    EXPECT_TRUE(Shown(screen, "Label17"));
    EXPECT_FALSE(Option(screen, 0)->isVisible());
    const char* titles[] = {"Наследственность и социальный статус", "Выявленная гиподинамия",
                            "Неправильное отношение к курению и спиртному"};
    int previousTop = -1;
    for (int n = 1; n <= 3; ++n) {
        QRadioButton* option = Option(screen, n);
        ASSERT_NE(option, nullptr) << n;
        EXPECT_TRUE(option->isVisible());
        EXPECT_FALSE(option->isChecked());
        EXPECT_EQ(option->text().toStdString(), titles[n - 1]);
        EXPECT_GT(option->y(), previousTop) << "one below the other";
        previousTop = option->y();
    }
    EXPECT_EQ(Option(screen, 4), nullptr);
    // The paragraphs and the buttons follow the list.
    EXPECT_GT(screen->findChild<QWidget*>("Frame2")->y(), previousTop);
    EXPECT_FALSE(Text(screen, "Label10(0)").contains(QStringLiteral("\u00A4")));
    EXPECT_EQ(Text(screen, "Label10(0)").count("\n"), 4);
    SaveShot(*screen, "frmConclusion2_three");
}

TEST_F(FrmConclusion2Test, ContinuingWithoutAMarkRemindsAndTheLastMarkIsHandedOver) {
    for (int t = 1; t <= 6; ++t) sharedState.answers(2, t, 32) = 3;
    QWidget* screen = Open();
    EXPECT_FALSE(Shown(screen, "lblNoSelected"));
    Click("frmConclusion2", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmConclusion2")) << "the screen stays";
    EXPECT_FALSE(forms.IsLoaded("frmRecom2"));
    EXPECT_TRUE(Shown(screen, "lblNoSelected"));
    EXPECT_EQ(Text(screen, "lblNoSelected"),
              "Надо отметить явления, которые беспокоят Вас в первую!");
    EXPECT_FALSE(sharedState.navForward);
    // The reminder pushes nothing below the buttons: the last paragraph still ends above them.
    auto* text = screen->findChild<QLabel*>("Label10(0)");
    EXPECT_GE(text->height(), text->heightForWidth(text->width())) << "the paragraphs are cut";
    EXPECT_LE(text->mapTo(screen, QPoint(0, text->height())).y(),
              screen->findChild<QWidget*>("Frame1")->y());
    EXPECT_LE(screen->findChild<QWidget*>("Frame1")->geometry().bottom(), screen->height());
    SaveShot(*screen, "frmConclusion2_reminder");

    // Marking factor 3 and then factor 1 hands over the key of factor 1.
    QTest::mouseClick(Option(screen, 3), Qt::LeftButton);
    EXPECT_FALSE(Shown(screen, "lblNoSelected"));
    QTest::mouseClick(Option(screen, 1), Qt::LeftButton);
    EXPECT_FALSE(Option(screen, 3)->isChecked());
    Click("frmConclusion2", "cmdContinue");
    EXPECT_FALSE(forms.IsLoaded("frmConclusion2"));
    EXPECT_TRUE(forms.IsLoaded("frmRecom2"));
    EXPECT_TRUE(sharedState.navForward);
    EXPECT_EQ(sharedState.markedFactor(), 231);
}

TEST_F(FrmConclusion2Test, WithNoFactorTheRecommendationsReceiveZeroAtOnce) {
    sharedState.markedFactor() = 244;  // left from an earlier pass through the conclusion
    QWidget* screen = Open();
    EXPECT_FALSE(Shown(screen, "Label17"));
    EXPECT_EQ(Option(screen, 1), nullptr);
    EXPECT_EQ(Text(screen, "lblRez").toStdString(),
              "Шанс на здоровое и работоспособное долголетие хороший. Продолжайте соблюдать тот "
              "образ жизни, которого Вы придерживаетесь");
    SaveShot(*screen, "frmConclusion2_none");
    Click("frmConclusion2", "cmdContinue");
    EXPECT_TRUE(forms.IsLoaded("frmRecom2"));
    EXPECT_EQ(sharedState.markedFactor(), 0);
}

TEST_F(FrmConclusion2Test, OpeningAgainShowsTheSameListAndNothingMarked) {
    sharedState.answers(2, 7, 4) = 1;
    sharedState.answers(2, 15, 32) = 0;
    QWidget* screen = Open();
    QTest::mouseClick(Option(screen, 1), Qt::LeftButton);
    Click("frmConclusion2", "cmdReturn");
    EXPECT_TRUE(forms.IsLoaded("frmRezult2"));
    Click("frmRezult2", "cmdContinue");
    screen = Screen("frmConclusion2");
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(Option(screen, 1)->text(), "Дискомфорт в пищеварительном тракте");
    EXPECT_FALSE(Option(screen, 1)->isChecked());
    EXPECT_EQ(Option(screen, 2), nullptr);
}

}  // namespace
