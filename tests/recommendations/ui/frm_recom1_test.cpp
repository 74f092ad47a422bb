#include "recommendations/ui/frm_recom1.h"

#include <QClipboard>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

#include "docs/ui/frm_rtf.h"
#include "platform/widgets/clickable_label.h"
#include "recommendations/news_page.h"
#include "recommendations/ui/recept_sheet.h"
#include "support/ui_fixture.h"

namespace {

using recommendations::frmRecom1;

class FrmRecom1Test : public testsupport::UiFixture {
  protected:
    FrmRecom1Test() {
        sharedState.userSex = "m";
        sharedState.userLastName = "Иванов";
        sharedState.userFirstName = "Иван";
        sharedState.curProgram = 1;
        // Screens of the road before and after this one, as plain stand-ins.
        for (const char* name : {"frmConclusion1", "frmEnd"}) {
            forms.Register(name, [](platform::AppContext&) { return new QWidget; });
        }
    }
    void Rate(float bodyMass, std::array<float, 4> scores) {
        sharedState.testRating(15) = bodyMass;
        for (int t = 0; t < 4; ++t) sharedState.testRating(11 + t) = scores[t];
    }
    frmRecom1* Open() {
        OpenMainWindow();
        auto* screen = qobject_cast<frmRecom1*>(forms.Show("frmRecom1"));
        ProcessEvents();
        return screen;
    }
    QPushButton* Button(QWidget* screen, int i) {
        return screen->findChild<QPushButton*>(QStringLiteral("cmdPreparat(%1)").arg(i));
    }
    QLabel* Heading(QWidget* screen, int k) {
        return screen->findChild<QLabel*>(QStringLiteral("lblRazdel(%1)").arg(k));
    }
    std::vector<std::string> VisibleButtons(QWidget* screen) {
        std::vector<std::string> captions;
        for (int i = 0; i <= 9; ++i) {
            if (!Button(screen, i)->isHidden())
                captions.push_back(Button(screen, i)->text().toStdString());
        }
        return captions;
    }
    // What the viewer showed, each time it was shown modally.
    struct Viewed {
        std::string plain;
        bool printable = false;
    };
    std::vector<Viewed> viewed;
    void WatchViewer() {
        forms.SetModalRunner([this](QDialog& dialog) {
            auto* viewer = qobject_cast<docs::frmRTF*>(&dialog);
            ASSERT_NE(viewer, nullptr);
            viewed.push_back({viewer->PlainText(), viewer->PrintButtonVisible()});
        });
    }
    // A small Windows-1251 RTF document below Doc/.
    void WriteDoc(const std::string& name, const std::string& body) {
        dir.Write("Doc/" + name, "{\\rtf1\\ansi\\ansicpg1251 " + body + "}");
    }
    std::string MissingMessage(const std::string& name) {
        return "Отсутствует файл " + (dir.path() / "Doc" / name).string();
    }
    std::vector<int> VisibleHeadings(QWidget* screen) {
        std::vector<int> headings;
        for (int k = 1; k <= 5; ++k) {
            if (!Heading(screen, k)->isHidden()) headings.push_back(k);
        }
        return headings;
    }
};

TEST_F(FrmRecom1Test, CourseOneListsFivePreparationsUnderThreeHeadingsAboveTheLowerBlock) {
    Rate(6, {80, 75, 71.5f, 90});
    frmRecom1* screen = Open();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->courseCode(), "1");
    EXPECT_EQ(screen->Label1->text().toStdString(),
              "Индивидуальные рекомендации для Вас, г-н Иванов Иван");
    EXPECT_EQ(screen->Label3->text().toStdString(),
              "Курс состоит  из набора обязательных и взаимодополняющих препаратов:");
    EXPECT_EQ(VisibleHeadings(screen), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(VisibleButtons(screen),
              (std::vector<std::string>{"Тервил", "Бенвил", "Велона", "Вистера",
                                        "Беланта \"Д-р Мирвела\""}));
    // Top to bottom: heading 1, its buttons, heading 2, ..., then the lower block.
    const std::vector<QWidget*> order = {Heading(screen, 1), Button(screen, 1), Button(screen, 2),
                                         Heading(screen, 2), Button(screen, 3), Button(screen, 4),
                                         Heading(screen, 3), Button(screen, 5), screen->Frame1};
    for (size_t i = 1; i < order.size(); ++i) {
        EXPECT_GT(order[i]->mapTo(screen, QPoint()).y(), order[i - 1]->mapTo(screen, QPoint()).y())
            << order[i]->objectName().toStdString();
    }
    // The lower block is not covered by the list and fits in the window.
    EXPECT_GE(screen->Frame1->y(), Button(screen, 5)->geometry().bottom());
    EXPECT_LE(screen->Frame1->geometry().bottom(), screen->height());
}

TEST_F(FrmRecom1Test, CourseSixFillsAllNineButtonsEndingWithTheSalts) {
    Rate(6, {90, 90, 90, 30});
    frmRecom1* screen = Open();
    EXPECT_EQ(screen->courseCode(), "6");
    const std::vector<std::string> captions = VisibleButtons(screen);
    ASSERT_EQ(captions.size(), 9u);
    EXPECT_EQ(captions[8], "Беланта \"Д-р Мирвела\"");
    EXPECT_TRUE(Button(screen, 0)->isHidden());
}

TEST_F(FrmRecom1Test, ExcessWeightAddsTheDietThatStaysOffThePrescriptionSheet) {
    sharedState.userSex = "f";
    sharedState.userLastName = "Петрова";
    sharedState.userFirstName = "Анна";
    Rate(3, {90, 90, 90, 90});
    frmRecom1* screen = Open();
    EXPECT_EQ(screen->Label1->text().toStdString(),
              "Индивидуальные рекомендации для Вас, г-жа Петрова Анна");
    EXPECT_EQ(VisibleHeadings(screen), (std::vector<int>{1, 2, 3, 5}));
    EXPECT_EQ(Heading(screen, 5)->text().toStdString(), "Диета");
    EXPECT_EQ(VisibleButtons(screen).back(), "Диета");

    screen->cmdRecept->click();
    auto* sheet = qobject_cast<recommendations::ReceptSheet*>(forms.Find("frmRecept1"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    std::vector<std::string> lines;
    for (QLabel* line : sheet->lblName) {
        if (!line->isHidden()) lines.push_back(line->text().toStdString());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{" Тервил", " Бенвил", " Дорвил", " Алвил", " Велона",
                                               " Вистера", " Беланта \"Д-р Мирвела\""}));
    EXPECT_EQ(sheet->Label1->text().toStdString(),
              "Препараты фирмы «Доктор Мирвела», рекомендуемые Вам,  Г-жа Петрова Анна");
}

TEST_F(FrmRecom1Test, ABodyMassClassOutsideOneToSixListsNothingAndTheSheetHasNoLine) {
    Rate(0, {90, 90, 90, 90});
    frmRecom1* screen = Open();
    EXPECT_EQ(screen->courseCode(), "");
    EXPECT_TRUE(VisibleHeadings(screen).empty());
    EXPECT_TRUE(VisibleButtons(screen).empty());
    EXPECT_TRUE(screen->Frame1->isVisible());
    screen->cmdRecept->click();
    auto* sheet = qobject_cast<recommendations::ReceptSheet*>(forms.Find("frmRecept1"));
    ASSERT_NE(sheet, nullptr);
    for (QLabel* line : sheet->lblName) EXPECT_TRUE(line->isHidden());
}

TEST_F(FrmRecom1Test, CloseStoresItsNameAndOpensTheFarewellScreen) {
    Rate(4, {50, 50, 50, 50});
    frmRecom1* screen = Open();
    screen->cmdClose->click();
    ProcessEvents();
    EXPECT_EQ(sharedState.recomForm, "frmRecom1");
    EXPECT_TRUE(forms.IsLoaded("frmEnd"));
    EXPECT_FALSE(forms.IsLoaded("frmRecom1"));
}

TEST_F(FrmRecom1Test, TheWindowsCloseBoxAlsoLeadsToTheFarewellScreen) {
    Rate(4, {50, 50, 50, 50});
    frmRecom1* screen = Open();
    screen->parentWidget()->close();  // the sub-window's close box
    ProcessEvents();
    EXPECT_EQ(sharedState.recomForm, "frmRecom1");
    EXPECT_TRUE(forms.IsLoaded("frmEnd"));
    EXPECT_FALSE(forms.IsLoaded("frmRecom1"));
}

TEST_F(FrmRecom1Test, ReturnGoesBackToTheConclusion) {
    Rate(4, {50, 50, 50, 50});
    frmRecom1* screen = Open();
    screen->cmdReturn->click();
    ProcessEvents();
    EXPECT_TRUE(forms.IsLoaded("frmConclusion1"));
    EXPECT_FALSE(forms.IsLoaded("frmRecom1"));
    EXPECT_TRUE(sharedState.recomForm.empty());
}

TEST_F(FrmRecom1Test, TheNewsLinkOpensTheBrowserOrGivesTheAddressToOpenByHand) {
    Rate(5, {50, 50, 50, 50});
    frmRecom1* screen = Open();
    const std::string url(recommendations::kNewsPageUrl);
    EXPECT_EQ(screen->lblURL->text().toStdString(), url);
    EXPECT_TRUE(url.ends_with("/Russian/news/newzorvek.html"));
    QTest::mouseClick(screen->lblURL, Qt::LeftButton);
    EXPECT_TRUE(messages.shown.empty());
    browser.fail = true;
    QTest::mouseClick(screen->lblURL, Qt::LeftButton);
    EXPECT_EQ(browser.opened, (std::vector<std::string>{url, url}));
    // No browser: the user is told so, with the address, which is also on the clipboard.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find(url), std::string::npos);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), url);
    EXPECT_TRUE(forms.IsLoaded("frmRecom1"));
}

TEST_F(FrmRecom1Test, APreparationButtonOpensItsDescriptionAndOnlyTheDietCanBePrinted) {
    Rate(2, {50, 50, 50, 50});
    WriteDoc("ZRV-r-12-1-1.rtf", "\\'d2\\'e5\\'f0\\'e2\\'e8\\'eb");  // "Тервил"
    WriteDoc("ZRV-r-12-1-0.rtf", "\\'c4\\'e8\\'e5\\'f2\\'e0");       // "Диета"
    WatchViewer();
    frmRecom1* screen = Open();
    Button(screen, 1)->click();
    Button(screen, 8)->click();  // the diet, last of course "7A"
    ASSERT_EQ(viewed.size(), 2u);
    EXPECT_EQ(viewed[0].plain, "Тервил");
    EXPECT_FALSE(viewed[0].printable);
    EXPECT_EQ(viewed[1].plain, "Диета");
    EXPECT_TRUE(viewed[1].printable);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(forms.IsLoaded("frmRTF"));
}

TEST_F(FrmRecom1Test, AMissingDescriptionIsReportedWithItsPath) {
    Rate(6, {90, 90, 90, 30});
    WatchViewer();
    frmRecom1* screen = Open();
    Button(screen, 9)->click();  // the salts as item 16
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, MissingMessage("ZRV-r-12-1-16.rtf"));
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::Warning);
    EXPECT_TRUE(viewed.empty());
    EXPECT_FALSE(forms.IsLoaded("frmRTF"));
}

