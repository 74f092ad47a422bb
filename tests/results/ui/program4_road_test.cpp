// Program 4 taken to its end as a person takes it: from the program menu through registration,
// the seven questionnaires, the results, the conclusion with an article, the recommendations with
// every kind of document they open, the prescription sheet and the farewell screen; then the same
// person comes back and sees his first run beside the second.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "docs/ui/frm_rtf.h"
#include "recommendations/program4.h"
#include "recommendations/ui/recept_sheet.h"
#include "shell/ui/frm_mdi.h"
#include "support/road_fixture.h"
#include "testing/ui/frm_anketa.h"
#include "text/catalogue.h"
#include "users/ini_file.h"

namespace {

class Program4RoadTest : public testsupport::RoadFixture {
  protected:
    Program4RoadTest()
        : RoadFixture({"Морозов", "Виктор", 66, "Option1(0)", "1.78", "80", "oak42"}) {}

    static std::string Mark(int code) {
        return code == 0 ? "B" : code == 3 ? "C" : code == 5 ? "H" : "";
    }
};

TEST_F(Program4RoadTest, FromTheMenuToTheFarewellScreenAndASecondRunShowsTheFirst) {
    clock.now = {2026, 4, 6, 10, 0, 0};
    shell::frmMDI& window = OpenMainWindow();
    window.findChild<QAction*>("mProgram24")->trigger();
    ProcessEvents();
    EXPECT_EQ(TakeTheTests("frmRazd4", 1), 7);

    // The results: the marks of the seven sources, the age (66: high), the body mass (80 kg at
    // 1.78 m: 25.2, normal for a man of 66) and the degree of risk; no earlier run yet.
    ASSERT_TRUE(forms.IsLoaded("frmRezult4"));
    EXPECT_EQ(Text("frmRezult4", "Label0"),
              "Оценка степени канцерогенного риска для Вас, г-н Морозов Виктор");
    EXPECT_EQ(Text("frmRezult4", "Label10(100)"), "06.04.2026");
    for (int t = 1; t <= 7; ++t) {
        EXPECT_EQ(Text("frmRezult4", QString("Label10(%1)").arg(100 + t)),
                  Mark(sharedState.answers(4, t, 32)))
            << t;
    }
    EXPECT_EQ(Text("frmRezult4", "Label10(108)"), "B");
    EXPECT_EQ(Text("frmRezult4", "Label10(109)"), "У");
    const int rating = sharedState.answers(4, 15, 32);
    const int points = sharedState.answers(4, 15, 31);
    EXPECT_EQ(Text("frmRezult4", "Label10(110)"), Mark(rating));
    EXPECT_GE(points, 3);
    EXPECT_FALSE(Shown("frmRezult4", "Label10(200)"));
    EXPECT_TRUE(Shown("frmRezult4", "Label13"));
    EXPECT_TRUE(Shown("frmRezult4", "Label15(5)"));
    const std::string file = sharedState.userFile;
    EXPECT_EQ(users::ReadIni(file, "Result1", "Test413", "?"), "0");
    EXPECT_EQ(users::ReadIni(file, "Result1", "Test414", "?"), "6");
    EXPECT_EQ(users::ReadIni(file, "Result1", "Test415", "?"), std::to_string(rating));
    SaveShot(window, "frmRezult4");
    // Printed without its buttons, which come back.
    bool buttonsOnPage = true;
    printer.onPrintWidget = [&](QWidget& page) {
        buttonsOnPage = Shown("frmRezult4", "cmdPrint") || Shown("frmRezult4", "cmdContinue");
        SaveShot(page, "frmRezult4_printed");
    };
    Click("frmRezult4", "cmdPrint");
    printer.onPrintWidget = nullptr;
    EXPECT_FALSE(buttonsOnPage);
    EXPECT_TRUE(Shown("frmRezult4", "cmdContinue"));

    // The conclusion: the verdict of his points, the age among the sources, its article.
    Click("frmRezult4", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmConclusion4"));
    EXPECT_EQ(Text("frmConclusion4", "lblName"), "Уважаемый господин\nМорозов Виктор");
    EXPECT_EQ(Text("frmConclusion4", "lblDate"), "06.04.2026");
    const long verdict = points > 5 ? 422 : points >= 2 ? 423 : 424;
    EXPECT_EQ(Text("frmConclusion4", "lblRez"), text::GetCatalogText(verdict));
    EXPECT_TRUE(Shown("frmConclusion4", "lblRez1(8)"));
    EXPECT_EQ(Text("frmConclusion4", "lblRez1(8)"), "Возраст");
    EXPECT_TRUE(Shown("frmConclusion4", "cmdBooks(8)"));
    EXPECT_FALSE(Shown("frmConclusion4", "cmdBooks(7)"));
    SaveShot(window, "frmConclusion4_road");
    Click("frmConclusion4", "cmdBooks(8)");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(LastShown().find("возраст"), std::string::npos);

    // The recommendations: his lists in category order.
    Click("frmConclusion4", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmRecom4"));
    EXPECT_FALSE(forms.IsLoaded("frmConclusion4"));
    const recommendations::Selection list = recommendations::program4::Choose(sharedState);
    const std::vector<recommendations::SelectionRecord> listed = list.Listed();
    ASSERT_FALSE(listed.empty());
    for (size_t i = 0; i < listed.size(); ++i) {
        const QString button = QString("cmdPreparat(%1)").arg(i + 1);
        EXPECT_TRUE(Shown("frmRecom4", button)) << i;
    }
    EXPECT_FALSE(Shown("frmRecom4", QString("cmdPreparat(%1)").arg(listed.size() + 1)));
    EXPECT_EQ(Text("frmRecom4", "lblDate"), "06.04.26");
    EXPECT_NE(Text("frmRecom4", "Label1").find("для Вас, г-н Морозов Виктор"), std::string::npos);
    SaveShot(window, "frmRecom4");

    // A description, not printable.
    Click("frmRecom4", "cmdPreparat(1)");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_NE(LastShown().find("Тервил"), std::string::npos);
    EXPECT_FALSE(shown.back().printable);

    // The use table: a row for each of his preparations, no marker left, printable.
    shotName = "OZ-12-1-TABL-1-r_road";
    Click("frmRecom4", "cmdUse");
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_NE(LastShown().find("Тервил"), std::string::npos);
    EXPECT_EQ(LastShown().find('^'), std::string::npos);
    EXPECT_TRUE(shown.back().printable);

    // The prescription sheet: one line per preparation.
    Click("frmRecom4", "cmdRecept");
    auto* sheet = qobject_cast<recommendations::ReceptSheet*>(Screen("frmRecept1"));
    ASSERT_NE(sheet, nullptr);
    int lines = 0;
    for (QLabel* line : sheet->lblName) lines += line->isHidden() ? 0 : 1;
    EXPECT_EQ(lines, static_cast<int>(listed.size()));
    SaveShot(*sheet, "frmRecept1_program4");
    Click("frmRecept1", "cmdClose");

    // The report of the run: the grid with its heading over the environment rows and his marks,
    // the verdict, his preparations and their use table as the screen shows it.
    const std::string report = SaveReport("frmRecom4", dir.path() / "report.pdf");
    for (const std::string& part :
         {std::string("Программа «Профилактика онкологических заболеваний»"),
          std::string("ОКРУЖАЮЩАЯ СРЕДА"), std::string("ПРЕДРАКОВАЯ"),
          std::string("Источниками риска являются: • Курение"), std::string("• Возраст"),
          std::string("06.04.2026"), text::GetCatalogText(verdict),
          std::string("Рекомендованные препараты"), std::string("Как принимать препараты"),
          std::string("Тервил"), std::string("Программа не ставит диагноз")}) {
        EXPECT_NE(report.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(report.find('^'), std::string::npos);

    // The end of the work: the farewell greeting, then the welcome screen.
    Click("frmRecom4", "cmdClose");
    ASSERT_TRUE(forms.IsLoaded("frmEnd"));
    EXPECT_EQ(sharedState.recomForm, "frmRecom4");
    EXPECT_NE(Text("frmEnd", "lblName(0)").find("Морозов"), std::string::npos);
    SaveShot(window, "frmEnd_program4");
    Click("frmEnd", "cmdExit");
    ASSERT_TRUE(forms.IsLoaded("frmWelcome"));

    // Half a year later he takes the program again: the first run stands beside the second.
    clock.now = {2026, 10, 12, 16, 0, 0};
    returning = true;
    window.findChild<QAction*>("mProgram24")->trigger();
    ProcessEvents();
    EXPECT_EQ(sharedState.nextTestNum, 2);
    EXPECT_EQ(TakeTheTests("frmRazd4", 2), 7);
    ASSERT_TRUE(forms.IsLoaded("frmRezult4"));
    EXPECT_EQ(Text("frmRezult4", "Label10(100)"), "12.10.2026");
    EXPECT_TRUE(Shown("frmRezult4", "Label10(200)"));
    EXPECT_EQ(Text("frmRezult4", "Label10(200)"), "06.04.2026");
    EXPECT_EQ(Text("frmRezult4", "Label10(208)"), "B");
    EXPECT_EQ(Text("frmRezult4", "Label10(209)"), "У");
    EXPECT_EQ(Text("frmRezult4", "Label10(210)"), Mark(rating));
    EXPECT_FALSE(Shown("frmRezult4", "Label10(300)"));
    SaveShot(window, "frmRezult4_second");
    EXPECT_EQ(users::ReadIni(file, "Settings", "DateNum", "?"), "2");
}

}  // namespace
