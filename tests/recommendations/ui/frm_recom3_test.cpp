#include "recommendations/ui/frm_recom3.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "docs/ui/frm_rtf.h"
#include "recommendations/ui/recept_sheet.h"
#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"
#include "text/catalogue.h"

namespace {

class FrmRecom3Test : public testsupport::UiFixture {
  protected:
    FrmRecom3Test() {
        clock.now = {2026, 12, 8, 10, 30, 0};
        sharedState.ResetAnswers();
        sharedState.curProgram = 3;
        forms.SetModalRunner([this](QDialog& dialog) {
            auto* viewer = qobject_cast<docs::frmRTF*>(&dialog);
            ASSERT_NE(viewer, nullptr);
            viewed.push_back({viewer->PlainText(), viewer->PrintButtonVisible()});
        });
    }
    recommendations::frmRecom3* Open(int age, int variant) {
        LogIn({"Иванова", "Маша", "f", clock.now.year - age, 1.10f, 18});
        sharedState.answers(3, 15, 33) = static_cast<int16_t>(variant);
        OpenMainWindow();
        auto* screen = qobject_cast<recommendations::frmRecom3*>(forms.Show("frmRecom3"));
        ProcessEvents();
        return screen;
    }
    static std::vector<std::string> Captions(QWidget* screen) {
        std::vector<std::string> captions;
        for (int i = 1; i <= 14; ++i) {
            auto* button = screen->findChild<QPushButton*>(QString("cmdPreparat(%1)").arg(i));
            if (button && !button->isHidden()) captions.push_back(button->text().toStdString());
        }
        return captions;
    }
    static QPushButton* Button(QWidget* screen, int i) {
        return screen->findChild<QPushButton*>(QString("cmdPreparat(%1)").arg(i));
    }
    void WriteDoc(const std::string& name, const std::string& body) {
        dir.Write("Doc/" + name, "{\\rtf1\\ansi\\ansicpg1251 " + body + "}");
    }
    struct Viewed {
        std::string plain;
        bool printable = false;
    };
    std::vector<Viewed> viewed;
};

TEST_F(FrmRecom3Test, AFiveYearOldWithNothingFoundGetsTheYoungestBaseList) {
    recommendations::frmRecom3* screen = Open(5, 1);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->Label1->text().toStdString(),
              "Программа «Укрепление и восстановление здоровья Вашего ребенка»\n"
              "Индивидуальные рекомендации: Маша Иванова, 2021 года рождения");
    EXPECT_EQ(screen->lblDate->text().toStdString(), "08.12.26");
    // List 387: Тервил and Бенвил in the youngest dose, then Велона and Вистера.
    EXPECT_EQ(Captions(screen),
              (std::vector<std::string>{"ТЕРВИЛ", "БЕНВИЛ", "ВЕЛОНА", "ВИСТЕРА"}));
    EXPECT_FALSE(screen->lblRazdel(1)->isHidden());
    EXPECT_FALSE(screen->lblRazdel(2)->isHidden());
    EXPECT_TRUE(screen->lblRazdel(3)->isHidden());
    // Nothing was found: no call to act on a risk.
    EXPECT_TRUE(screen->Label10->isHidden());
    SaveShot(*screen, "frmRecom3_5_1");
}

TEST_F(FrmRecom3Test, EachPreparationOpensItsDescriptionInTheChildsDose) {
    WriteDoc("DP-1-3-r.rtf", "\\'d2\\'e5\\'f0\\'e2\\'e8\\'eb 3");  // "Тервил 3"
    WriteDoc("DP-4-r.rtf", "\\'c2\\'e5\\'eb\\'ee\\'ed\\'e0");      // "Велона"
    recommendations::frmRecom3* screen = Open(5, 1);
    Button(screen, 1)->click();
    Button(screen, 3)->click();
    ASSERT_EQ(viewed.size(), 2u);
    EXPECT_EQ(viewed[0].plain, "Тервил 3");
    EXPECT_EQ(viewed[1].plain, "Велона");
    EXPECT_FALSE(viewed[0].printable);
    Button(screen, 2)->click();  // Бенвил: DP-3-3-r is not there
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Отсутствует файл " + (dir.path() / "Doc" / "DP-3-3-r.rtf").string());
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::Warning);
}

TEST_F(FrmRecom3Test, TheUseTableKeepsTheRowsOfTheListsCodesOnly) {
    // Rows of the three doses of Тервил, of Велона, of Дорвил and the closing marker; tags are
    // eight characters from the first caret.
    WriteDoc("DR-02-r.rtf",
             "\\'d2\\'e0\\'e1\\'eb\\'e8\\'f6\\'e0\\par ^^101  ^ one\\par ^^102  ^ two\\par "
             "^^103  ^ three\\par ^^400  ^ four\\par ^^1000 ^ ten\\par ^^     ^");
    recommendations::frmRecom3* screen = Open(5, 1);
    screen->cmdUse->click();
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(viewed.size(), 1u);
    EXPECT_TRUE(viewed[0].printable);
    // The closing marker leaves only its blanks.
    EXPECT_EQ(viewed[0].plain, "Таблица\n three\n four\n     ");
}

TEST_F(FrmRecom3Test, AMissingUseTableIsReportedWithoutAnIcon) {
    Open(12, 3)->cmdUse->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Отсутствует файл " + (dir.path() / "Doc" / "DR-02-r.rtf").string());
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::None);
    EXPECT_TRUE(viewed.empty());
}

TEST_F(FrmRecom3Test, TheSheetNamesTheChildAndListsThePreparations) {
    recommendations::frmRecom3* screen = Open(12, 8);
    // A risk was found: the call to act on it stands above the documents.
    EXPECT_FALSE(screen->Label10->isHidden());
    EXPECT_EQ(screen->Label10->text().toStdString(),
              "Есть риск, принимайте меры для его снижения ");
    const std::vector<std::string> captions = Captions(screen);
    ASSERT_FALSE(captions.empty());
    SaveShot(*screen, "frmRecom3_12_8");

    screen->cmdRecept->click();
    auto* sheet = qobject_cast<recommendations::ReceptSheet*>(Screen("frmRecept1"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->Label1->text().toStdString(),
              text::GetCatalogText(26) + "\n Маша Иванова, 2014 года рождения");
    std::vector<std::string> lines;
    for (QLabel* line : sheet->lblName) {
        if (!line->isHidden()) lines.push_back(line->text().toStdString());
    }
    ASSERT_EQ(lines.size(), captions.size());
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], " " + captions[i]);
    EXPECT_EQ(sheet->lblDate->text().toStdString(), "08.12.26");
    SaveShot(*sheet, "frmRecept1_program3");
}

}  // namespace
