// Program 3 taken to its end as a parent takes it: from the program menu through the
// registration of the child, the three questionnaires, the results, the conclusion and the
// recommendations with the documents they open, the child's prescription sheet and the farewell
// screen; then the child is tested again and the first run stands beside the second.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "docs/ui/frm_rtf.h"
#include "recommendations/program3.h"
#include "recommendations/ui/recept_sheet.h"
#include "shell/ui/frm_mdi.h"
#include "support/road_fixture.h"
#include "testing/ui/frm_anketa.h"
#include "users/ini_file.h"

namespace {

class Program3RoadTest : public testsupport::RoadFixture {
  protected:
    Program3RoadTest()
        : RoadFixture({"Смирнов", "Миша", 8, "Option1(0)", "1.28", "26", "bear5", true}) {}

    static std::string Word(int code) {
        return code == 0 ? "Плохо" : code == 3 ? "Удовлет." : code == 5 ? "Хорошо" : "?";
    }
};

TEST_F(Program3RoadTest, FromTheMenuToTheFarewellScreenAndASecondRunShowsTheFirst) {
    clock.now = {2026, 3, 2, 9, 0, 0};
    shell::frmMDI& window = OpenMainWindow();
    window.findChild<QAction*>("mProgram23")->trigger();
    ProcessEvents();
    EXPECT_EQ(TakeTheTests("frmRazd3", 1), 3);

    // The results: the words of the three tests, the body mass (26 kg at 1.28 m: 15.9, good for
    // a child of 8), the overall word; no earlier run yet.
    ASSERT_TRUE(forms.IsLoaded("frmRezult3"));
    EXPECT_EQ(Text("frmRezult3", "Label0"),
              "Оценка состояния здоровья Вашего ребенка \nМиша Смирнов,  2018 года рождения");
    EXPECT_EQ(Text("frmRezult3", "Label10(100)"), "02.03.2026");
    for (int t = 1; t <= 3; ++t) {
        EXPECT_EQ(Text("frmRezult3", QString("Label10(10%1)").arg(t)),
                  Word(sharedState.answers(3, t, 32)))
            << t;
    }
    EXPECT_EQ(Text("frmRezult3", "Label10(104)"), "Хорошо");
    const int rating = sharedState.answers(3, 15, 32);
    const int variant = sharedState.answers(3, 15, 33);
    EXPECT_EQ(Text("frmRezult3", "Label10(105)"), Word(rating));
    EXPECT_GE(variant, 1);
    EXPECT_LE(variant, 8);
    EXPECT_FALSE(Shown("frmRezult3", "Label10(200)"));
    const std::string file = sharedState.userFile;
    for (int key : {301, 302, 303}) {
        const int code = sharedState.answers(3, key - 300, 32);
        EXPECT_EQ(users::ReadIni(file, "Result1", "Test" + std::to_string(key), "?"),
                  std::to_string(code));
    }
    EXPECT_EQ(users::ReadIni(file, "Result1", "Test314", "?"), "6");
    EXPECT_EQ(users::ReadIni(file, "Result1", "Test315", "?"), std::to_string(rating));
    SaveShot(window, "frmRezult3");

    // Printed, the results are the grid without the buttons.
    QString printedName = "print_frmRezult3";
    printer.onPrintWidget = [&](QWidget& printed) {
        EXPECT_TRUE(printed.findChild<QPushButton*>("cmdPrint")->isHidden());
        SaveShot(printed, printedName);
    };
    Click("frmRezult3", "cmdPrint");
    EXPECT_EQ(printer.widgetsPrinted, 1);

    // The conclusion: the panel of the variant, the child named first name first.
    Click("frmRezult3", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmConclusion3"));
    EXPECT_EQ(Text("frmConclusion3", "lblName"), "Миша Смирнов, 2018 года рождения");
    for (int panel = 1; panel <= 10; ++panel)
        EXPECT_EQ(Shown("frmConclusion3", QString("FrameRez(%1)").arg(panel)), panel == variant);
    SaveShot(window, "frmConclusion3_road");

    // The recommendations: the list of the variant for a child of 6 to 11, in its own order.
    Click("frmConclusion3", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmRecom3"));
    EXPECT_FALSE(forms.IsLoaded("frmConclusion3"));
    const std::vector<int> codes =
        recommendations::program3::ListCodes(recommendations::program3::ChooseList(variant, 8));
    ASSERT_FALSE(codes.empty());
    for (size_t i = 0; i < codes.size(); ++i)
        EXPECT_TRUE(Shown("frmRecom3", QString("cmdPreparat(%1)").arg(i + 1))) << i;
    EXPECT_FALSE(Shown("frmRecom3", QString("cmdPreparat(%1)").arg(codes.size() + 1)));
    EXPECT_EQ(Text("frmRecom3", "lblDate"), "02.03.26");
    SaveShot(window, "frmRecom3");

    // The first preparation's description in the dose of a child of 6 to 11, not printable.
    Click("frmRecom3", "cmdPreparat(1)");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(LastShown().find("Тервил"), std::string::npos);
    EXPECT_FALSE(shown.back().printable);

    // The use table: the rows of the list, no marker left, printable.
    shotName = "DR-02-r_road";
    Click("frmRecom3", "cmdUse");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_NE(LastShown().find("Тервил"), std::string::npos);
    EXPECT_EQ(LastShown().find('^'), std::string::npos);
    EXPECT_TRUE(shown.back().printable);

    // The prescription sheet: the child's heading and one line per preparation.
    Click("frmRecom3", "cmdRecept");
    auto* sheet = qobject_cast<recommendations::ReceptSheet*>(Screen("frmRecept1"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_NE(sheet->Label1->text().toStdString().find("\n Миша Смирнов, 2018 года рождения"),
              std::string::npos);
    int lines = 0;
    for (QLabel* line : sheet->lblName) lines += line->isHidden() ? 0 : 1;
    EXPECT_EQ(lines, static_cast<int>(codes.size()));
    SaveShot(*sheet, "frmRecept1_road");
    printedName = "print_frmRecept1";
    Click("frmRecept1", "cmdPrint");
    EXPECT_EQ(printer.widgetsPrinted, 2);
    printer.onPrintWidget = nullptr;
    Click("frmRecept1", "cmdClose");

    // The end of the work: the parents' farewell, then the welcome screen.
    Click("frmRecom3", "cmdClose");
    ASSERT_TRUE(forms.IsLoaded("frmEnd"));
    EXPECT_EQ(sharedState.recomForm, "frmRecom3");
    EXPECT_TRUE(Shown("frmEnd", "FrameEnd(3)"));
    EXPECT_FALSE(Shown("frmEnd", "FrameEnd(0)"));
    SaveShot(window, "frmEnd_program3");
    Click("frmEnd", "cmdExit");
    ASSERT_TRUE(forms.IsLoaded("frmWelcome"));

    // Half a year later the child is tested again: the first run stands beside the second.
    clock.now = {2026, 9, 1, 17, 30, 0};
    returning = true;
    window.findChild<QAction*>("mProgram23")->trigger();
    ProcessEvents();
    EXPECT_EQ(sharedState.nextTestNum, 2);
    EXPECT_EQ(TakeTheTests("frmRazd3", 2), 3);
    ASSERT_TRUE(forms.IsLoaded("frmRezult3"));
    EXPECT_EQ(Text("frmRezult3", "Label10(100)"), "01.09.2026");
    EXPECT_TRUE(Shown("frmRezult3", "Label10(200)"));
    EXPECT_EQ(Text("frmRezult3", "Label10(200)"), "02.03.2026");
    EXPECT_EQ(Text("frmRezult3", "Label10(204)"), "Хорошо");
    EXPECT_EQ(Text("frmRezult3", "Label10(205)"), Word(rating));
    EXPECT_FALSE(Shown("frmRezult3", "Label10(300)"));
    SaveShot(window, "frmRezult3_second");
    EXPECT_EQ(users::ReadIni(file, "Settings", "DateNum", "?"), "2");
}

}  // namespace