TEST_F(FrmRecom1Test, UseInstructionsOfTheCourseArePrintable) {
    Rate(3, {50, 50, 50, 50});  // course "7A" shares the instructions of course "7"
    WriteDoc("ZRV-Rec-7.rtf",
             "\\'cf\\'f0\\'e8\\'ec\\'e5\\'ed\\'e5\\'ed\\'e8\\'e5");  // "Применение"
    WatchViewer();
    frmRecom1* screen = Open();
    screen->cmdPrint->click();
    ASSERT_EQ(viewed.size(), 1u);
    EXPECT_EQ(viewed[0].plain, "Применение");
    EXPECT_TRUE(viewed[0].printable);
}

TEST_F(FrmRecom1Test, CalendarPlanCarriesTheSalutationInBothPlaces) {
    Rate(6, {71, 80, 90, 100});
    sharedState.userSex = "f";
    sharedState.userLastName = "Ёлкина{\\}";
    sharedState.userFirstName = "Анна";
    // "План: яяяяяя" (six escaped bytes 255), a paragraph, "Для: ^^^^, ^^^^".
    WriteDoc(
        "KALEND11.rtf",
        "\\'cf\\'eb\\'e0\\'ed: \\'ff\\'ff\\'ff\\'ff\\'ff\\'ff\\par \\'c4\\'eb\\'ff: ^^^^, ^^^^");
    WatchViewer();
    frmRecom1* screen = Open();
    screen->cmdPlan->click();
    ASSERT_EQ(viewed.size(), 1u);
    EXPECT_EQ(viewed[0].plain, "План: Г-жа Ёлкина{\\} Анна\nДля: Г-жа Ёлкина{\\} Анна, ^^^^");
    EXPECT_TRUE(viewed[0].printable);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FrmRecom1Test, WithoutACourseTheUseAndPlanDocumentsAreReportedMissing) {
    Rate(7, {90, 90, 90, 90});
    WatchViewer();
    frmRecom1* screen = Open();
    screen->cmdPrint->click();
    EXPECT_FALSE(
        forms.IsLoaded("frmRTF"));  // no viewer with a print button is left for the next document
    screen->cmdPlan->click();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, MissingMessage("ZRV-Rec-.rtf"));
    EXPECT_EQ(messages.shown[1].text, MissingMessage("KALEND1.rtf"));
    EXPECT_EQ(messages.shown[1].icon, platform::MessageBox::Icon::None);
    EXPECT_TRUE(viewed.empty());
    EXPECT_FALSE(forms.IsLoaded("frmRTF"));
}

}  // namespace

namespace {

TEST_F(FrmRecom1Test, TheSheetStaysAboveItsScreenAndGoesWithIt) {
    Rate(5, {50, 50, 50, 50});
    for (const char* way : {"cmdClose", "cmdReturn"}) {
        frmRecom1* screen = Open();
        screen->cmdRecept->click();
        QWidget* sheet = forms.Find("frmRecept1");
        ASSERT_NE(sheet, nullptr);
        auto* window = qobject_cast<QMdiSubWindow*>(sheet->parentWidget());
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(window->isVisible());
        // Leaving the recommendations, either way, takes the sheet with its user's name along.
        Find<QPushButton>(screen, way)->click();
        ProcessEvents();
        EXPECT_FALSE(forms.IsLoaded("frmRecept1")) << way;
        forms.Unload("frmEnd");
        forms.Unload("frmConclusion1");
    }
}

}  // namespace
