#include "conclusions/ui/frm_conclusion1.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <cstdlib>

#include "docs/ui/frm_rtf.h"
#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"

namespace {

class FrmConclusion1Test : public testsupport::UiFixture {
  protected:
    FrmConclusion1Test() {
        clock.now = {2026, 12, 8, 10, 30, 0};
        sharedState.ResetAnswers();
        LogIn({"Петрова", "Анна", "f"});
        sharedState.curProgram = 1;
        sharedState.navForward = true;
    }
    // What the results screen of program 1 leaves behind.
    void Results(int overall, int bodyMassClass, int s1, int s2, int s3, int s4) {
        sharedState.testRating(17) = static_cast<float>(overall);
        sharedState.testRating(15) = static_cast<float>(bodyMassClass);
        const int scores[4] = {s1, s2, s3, s4};
        for (int t = 1; t <= 4; ++t)
            sharedState.answers(1, t, 31) = static_cast<int16_t>(scores[t - 1]);
    }
    QWidget* Open() {
        QWidget* screen = forms.Show("frmConclusion1");
        ProcessEvents();
        return screen;
    }
    std::string Text(QWidget* screen, const char* name) {
        auto* label = Find<QLabel>(screen, name);
        return label ? label->text().toStdString() : "<missing>";
    }
    bool Shown(QWidget* screen, const QString& name) {
        QWidget* widget = screen->findChild<QWidget*>(name);
        return widget && !widget->isHidden();
    }
    std::vector<int> ShownBooks(QWidget* screen) {
        std::vector<int> shown;
        for (int i = 1; i <= 6; ++i) {
            if (Shown(screen, QString("cmdBooks(%1)").arg(i))) shown.push_back(i);
        }
        return shown;
    }
    int Top(QWidget* screen, const QString& name) { return screen->findChild<QWidget*>(name)->y(); }
    int Bottom(QWidget* screen, const QString& name) {
        return screen->findChild<QWidget*>(name)->geometry().bottom();
    }
};

TEST_F(FrmConclusion1Test, GoodOverallRatingWithAWeakStressTest) {
    Results(100, 6, 80, 80, 80, 50);
    QWidget* screen = Open();
    EXPECT_EQ(Text(screen, "Label1"), "Заключение о состоянии Вашего здоровья, г-жа Петрова Анна");
    EXPECT_EQ(Text(screen, "lblDate"), "08.12.2026");
    EXPECT_EQ(Text(screen, "lblRez1"), "ХОРОШЕЕ");
    EXPECT_EQ(Text(screen, "lblRez2").rfind("Продолжайте жить и работать в том же режиме", 0), 0u);
    EXPECT_FALSE(Shown(screen, "Label2"));
    EXPECT_EQ(Text(screen, "lblRez3"), "\n - повышенное  психоэмоциональное напряжение\n");
    EXPECT_EQ(ShownBooks(screen), std::vector<int>({4}));
    EXPECT_TRUE(Shown(screen, "Label17"));
    EXPECT_FALSE(sharedState.navForward);
    // The paragraph's break tokens became line breaks.
    EXPECT_EQ(Text(screen, "Label3").find("¤"), std::string::npos);
    EXPECT_NE(Text(screen, "Label3").find('\n'), std::string::npos);
    SaveShot(*screen, "frmConclusion1_good");
}

TEST_F(FrmConclusion1Test, ArticlesStandOneBelowTheOtherInRuleOrderAboveTheButtons) {
    Results(0, 1, 10, 20, 30, 20);
    OpenMainWindow();
    QWidget* screen = Open();
    EXPECT_EQ(Text(screen, "lblRez1"), "ПЛОХОЕ");
    EXPECT_EQ(Text(screen, "lblRez2")
                  .rfind("Клиника \"Верана\" обращает Ваше внимание на понижение веса тела", 0),
              0u);
    EXPECT_TRUE(Shown(screen, "Label2"));
    EXPECT_EQ(ShownBooks(screen), std::vector<int>({1, 2, 3, 4, 6}));
    EXPECT_GT(Top(screen, "cmdBooks(1)"), Bottom(screen, "Label17"));
    const char* order[] = {"cmdBooks(1)", "cmdBooks(2)", "cmdBooks(3)", "cmdBooks(4)",
                           "cmdBooks(6)"};
    for (int i = 1; i < 5; ++i)
        EXPECT_GT(Top(screen, order[i]), Bottom(screen, order[i - 1])) << order[i];
    EXPECT_GT(Top(screen, "Frame1"), Bottom(screen, "cmdBooks(6)"));
    EXPECT_GT(Top(screen, "Label10(0)"), Bottom(screen, "lblRez3"));
    for (QLabel* label : screen->findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains("?frm")) << label->objectName().toStdString();
    }
    for (QPushButton* button : screen->findChildren<QPushButton*>())
        EXPECT_FALSE(button->text().contains("?frm"));
    SaveShot(*screen, "frmConclusion1_thin");
    SaveShot(*mainWindow, "frmConclusion1_main");
}

