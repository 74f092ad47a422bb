// Program 5 taken to its end as a person takes it: from the program menu through registration,
// the two questionnaires, the results, the conclusion and the recommendations with every document
// they open, the prescription sheet and the farewell screen; then the same person comes back and
// sees her first run beside the second.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "docs/ui/frm_rtf.h"
#include "recommendations/program5.h"
#include "recommendations/ui/recept_sheet.h"
#include "shell/ui/frm_mdi.h"
#include "support/road_fixture.h"
#include "testing/ui/frm_anketa.h"
#include "users/ini_file.h"

namespace {

class Program5RoadTest : public testsupport::RoadFixture {
  protected:
    Program5RoadTest()
        : RoadFixture({"Соколова", "Анна", 34, "Option1(1)", "1.66", "61", "rose7"}) {}

    static std::string Mark(int code) { return code == 0 ? "B" : code == 3 ? "C" : "H"; }
};

TEST_F(Program5RoadTest, FromTheMenuToTheFarewellScreenAndASecondRunShowsTheFirst) {
    clock.now = {2026, 3, 2, 9, 0, 0};
    shell::frmMDI& window = OpenMainWindow();
    window.findChild<QAction*>("mProgram25")->trigger();
    ProcessEvents();
    EXPECT_EQ(TakeTheTests("frmRazd5", 1), 2);

    // The results: the marks of both tests, the body mass (61 kg at 1.66 m: 22.1, normal for a
    // woman of 34), the degree of risk; no earlier run yet.
    ASSERT_TRUE(forms.IsLoaded("frmRezult5"));
    EXPECT_EQ(Text("frmRezult5", "Label0"),
              "Оценка степени риска развития депрессии у Вас, \nг-жа Соколова Анна");
    EXPECT_EQ(Text("frmRezult5", "Label10(100)"), "02.03.2026");
    EXPECT_EQ(Text("frmRezult5", "Label10(101)"), Mark(sharedState.answers(5, 1, 32)));
    EXPECT_EQ(Text("frmRezult5", "Label10(102)"), Mark(sharedState.answers(5, 2, 32)));
    EXPECT_EQ(Text("frmRezult5", "Label10(109)"), "Хорошо");
    const int rating = sharedState.answers(5, 15, 32);
    EXPECT_EQ(Text("frmRezult5", "Label10(110)"), Mark(rating));
    EXPECT_FALSE(Shown("frmRezult5", "Label10(200)"));
    EXPECT_TRUE(Shown("frmRezult5", "Label7(0)"));
    const std::string file = sharedState.userFile;
    EXPECT_EQ(users::ReadIni(file, "Result1", "Test515", "?"), std::to_string(rating));
    EXPECT_EQ(users::ReadIni(file, "Result1", "Test514", "?"), "5");
    SaveShot(window, "frmRezult5");

    // The conclusion: the panel of her rating, addressed by first name, then last name.
    Click("frmRezult5", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmConclusion5"));
    EXPECT_EQ(Text("frmConclusion5", "lblName"), "Г-жа Анна Соколова");
    for (int panel : {0, 3, 5})
        EXPECT_EQ(Shown("frmConclusion5", QString("FrameRez(%1)").arg(panel)), panel == rating);
    SaveShot(window, "frmConclusion5_road");

    // The recommendations: her list in category order.
    Click("frmConclusion5", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmRecom5"));
    EXPECT_FALSE(forms.IsLoaded("frmConclusion5"));
    const recommendations::Selection list =
        recommendations::program5::ChooseList(state::Sex::Woman, rating);
    const std::vector<recommendations::SelectionRecord> listed = list.Listed();
    for (size_t i = 0; i < listed.size(); ++i) {
        const QString button = QString("cmdPreparat(%1)").arg(i + 1);
        EXPECT_TRUE(Shown("frmRecom5", button)) << i;
    }
    EXPECT_FALSE(Shown("frmRecom5", QString("cmdPreparat(%1)").arg(listed.size() + 1)));
    EXPECT_EQ(Text("frmRecom5", "lblDate"), "02.03.26");
    SaveShot(window, "frmRecom5");

    // A description, not printable.
    Click("frmRecom5", "cmdPreparat(1)");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(LastShown().find("Тервил"), std::string::npos);
    EXPECT_FALSE(shown.back().printable);

    // The calendar plan: dated and addressed to her, printable.
    Click("frmRecom5", "cmdPlan");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_NE(LastShown().find("Г-жа Соколова Анна"), std::string::npos);
    EXPECT_NE(LastShown().find("02.03.26"), std::string::npos);
    EXPECT_EQ(LastShown().find("dd.mm.yy"), std::string::npos);
    EXPECT_TRUE(shown.back().printable);

    // The self-help text of her age group only.
    shotName = "dpr-nenon_34";
    Click("frmRecom5", "cmdRecom");
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_NE(LastShown().find("Если Вам от 30 до 49 лет"), std::string::npos);
    EXPECT_EQ(LastShown().find("Если Вам меньше 30 лет"), std::string::npos);
    EXPECT_EQ(LastShown().find("Если Вам 50 лет и больше"), std::string::npos);
    EXPECT_EQ(LastShown().find('^'), std::string::npos);
    EXPECT_NE(LastShown().find("112"), std::string::npos);

    // The use table: the rows of her preparations, none of the men's cream, no marker left.
    Click("frmRecom5", "cmdUse");
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_NE(LastShown().find("Тервил"), std::string::npos);
    EXPECT_NE(LastShown().find("Обрель"), std::string::npos);
    EXPECT_EQ(LastShown().find("Норетта"), std::string::npos);
    EXPECT_EQ(LastShown().find('^'), std::string::npos);
    EXPECT_TRUE(shown.back().printable);

    // The prescription sheet: one line per preparation.
    Click("frmRecom5", "cmdRecept");
    auto* sheet = qobject_cast<recommendations::ReceptSheet*>(Screen("frmRecept1"));
    ASSERT_NE(sheet, nullptr);
    int lines = 0;
    for (QLabel* line : sheet->lblName) lines += line->isHidden() ? 0 : 1;
    EXPECT_EQ(lines, static_cast<int>(listed.size()));
    SaveShot(*sheet, "frmRecept1_program5");
    Click("frmRecept1", "cmdClose");

    // The end of the work: the farewell of the program, then the welcome screen.
    Click("frmRecom5", "cmdClose");
    ASSERT_TRUE(forms.IsLoaded("frmEnd"));
    EXPECT_EQ(sharedState.recomForm, "frmRecom5");
    EXPECT_NE(Text("frmEnd", "LabelT(0)").find("Предупреждение депрессии"), std::string::npos);
    SaveShot(window, "frmEnd_program5");
    Click("frmEnd", "cmdExit");
    ASSERT_TRUE(forms.IsLoaded("frmWelcome"));

    // A week later she takes the program again: the first run stands beside the second.
    clock.now = {2026, 3, 9, 17, 30, 0};
    returning = true;
    window.findChild<QAction*>("mProgram25")->trigger();
    ProcessEvents();
    EXPECT_EQ(sharedState.nextTestNum, 2);
    EXPECT_EQ(TakeTheTests("frmRazd5", 2), 2);
    ASSERT_TRUE(forms.IsLoaded("frmRezult5"));
    EXPECT_EQ(Text("frmRezult5", "Label10(100)"), "09.03.2026");
    EXPECT_TRUE(Shown("frmRezult5", "Label10(200)"));
    EXPECT_EQ(Text("frmRezult5", "Label10(200)"), "02.03.2026");
    EXPECT_EQ(Text("frmRezult5", "Label10(209)"), "Хорошо");
    EXPECT_EQ(Text("frmRezult5", "Label10(210)"), Mark(rating));
    EXPECT_FALSE(Shown("frmRezult5", "Label10(300)"));
    SaveShot(window, "frmRezult5_second");
    EXPECT_EQ(users::ReadIni(file, "Settings", "DateNum", "?"), "2");
}

}  // namespace
