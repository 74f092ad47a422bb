#include "conclusions/ui/frm_conclusion3.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <iterator>
#include <map>

#include "docs/ui/frm_rtf.h"
#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"

namespace {

class FrmConclusion3Test : public testsupport::UiFixture {
  protected:
    FrmConclusion3Test() {
        clock.now = {2026, 12, 8, 10, 30, 0};
        sharedState.ResetAnswers();
        LogIn({"Лебедева", "Катя", "f", 2017, 1.30f, 27});
        sharedState.curProgram = 3;
        sharedState.navForward = true;
        OpenMainWindow();
    }
    QWidget* Open(int variant, int rating) {
        sharedState.answers(3, 15, 33) = static_cast<int16_t>(variant);
        sharedState.answers(3, 15, 32) = static_cast<int16_t>(rating);
        QWidget* screen = forms.Show("frmConclusion3");
        ProcessEvents();
        return screen;
    }
    static bool Shown(QWidget* screen, const QString& name) {
        QWidget* widget = screen->findChild<QWidget*>(name);
        return widget && widget->isVisible();
    }
    static QString Text(QWidget* screen, const QString& name) {
        auto* label = screen->findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("<missing>");
    }
    static QWidget* Widget(QWidget* screen, const QString& name) {
        return screen->findChild<QWidget*>(name);
    }
    static std::vector<int> ShownBooks(QWidget* screen) {
        std::vector<int> shown;
        for (int member = 11; member <= 103; ++member) {
            if (Shown(screen, QString("cmdBooks(%1)").arg(member))) shown.push_back(member);
        }
        return shown;
    }
};

TEST_F(FrmConclusion3Test, EachVariantShowsItsPanelAloneWithItsDocuments) {
    const std::map<int, std::vector<int>> books = {
        {1, {}},       {2, {21}},     {3, {32}},         {4, {43}}, {5, {51, 52}},
        {6, {61, 63}}, {7, {72, 73}}, {8, {81, 82, 83}}, {9, {}},   {10, {}},
    };
    for (int variant = 1; variant <= 10; ++variant) {
        SCOPED_TRACE(variant);
        QWidget* screen = Open(variant, variant == 1 ? 5 : 3);
        ASSERT_NE(screen, nullptr);
        for (int panel = 1; panel <= 10; ++panel)
            EXPECT_EQ(Shown(screen, QString("FrameRez(%1)").arg(panel)), panel == variant) << panel;
        EXPECT_EQ(ShownBooks(screen), books.at(variant));
        // Lead-in, rating word, panel, signature and buttons stand one below the other.
        const QString order[] = {"lblRez", "lblRezValue", QString("FrameRez(%1)").arg(variant),
                                 "lblSignature(0)", "Frame1"};
        for (size_t i = 1; i < std::size(order); ++i) {
            EXPECT_LT(Widget(screen, order[i - 1])->geometry().bottom(),
                      Widget(screen, order[i])->geometry().top())
                << order[i].toStdString();
        }
        EXPECT_EQ(Text(screen, "lblSignature(0)"), "Клиника «Верана»");
        EXPECT_TRUE(Shown(screen, "lblSignature(0)"));
        // Every text fits: a label is as tall as its wrapped text needs.
        QFrame* panel = screen->findChild<QFrame*>(QString("FrameRez(%1)").arg(variant));
        for (QLabel* label : panel->findChildren<QLabel*>()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << label->objectName().toStdString();
            EXPECT_FALSE(label->text().contains(QChar(0x00A4)));
        }
        forms.Unload("frmConclusion3");
    }
}

TEST_F(FrmConclusion3Test, TheScreenIsAsTallAsThePanelItShows) {
    QWidget* screen = Open(8, 0);
    SaveShot(*screen, "frmConclusion3_8");
    const int tallHeight = screen->height();
    const int tallPanel = Widget(screen, "FrameRez(8)")->height();
    const int tallGap =
        Widget(screen, "Frame1")->y() - Widget(screen, "FrameRez(8)")->geometry().bottom();
    // A hundredth of panel 8's height lies between the panel and what follows it.
    EXPECT_NEAR(Widget(screen, "PanelGap")->height(), tallPanel / 100.0, 1.5);
    forms.Unload("frmConclusion3");

    screen = Open(1, 5);
    SaveShot(*screen, "frmConclusion3_1");
    const int shortPanel = Widget(screen, "FrameRez(1)")->height();
    EXPECT_LT(shortPanel, tallPanel);
    EXPECT_EQ(screen->height(), tallHeight - (tallPanel - shortPanel));
    EXPECT_EQ(Widget(screen, "Frame1")->y() - Widget(screen, "FrameRez(1)")->geometry().bottom(),
              tallGap);
    EXPECT_EQ(ShownBooks(screen), std::vector<int>{});
    EXPECT_TRUE(Text(screen, "Label10(1)")
                    .startsWith("Проведенное тестирование не выявило факторов риска"));
}

TEST_F(FrmConclusion3Test, TheChildIsNamedAndTheRatingWordCompletesTheLeadIn) {
    QWidget* screen = Open(5, 0);
    EXPECT_EQ(Text(screen, "lblName").toStdString(), "Катя Лебедева, 2017 года рождения");
    EXPECT_EQ(Text(screen, "lblDate").toStdString(), "08.12.2026");
    EXPECT_EQ(Text(screen, "lblRezValue").toStdString(), "Плохое");
    EXPECT_FALSE(sharedState.navForward);
    // The main text names the sources of risk; the further text asks for a yearly test.
    EXPECT_TRUE(Text(screen, "Label10(8)")
                    .startsWith("Проведенное тестирование показало, что в организме Вашего ребенка "
                                "таятся причины"));
    EXPECT_TRUE(Text(screen, "Label10(7)").contains("не реже одного раза в год"));
    forms.Unload("frmConclusion3");
    EXPECT_EQ(Text(Open(4, 3), "lblRezValue").toStdString(), "Удовлетворительное");
}

TEST_F(FrmConclusion3Test, WeightProblemsCloseTheRecommendationsButNotTheOtherButtons) {
    forms.Register("frmAbort", [](platform::AppContext&) { return new QDialog; });
    bool recommendationsOpened = false;
    forms.Register("frmRecom3", [&](platform::AppContext&) {
        recommendationsOpened = true;
        return new QWidget;
    });
    forms.Register("frmRezult3", [](platform::AppContext&) { return new QWidget; });
    forms.SetModalRunner([&](QDialog& dialog) {
        sharedState.dlgResult = 1;
        dialog.close();
    });
    for (int variant : {9, 10}) {
        SCOPED_TRACE(variant);
        QWidget* screen = Open(variant, 3);
        auto* next = Find<QPushButton>(screen, "cmdContinue");
        EXPECT_TRUE(next->isVisible());
        EXPECT_FALSE(next->isEnabled());
        next->click();
        ProcessEvents();
        EXPECT_FALSE(recommendationsOpened);
        EXPECT_TRUE(
            Text(screen, QString("Label10(%1)").arg(variant == 9 ? 16 : 17)).contains("педиатр"));
        SaveShot(*screen, QString("frmConclusion3_%1").arg(variant));

        Find<QPushButton>(screen, "cmdPrint")->click();
        EXPECT_EQ(printer.widgetsPrinted, variant == 9 ? 1 : 2);
        EXPECT_TRUE(Find<QPushButton>(screen, "cmdPrint")->isVisible());
        if (variant == 9) {
            Find<QPushButton>(screen, "cmdReturn")->click();
            ProcessEvents();
            EXPECT_TRUE(forms.IsLoaded("frmRezult3"));
        } else {
            Find<QPushButton>(screen, "cmdClose")->click();
            ProcessEvents();
        }
        EXPECT_FALSE(forms.IsLoaded("frmConclusion3"));
    }
    QWidget* screen = Open(2, 3);
    EXPECT_TRUE(Find<QPushButton>(screen, "cmdContinue")->isEnabled());
    Find<QPushButton>(screen, "cmdContinue")->click();
    ProcessEvents();
    EXPECT_TRUE(recommendationsOpened);
    EXPECT_TRUE(sharedState.navForward);
}

TEST_F(FrmConclusion3Test, DocumentButtonsOpenTheDocumentOfTheirKind) {
    dir.Write("Doc/DZZ-3-1-r.rtf",
              "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'e8\\'f2\\'e0\\'ed\\'e8\\'e5}");
    std::vector<std::string> shown;
    forms.SetModalRunner([&](QDialog& dialog) {
        if (auto* viewer = qobject_cast<docs::frmRTF*>(&dialog))
            shown.push_back(viewer->PlainText());
        dialog.close();
    });
    QWidget* screen = Open(5, 3);
    Find<QPushButton>(screen, "cmdBooks(52)")->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Питание");
    EXPECT_EQ(Find<QPushButton>(screen, "cmdBooks(52)")->text().toStdString(),
              "РАЦИОНАЛЬНОЕ (ФУНКЦИОНАЛЬНОЕ) ПИТАНИЕ - ЗАЩИТА ОТ БОЛЕЗНЕЙ");
    forms.Unload("frmConclusion3");

    screen = Open(6, 3);
    Find<QPushButton>(screen, "cmdBooks(63)")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Отсутствует файл " + (dir.path() / "Doc" / "DZZ-4-1-r.rtf").string());
    EXPECT_TRUE(forms.IsLoaded("frmConclusion3"));
}

}  // namespace