TEST_F(FrmConclusion1Test, TwoFindingsAndTheirArticlesInTheFirstTwoRows) {
    Results(50, 5, 80, 70, 71, 36);
    QWidget* screen = Open();
    EXPECT_EQ(Text(screen, "lblRez1"), "УДОВЛЕТВОРИТЕЛЬНОЕ");
    EXPECT_EQ(Text(screen, "lblRez3"),
              "\n - выявленные неполадки в характере питания.\n - повышенное  психоэмоциональное "
              "напряжение\n");
    EXPECT_EQ(ShownBooks(screen), std::vector<int>({2, 4}));
    EXPECT_GT(Top(screen, "cmdBooks(2)"), Bottom(screen, "Label17"));
    EXPECT_GT(Top(screen, "cmdBooks(4)"), Bottom(screen, "cmdBooks(2)"));
    EXPECT_EQ(Find<QPushButton>(screen, "cmdBooks(4)")->text().toStdString(),
              "СТРЕСС НОРМАЛЬНОЕ ЯВЛЕНИЕ ИЛИ БОЛЕЗНЬ  ХХ ВЕКА?");
}

TEST_F(FrmConclusion1Test, NothingFoundLeavesNoListNoArticlesAndPullsTheButtonsUp) {
    Results(50, 6, 71, 90, 100, 71);
    QWidget* withArticle = Open();
    EXPECT_EQ(Text(withArticle, "lblRez3"), "\n");
    EXPECT_FALSE(Shown(withArticle, "Label2"));
    EXPECT_FALSE(Shown(withArticle, "Label17"));
    EXPECT_TRUE(ShownBooks(withArticle).empty());
    // The buttons follow the signature directly, and the screen is shorter than with one article.
    EXPECT_LT(Top(withArticle, "Frame1") - Bottom(withArticle, "Label6"), 20);
    const int height = withArticle->sizeHint().height();
    forms.Unload("frmConclusion1");
    ProcessEvents();
    Results(50, 6, 70, 90, 100, 71);
    EXPECT_GT(Open()->sizeHint().height(), height);
}

TEST_F(FrmConclusion1Test, AMaleUserAndAReopenedScreenShowTheSameTextsOnce) {
    sharedState.userSex = "m";
    sharedState.userLastName = "Иванов";
    sharedState.userFirstName = "Пётр";
    Results(0, 3, 10, 80, 80, 50);
    QWidget* first = Open();
    const std::string title = Text(first, "Label1");
    const std::string findings = Text(first, "lblRez3");
    EXPECT_EQ(title, "Заключение о состоянии Вашего здоровья, г-н Иванов Пётр");
    EXPECT_EQ(Text(first, "lblRez2")
                  .rfind("Клиника \"Верана\" особо отмечает, что у Вас определено ожирение.", 0),
              0u);
    forms.Unload("frmConclusion1");
    ProcessEvents();
    clock.now = {2026, 12, 11, 9, 0, 0};  // reopened days later
    QWidget* again = Open();
    EXPECT_EQ(Text(again, "Label1"), title);
    EXPECT_EQ(Text(again, "lblRez3"), findings);
    EXPECT_EQ(Text(again, "lblDate"), "11.12.2026");
    EXPECT_EQ(ShownBooks(again), std::vector<int>({1, 4, 5}));
}

