#include "conclusions/ui/frm_conclusion4.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <iterator>

#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"
#include "text/catalogue.h"

namespace {

class FrmConclusion4Test : public testsupport::UiFixture {
  protected:
    FrmConclusion4Test() {
        clock.now = {2026, 12, 8, 10, 30, 0};
        sharedState.ResetAnswers();
        LogIn({"Ковалёва", "Нина", "f"});
        sharedState.curProgram = 4;
        sharedState.navForward = true;
    }
    // What the results screen of program 4 leaves behind.
    void Results(std::initializer_list<int> ratings, int ageRating, int bodyMassClass, int points) {
        int t = 1;
        for (int rating : ratings) sharedState.answers(4, t++, 32) = static_cast<int16_t>(rating);
        sharedState.answers(4, 13, 32) = static_cast<int16_t>(ageRating);
        sharedState.answers(4, 14, 32) = static_cast<int16_t>(bodyMassClass);
        sharedState.answers(4, 15, 31) = static_cast<int16_t>(points);
    }
    QWidget* Open() {
        QWidget* screen = forms.Show("frmConclusion4");
        ProcessEvents();
        return screen;
    }
    std::string Text(QWidget* screen, const QString& name) {
        auto* label = screen->findChild<QLabel*>(name);
        return label ? label->text().toStdString() : "<missing>";
    }
    bool Shown(QWidget* screen, const QString& name) {
        QWidget* widget = screen->findChild<QWidget*>(name);
        return widget && !widget->isHidden();
    }
    std::vector<int> ShownMembers(QWidget* screen, const char* array) {
        std::vector<int> shown;
        for (int i = 1; i <= 10; ++i) {
            if (Shown(screen, QString("%1(%2)").arg(array).arg(i))) shown.push_back(i);
        }
        return shown;
    }
    int Top(QWidget* screen, const QString& name) {
        QWidget* widget = screen->findChild<QWidget*>(name);
        return widget->mapTo(screen, QPoint(0, 0)).y();
    }
    int Bottom(QWidget* screen, const QString& name) {
        QWidget* widget = screen->findChild<QWidget*>(name);
        return widget->mapTo(screen, QPoint(0, widget->height())).y();
    }
};

TEST_F(FrmConclusion4Test, AHighRiskListsItsSourcesAndTheirArticlesInOrderAboveTheButtons) {
    Results({0, 3, 5, 5, 0, 0, 0}, 0, 4, 25);
    OpenMainWindow();
    QWidget* screen = Open();
    EXPECT_EQ(Text(screen, "lblName"), "Уважаемая госпожа\nКовалёва Нина");
    EXPECT_EQ(Text(screen, "lblDate"), "08.12.2026");
    EXPECT_EQ(Text(screen, "lblRez"), text::GetCatalogText(422));
    EXPECT_TRUE(Shown(screen, "Label10(4)"));
    EXPECT_EQ(ShownMembers(screen, "lblRez1"), std::vector<int>({1, 2, 5, 6, 7, 8, 9}));
    EXPECT_EQ(Text(screen, "lblRez1(9)"), "Индекс массы (излишний вес))");
    // One environment article, none for the precancerous conditions.
    EXPECT_EQ(ShownMembers(screen, "cmdBooks"), std::vector<int>({1, 2, 5, 8, 9}));
    EXPECT_EQ(screen->findChild<QPushButton*>("cmdBooks(5)")->text().toStdString(),
              text::GetCatalogText(455));
    const char* order[] = {
        "lblRez",      "Label17",     "lblRez1(1)",  "lblRez1(2)",  "lblRez1(5)",  "lblRez1(6)",
        "lblRez1(7)",  "lblRez1(8)",  "lblRez1(9)",  "Label10(0)",  "Label10(3)",  "Label10(1)",
        "cmdBooks(1)", "cmdBooks(2)", "cmdBooks(5)", "cmdBooks(8)", "cmdBooks(9)", "Frame1"};
    for (size_t i = 1; i < std::size(order); ++i)
        EXPECT_GE(Top(screen, order[i]), Bottom(screen, order[i - 1])) << order[i];
    EXPECT_TRUE(Shown(screen, "Label10(3)"));
    SaveShot(*screen, "frmConclusion4_high");
    SaveShot(*mainWindow, "frmConclusion4_main");
}

TEST_F(FrmConclusion4Test, AMarkedWeightLossShowsTheAdviceAlone) {
    Results({0, 0, 0, 0, 0, 0, 0}, 0, 1, 33);
    QWidget* screen = Open();
    EXPECT_EQ(Text(screen, "lblRez"), text::GetCatalogText(425));
    EXPECT_TRUE(Shown(screen, "lblRez"));
    // Nothing to lead into, no sources, no articles: their captions go with them.
    EXPECT_FALSE(Shown(screen, "Label10(4)"));
    EXPECT_FALSE(Shown(screen, "Label17"));
    EXPECT_FALSE(Shown(screen, "Label10(1)"));
    EXPECT_TRUE(ShownMembers(screen, "lblRez1").empty());
    EXPECT_TRUE(ShownMembers(screen, "cmdBooks").empty());
    EXPECT_TRUE(Shown(screen, "Label10(0)"));
    EXPECT_TRUE(Shown(screen, "Label10(3)"));
    SaveShot(*screen, "frmConclusion4_weight_loss");

    // Printed and reopened, it stays the same.
    screen->findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_FALSE(Shown(screen, "Label10(1)"));
    EXPECT_TRUE(Shown(screen, "cmdPrint"));
    forms.Unload("frmConclusion4");
    ProcessEvents();
    Results({5, 5, 5, 5, 5, 5, 5}, 3, 6, 1);
    QWidget* again = Open();
    EXPECT_TRUE(Shown(again, "Label10(4)"));
    EXPECT_EQ(Text(again, "lblRez"), text::GetCatalogText(424));
    EXPECT_EQ(ShownMembers(again, "lblRez1"), std::vector<int>({8}));
    EXPECT_EQ(ShownMembers(again, "cmdBooks"), std::vector<int>({8}));
    SaveShot(*again, "frmConclusion4_low");
}

TEST_F(FrmConclusion4Test, PrintingHidesTheArticlesAndTheirCaptionThenRestoresThem) {
    Results({5, 5, 5, 5, 5, 3, 0}, 3, 6, 3);
    QWidget* screen = Open();
    ASSERT_EQ(ShownMembers(screen, "cmdBooks"), std::vector<int>({6, 8}));
    const QStringList hiddenOnPage = {"cmdContinue", "cmdReturn",   "cmdClose",   "cmdPrint",
                                      "Label10(1)",  "cmdBooks(6)", "cmdBooks(8)"};
    int visibleOnPage = 0;
    bool sourcesOnPage = false;
    printer.onPrintWidget = [&](QWidget&) {
        for (const QString& name : hiddenOnPage) visibleOnPage += Shown(screen, name) ? 1 : 0;
        sourcesOnPage = Shown(screen, "lblRez1(6)") && Shown(screen, "Label17");
        SaveShot(*screen, "frmConclusion4_printed");
    };
    for (bool fail : {false, true}) {
        printer.fail = fail;
        visibleOnPage = 0;
        screen->findChild<QPushButton*>("cmdPrint")->click();
        EXPECT_EQ(visibleOnPage, 0);
        EXPECT_TRUE(sourcesOnPage);
        for (const QString& name : hiddenOnPage)
            EXPECT_TRUE(Shown(screen, name))
                << name.toStdString() << (fail ? " after a failure" : "");
        EXPECT_EQ(ShownMembers(screen, "cmdBooks"), std::vector<int>({6, 8}));
    }
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(FrmConclusion4Test, AnArticleButtonOpensItsDocumentOrReportsItMissing) {
    Results({5, 5, 5, 5, 3, 3, 5}, 3, 6, 3);
    QWidget* screen = Open();
    screen->findChild<QPushButton*>("cmdBooks(5)")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.rfind("Отсутствует файл ", 0), 0u);
    EXPECT_NE(messages.shown[0].text.find("OZ-d5-r.rtf"), std::string::npos)
        << messages.shown[0].text;
    EXPECT_TRUE(forms.IsLoaded("frmConclusion4"));
}

}  // namespace
