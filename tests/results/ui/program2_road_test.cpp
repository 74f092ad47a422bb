// Program 2 taken to its end as a person takes it: from the program menu through registration,
// the questionnaires (with the squat test when it is given), the results, the conclusion with a
// marked factor, the recommendations with the documents they open, the prescription sheet and the
// farewell screen, back to the same recommendations and out; then the same person comes back and
// sees her first run beside the second.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>
#include <filesystem>

#include "docs/ui/frm_rtf.h"
#include "platform/qt_services.h"
#include "recommendations/program2.h"
#include "recommendations/ui/recept_sheet.h"
#include "shell/ui/frm_mdi.h"
#include "support/road_fixture.h"
#include "testing/ui/frm_anketa.h"
#include "users/ini_file.h"

namespace {

class Program2RoadTest : public testsupport::RoadFixture {
  protected:
    Program2RoadTest()
        : RoadFixture({"Белова", "Нина", 72, "Option1(1)", "1.60", "66", "lipa61"}) {}

    std::vector<std::string> Buttons(const char* screen, const char* array) {
        std::vector<std::string> captions;
        for (int i = 1; i <= 40; ++i) {
            if (Shown(screen, QString("%1(%2)").arg(array).arg(i)))
                captions.push_back(
                    Screen(screen)
                        ->findChild<QPushButton*>(QString("%1(%2)").arg(array).arg(i))
                        ->text()
                        .toStdString());
        }
        return captions;
    }
    static std::string Mark(int code) {
        return code == 0 ? "\u041F" : code == 3 ? "\u0423" : code == 5 ? "X" : "";
    }
    // Prints a screen with its own print button; with ZORVEK_SHOTS naming a folder the page also
    // goes to <name>.pdf there, so that a person can look at what the printer gets. The buttons
    // are not on the page.
    void Print(const char* screen, const char* name) {
        const char* folder = std::getenv("ZORVEK_SHOTS");
        bool buttonsHidden = false;
        printer.onPrintWidget = [&](QWidget& widget) {
            buttonsHidden = widget.findChild<QWidget*>("cmdPrint")->isHidden();
            if (!folder) return;
            const QString file = QString::fromLocal8Bit(folder) + "/" + name + ".pdf";
            platform::QtPrinter pdf([&](QPrinter& chosen) {
                chosen.setOutputFormat(QPrinter::PdfFormat);
                chosen.setOutputFileName(file);
                return true;
            });
            EXPECT_TRUE(pdf.PrintWidget(widget).ok) << name;
        };
        const int before = printer.widgetsPrinted;
        Click(screen, "cmdPrint");
        printer.onPrintWidget = nullptr;
        EXPECT_EQ(printer.widgetsPrinted, before + 1) << name;
        EXPECT_TRUE(buttonsHidden) << name;
        EXPECT_TRUE(Shown(screen, "cmdPrint")) << name;
    }
};

TEST_F(Program2RoadTest, FromTheMenuToTheFarewellScreenAndASecondRunShowsTheFirst) {
    clock.now = {2026, 3, 2, 9, 0, 0};
    shell::frmMDI& window = OpenMainWindow();
    window.findChild<QAction*>("mProgram22")->trigger();
    ProcessEvents();
    // Every test of the program, the squat test only when the questionnaire gives it.
    const int tests = TakeTheTests("frmRazd2", 1);
    EXPECT_TRUE(tests == 8 || tests == 9) << tests;

    // The results: the marks of the eight recorded tests, the body mass (66 kg at 1.60 m: 25.8,
    // satisfactory for a woman of 72), the overall mark; no earlier run yet.
    ASSERT_TRUE(forms.IsLoaded("frmRezult2"));
    EXPECT_EQ(Text("frmRezult2", "Label0"),
              "Общая оценка Вашего здоровья в пожилом возрасте,\nг-жа Белова Нина");
    EXPECT_EQ(Text("frmRezult2", "Label10(100)"), "02.03.2026");
    for (int t = 1; t <= 8; ++t)
        EXPECT_EQ(Text("frmRezult2", QString("Label10(%1)").arg(100 + t)),
                  Mark(sharedState.answers(2, t, 32)))
            << t;
    EXPECT_EQ(Text("frmRezult2", "Label10(109)"), Mark(3));
    const int rating = sharedState.answers(2, 15, 32);
    EXPECT_EQ(Text("frmRezult2", "Label10(110)"), Mark(rating));
    EXPECT_FALSE(Shown("frmRezult2", "Label10(200)"));
    EXPECT_TRUE(Shown("frmRezult2", "Label9(5)"));
    const std::string file = sharedState.userFile;
    EXPECT_EQ(users::ReadIni(file, "Result1", "Test215", "?"), std::to_string(rating));
    EXPECT_EQ(users::ReadIni(file, "Result1", "Test214", "?"), "5");
    EXPECT_NE(users::ReadIni(file, "Result1", "Test208", "?"), "?");
    EXPECT_EQ(users::ReadIni(file, "Result1", "Test209", "?"), "?");
    SaveShot(window, "frmRezult2");
    Print("frmRezult2", "frmRezult2_print");

    // The conclusion: mark the last factor listed (or go straight on when there is none).
    Click("frmRezult2", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmConclusion2"));
    EXPECT_EQ(Text("frmConclusion2", "lblName"), "Уважаемая госпожа\nБелова Нина");
    SaveShot(window, "frmConclusion2_road");
    int listed = 0;
    while (
        Screen("frmConclusion2")->findChild<QRadioButton*>(QString("optRez1(%1)").arg(listed + 1)))
        ++listed;
    int factor = 0;
    if (listed > 0) {
        auto* option =
            Screen("frmConclusion2")->findChild<QRadioButton*>(QString("optRez1(%1)").arg(listed));
        factor = option->property("factorKey").toInt();
        QTest::mouseClick(option, Qt::LeftButton);
    }
    Click("frmConclusion2", "cmdContinue");

    // The recommendations: the list of her rating and factor, in category order.
    ASSERT_TRUE(forms.IsLoaded("frmRecom2"));
    EXPECT_EQ(sharedState.markedFactor(), factor);
    const recommendations::program2::Lists lists =
        recommendations::program2::BuildLists(rating, factor, state::Sex::Woman);
    const auto listedRecords = recommendations::program2::ChooseList(lists.recomList).Listed();
    const std::vector<std::string> preparations = Buttons("frmRecom2", "cmdPreparat");
    ASSERT_EQ(preparations.size(), listedRecords.size());
    EXPECT_EQ(Text("frmRecom2", "lblDate"), "02.03.26");
    SaveShot(window, "frmRecom2_road");

    // A description, not printable.
    Click("frmRecom2", "cmdPreparat(1)");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(shown.back().printable);
    EXPECT_GT(LastShown().size(), 1000u);

    // The use table: dated, printable, no marker left.
    shotName = "G-Take-J_road";
    Click("frmRecom2", "cmdUse");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown.back().printable);
    EXPECT_EQ(LastShown().find('^'), std::string::npos);
    EXPECT_EQ(LastShown().find("dd.mm.yy"), std::string::npos);
    EXPECT_NE(LastShown().find("02.03.26"), std::string::npos);

    // Every self-help document of her factor.
    const std::vector<int> topics = recommendations::program2::Topics(lists.helpTopics);
    EXPECT_EQ(Buttons("frmRecom2", "cmdRecom").size(), topics.size());
    for (size_t c = 0; c < topics.size(); ++c) {
        Click("frmRecom2", QString("cmdRecom(%1)").arg(c + 1).toLatin1().constData());
        EXPECT_EQ(shown.size(), 3u + c) << topics[c];
        if (topics[c] == 12) {
            EXPECT_NE(LastShown().find("Г-жа Белова Нина"), std::string::npos);
        }
    }
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;

    // The prescription sheet: one line per preparation.
    Click("frmRecom2", "cmdRecept");
    auto* sheet = qobject_cast<recommendations::ReceptSheet*>(Screen("frmRecept2"));
    ASSERT_NE(sheet, nullptr);
    int lines = 0;
    for (QLabel* line : sheet->lblName) lines += line->isHidden() ? 0 : 1;
    EXPECT_EQ(lines, static_cast<int>(preparations.size()));
    SaveShot(*sheet, "frmRecept2_road");
    Print("frmRecept2", "frmRecept2_print");
    Click("frmRecept2", "cmdClose");

    // The end of the work, back to the same list, and out to the welcome screen.
    Click("frmRecom2", "cmdClose");
    ASSERT_TRUE(forms.IsLoaded("frmEnd"));
    EXPECT_EQ(sharedState.recomForm, "frmRecom2");
    EXPECT_NE(Text("frmEnd", "LabelT(0)").find("Секреты здорового долголетия"), std::string::npos);
    SaveShot(window, "frmEnd_program2");
    Click("frmEnd", "cmdReturn");
    ASSERT_TRUE(forms.IsLoaded("frmRecom2"));
    EXPECT_EQ(Buttons("frmRecom2", "cmdPreparat"), preparations);
    Click("frmRecom2", "cmdClose");
    Click("frmEnd", "cmdExit");
    ASSERT_TRUE(forms.IsLoaded("frmWelcome"));

    // Three months later she takes the program again: the first run stands beside the second.
    clock.now = {2026, 6, 2, 17, 30, 0};
    returning = true;
    window.findChild<QAction*>("mProgram22")->trigger();
    ProcessEvents();
    EXPECT_EQ(sharedState.nextTestNum, 2);
    TakeTheTests("frmRazd2", 2);
    ASSERT_TRUE(forms.IsLoaded("frmRezult2"));
    EXPECT_EQ(Text("frmRezult2", "Label10(100)"), "02.06.2026");
    EXPECT_TRUE(Shown("frmRezult2", "Label10(200)"));
    EXPECT_EQ(Text("frmRezult2", "Label10(200)"), "02.03.2026");
    EXPECT_EQ(Text("frmRezult2", "Label10(209)"), Mark(3));
    EXPECT_EQ(Text("frmRezult2", "Label10(210)"), Mark(rating));
    EXPECT_FALSE(Shown("frmRezult2", "Label10(300)"));
    SaveShot(window, "frmRezult2_second");
    EXPECT_EQ(users::ReadIni(file, "Settings", "DateNum", "?"), "2");
}

}  // namespace