TEST_F(FrmConclusion1Test, PrintingHidesButtonsCaptionAndArticlesThenRestoresEachAsItWas) {
    Results(50, 5, 80, 70, 71, 36);
    QWidget* screen = Open();
    const QStringList hiddenOnPage = {"cmdContinue", "cmdReturn",   "cmdClose",
                                      "cmdPrint",    "Label17",     "cmdBooks(1)",
                                      "cmdBooks(2)", "cmdBooks(4)", "cmdBooks(6)"};
    int visibleOnPage = 0;
    printer.onPrintWidget = [&](QWidget&) {
        for (const QString& name : hiddenOnPage) visibleOnPage += Shown(screen, name) ? 1 : 0;
    };
    for (bool fail : {false, true}) {
        printer.fail = fail;
        visibleOnPage = 0;
        Find<QPushButton>(screen, "cmdPrint")->click();
        EXPECT_EQ(visibleOnPage, 0);
        for (const char* name : {"cmdContinue", "cmdReturn", "cmdClose", "cmdPrint", "Label17"}) {
            EXPECT_TRUE(Shown(screen, name)) << name << (fail ? " after a failed print" : "");
        }
        EXPECT_EQ(ShownBooks(screen), std::vector<int>({2, 4}));
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "482 Принтер не найден");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::Critical);
}

TEST_F(FrmConclusion1Test, PrintingWithoutArticlesKeepsTheirCaptionHidden) {
    Results(50, 6, 90, 90, 90, 90);
    QWidget* screen = Open();
    Find<QPushButton>(screen, "cmdPrint")->click();
    EXPECT_EQ(printer.widgetsPrinted, 1);
    EXPECT_FALSE(Shown(screen, "Label17"));
    EXPECT_TRUE(ShownBooks(screen).empty());
    EXPECT_TRUE(Shown(screen, "cmdPrint"));
}

TEST_F(FrmConclusion1Test, ArticleButtonsOpenTheirDocumentsOrReportThemMissing) {
    Results(0, 2, 10, 90, 90, 90);
    QWidget* screen = Open();
    EXPECT_EQ(ShownBooks(screen), std::vector<int>({1, 5}));
    Find<QPushButton>(screen, "cmdBooks(5)")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.rfind("Отсутствует файл ", 0), 0u);
    EXPECT_NE(messages.shown[0].text.find("11-1-4.rtf"), std::string::npos)
        << messages.shown[0].text;

    // With the document in place the viewer shows it.
    dir.Write("Doc/11-1-5-k.rtf",
              "{\\rtf1\\ansi\\ansicpg1251 \\'c4\\'e2\\'e8\\'e6\\'e5\\'ed\\'e8\\'e5}");
    std::string shownText;
    forms.SetModalRunner([&](QDialog& dialog) {
        if (auto* viewer = qobject_cast<docs::frmRTF*>(&dialog)) shownText = viewer->PlainText();
        dialog.close();
    });
    Find<QPushButton>(screen, "cmdBooks(1)")->click();
    EXPECT_EQ(shownText, "Движение");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(forms.IsLoaded("frmConclusion1"));
}

TEST_F(FrmConclusion1Test, ContinueReturnAndClose) {
    Results(50, 5, 80, 80, 80, 80);
    bool recommendationsWithNavForward = false;
    forms.Register("frmRecom1", [&](platform::AppContext& c) {
        recommendationsWithNavForward = c.state.navForward;
        return new QWidget;
    });
    forms.Register("frmAbort", [](platform::AppContext&) { return new QDialog; });
    int abortAnswer = 2;
    forms.SetModalRunner([&](QDialog& dialog) {
        sharedState.dlgResult = static_cast<int16_t>(abortAnswer);
        dialog.close();
    });

    QWidget* screen = Open();
    Find<QPushButton>(screen, "cmdClose")->click();
    ProcessEvents();
    EXPECT_TRUE(forms.IsLoaded("frmConclusion1"));  // "НЕТ": the screen stays
    EXPECT_FALSE(sharedState.navForward);

    Find<QPushButton>(screen, "cmdContinue")->click();
    ProcessEvents();
    EXPECT_TRUE(recommendationsWithNavForward);
    EXPECT_FALSE(forms.IsLoaded("frmConclusion1"));

    screen = Open();
    Find<QPushButton>(screen, "cmdReturn")->click();
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmConclusion1"));
    EXPECT_TRUE(forms.IsLoaded("frmRezult1"));

    screen = Open();
    abortAnswer = 1;
    Find<QPushButton>(screen, "cmdClose")->click();
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmConclusion1"));

    // The window's own close box asks as well.
    OpenMainWindow();
    abortAnswer = 2;
    screen = Open();
    screen->parentWidget()->close();
    ProcessEvents();
    EXPECT_TRUE(forms.IsLoaded("frmConclusion1"));
    abortAnswer = 1;
    screen->parentWidget()->close();
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmConclusion1"));
}

}  // namespace
