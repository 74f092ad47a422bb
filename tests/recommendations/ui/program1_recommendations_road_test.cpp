// Program 1 taken to its end as a person takes it: from the program menu through registration,
// the four questionnaires, the results and the conclusion to the recommendations, the calendar
// plan and the prescription sheet, the farewell screen, back to the recommendations, and out to
// the welcome screen.
#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "docs/ui/frm_rtf.h"
#include "recommendations/ui/frm_recom1.h"
#include "recommendations/ui/recept_sheet.h"
#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"
#include "testing/ui/frm_anketa.h"

namespace {

class Program1RecommendationsRoadTest : public testsupport::UiFixture {
  protected:
    Program1RecommendationsRoadTest() {
        // The documents as the build made them.
        std::filesystem::copy(std::filesystem::path(TEST_BUILD_DIR) / "Doc", dir.path() / "Doc");
        forms.SetModalRunner([this](QDialog& dialog) { Answer(dialog); });
    }

    void Answer(QDialog& dialog) {
        const auto press = [&](const char* name) { dialog.findChild<QPushButton*>(name)->click(); };
        const std::string name = dialog.objectName().toStdString();
        if (name == "frmChoice") {
            press("cmdNew");
        } else if (name == "frmRegist") {
            dialog.findChild<QLineEdit*>("txtLastName")->setText("Соколова");
            dialog.findChild<QLineEdit*>("txtName")->setText("Анна");
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtYearBirth"),
                             QString::number(clock.now.year - 34));
            dialog.findChild<QAbstractButton*>("Option1(1)")->click();
            dialog.findChild<QLineEdit*>("txtHeight")->setText("1.66");
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtPassw"), "rose7");
            dialog.findChild<QLineEdit*>("txtWeight")->setText("95");
            press("cmdRegist");
        } else if (name == "frmRTF") {
            auto& viewer = *qobject_cast<docs::frmRTF*>(&dialog);
            shown.push_back({viewer.PlainText(), viewer.PrintButtonVisible()});
            press("cmdClose");
        }
    }

    void TakeTheTests() {
        Click("frmRazd1", "cmdContinue");
        for (int test = 11; test <= 14; ++test) {
            Click("frmRazd", "cmdContinue");
            ASSERT_NE(Anketa(), nullptr) << test;
            AnswerTest(-1);
            Click("frmAnketa", "cmdContinue");
        }
    }

    struct Shown {
        std::string plain;
        bool printable;
    };
    std::vector<Shown> shown;
};

TEST_F(Program1RecommendationsRoadTest, FromTheMenuToTheFarewellScreenAndBackToTheWelcomeScreen) {
    shell::frmMDI& window = OpenMainWindow();
    window.findChild<QAction*>("mProgram21")->trigger();
    ProcessEvents();
    TakeTheTests();
    Click("frmRezult1", "cmdContinue");
    Click("frmConclusion1", "cmdContinue");

    // 95 kg at 1.66 m: clearly excess weight, so the course with the diet.
    auto* recom = qobject_cast<recommendations::frmRecom1*>(Screen("frmRecom1"));
    ASSERT_NE(recom, nullptr);
    EXPECT_FALSE(forms.IsLoaded("frmConclusion1"));
    EXPECT_EQ(recom->courseCode(), "7A");
    EXPECT_EQ(recom->Label1->text().toStdString(),
              "Индивидуальные рекомендации для Вас, г-жа Соколова Анна");
    EXPECT_EQ(Find<QPushButton>(recom, "cmdPreparat(8)")->text().toStdString(), "Диета");
    SaveShot(window, "frmRecom1_main");

    // The calendar plan, addressed to her at its top and at its end.
    Click("frmRecom1", "cmdPlan");
    ASSERT_EQ(shown.size(), 1u);
    const std::string& plan = shown[0].plain;
    const size_t first = plan.find("Г-жа Соколова Анна");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(plan.find("Г-жа Соколова Анна", first + 1), std::string::npos);
    EXPECT_EQ(plan.find("^^^^"), std::string::npos);
    EXPECT_TRUE(shown[0].printable);

    // The prescription sheet: the course's seven preparations, without the diet; printed.
    Click("frmRecom1", "cmdRecept");
    auto* sheet = qobject_cast<recommendations::ReceptSheet*>(Screen("frmRecept1"));
    ASSERT_NE(sheet, nullptr);
    int lines = 0;
    for (QLabel* line : sheet->lblName) lines += line->isHidden() ? 0 : 1;
    EXPECT_EQ(lines, 7);
    SaveShot(*sheet, "frmRecept1");
    Click("frmRecept1", "cmdPrint");
    EXPECT_EQ(printer.widgetsPrinted, 1);
    Click("frmRecept1", "cmdClose");
    EXPECT_FALSE(forms.IsLoaded("frmRecept1"));

    // The end of the work, a look back at the recommendations, and the end again.
    Click("frmRecom1", "cmdClose");
    SaveShot(window, "frmEnd_main");
    EXPECT_EQ(sharedState.recomForm, "frmRecom1");
    EXPECT_FALSE(forms.IsLoaded("frmRecom1"));
    Click("frmEnd", "cmdReturn");
    ASSERT_TRUE(forms.IsLoaded("frmRecom1"));
    EXPECT_FALSE(forms.IsLoaded("frmEnd"));
    EXPECT_EQ(qobject_cast<recommendations::frmRecom1*>(Screen("frmRecom1"))->courseCode(), "7A");
    Click("frmRecom1", "cmdClose");
    Click("frmEnd", "cmdExit");
    EXPECT_FALSE(forms.IsLoaded("frmEnd"));
    ASSERT_TRUE(forms.IsLoaded("frmWelcome"));
    EXPECT_TRUE(Screen("frmWelcome")->isVisible());
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
}

}  // namespace
