// The report of a run, saved as a person saves it: program 1 taken twice from the menu, the
// report saved on the conclusion and on the recommendations of the second run, and its PDF read
// back as text.
#include <QAction>
#include <QFile>
#include <QPushButton>
#include <filesystem>

#include "shell/ui/frm_mdi.h"
#include "support/road_fixture.h"
#include "text/catalogue.h"

namespace {

class ReportRoadTest : public testsupport::RoadFixture {
  protected:
    ReportRoadTest() : RoadFixture({"Соколова", "Анна", 34, "Option1(1)", "1.66", "61", "rose7"}) {}

    void TakeProgram1(int pattern) {
        window_->findChild<QAction*>("mProgram21")->trigger();
        ProcessEvents();
        EXPECT_EQ(TakeTheTests("frmRazd1", pattern), 4);
    }
    static bool Holds(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
    // The text of a screen's visible label as it reads on one line.
    std::string OneLine(const char* screen, const char* label) {
        return QString::fromStdString(Text(screen, label)).simplified().toStdString();
    }

    shell::frmMDI* window_ = nullptr;
};

TEST_F(ReportRoadTest, TheReportHoldsTheResultsTheConclusionThePreparationsAndThePlanOfTheRun) {
    window_ = &OpenMainWindow();
    // An earlier run, a week before, taken to its end.
    clock.now = {2026, 3, 2, 9, 0, 0};
    TakeProgram1(1);
    Click("frmRezult1", "cmdContinue");
    Click("frmConclusion1", "cmdContinue");
    Click("frmRecom1", "cmdClose");
    Click("frmEnd", "cmdExit");

    clock.now = {2026, 3, 9, 17, 30, 0};
    returning = true;
    TakeProgram1(2);
    ASSERT_TRUE(forms.IsLoaded("frmRezult1"));
    const std::string overall = Text("frmRezult1", "Label10(6)");
    Click("frmRezult1", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmConclusion1"));
    const std::string rating = OneLine("frmConclusion1", "lblRez1");
    SaveShot(*Screen("frmConclusion1"), "frmConclusion1_report");

    // Saved on the conclusion: the results and the conclusion, no preparations yet.
    const std::filesystem::path early = dir.path() / "на заключении.pdf";
    const std::string conclusion = SaveReport("frmConclusion1", early);
    ASSERT_EQ(files.asked.size(), 1u);
    const std::filesystem::path suggested = files.asked[0].suggested;
    EXPECT_EQ(suggested.filename().string(), "Зорвек — Соколова Анна — 2026-03-09.pdf");
    EXPECT_EQ(files.asked[0].suffix, "pdf");
    EXPECT_EQ(messages.Texts().back(), "Отчет сохранен в файле\r\n" + early.string());
    EXPECT_TRUE(Holds(conclusion, "Отчет о тестировании"));
    EXPECT_TRUE(Holds(conclusion, "Программа «" + text::GetCatalogText(100) + "»"));
    EXPECT_TRUE(Holds(conclusion, "Соколова Анна, 1992 г. р."));
    EXPECT_TRUE(Holds(conclusion, "Дата тестирования: 09.03.2026"));
    // The grid with both runs, its captions whole again.
    EXPECT_TRUE(Holds(conclusion, "РАЦИОНАЛЬНОСТЬ ПИТАНИЯ"));
    EXPECT_TRUE(Holds(conclusion, "09.03.2026"));
    EXPECT_TRUE(Holds(conclusion, "02.03.2026"));
    EXPECT_TRUE(Holds(conclusion, overall));
    EXPECT_TRUE(Holds(conclusion, text::FormText("report", "Chart")));
    EXPECT_TRUE(Holds(conclusion, "Заключение о состоянии Вашего здоровья, г-жа Соколова Анна"));
    EXPECT_TRUE(Holds(conclusion, rating));
    EXPECT_FALSE(Holds(conclusion, "Рекомендованные препараты"));
    EXPECT_TRUE(Holds(conclusion, "Программа не ставит диагноз и не заменяет консультацию врача"));

    // Saved on the recommendations: the list under its headings and the calendar plan, filled
    // in for her as the screen shows it.
    Click("frmConclusion1", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmRecom1"));
    const std::filesystem::path whole = dir.path() / "весь отчет.pdf";
    const std::string full = SaveReport("frmRecom1", whole);
    EXPECT_TRUE(Holds(full, rating));
    EXPECT_TRUE(Holds(full, "Рекомендованные препараты"));
    int preparations = 0;
    for (QPushButton* button : Screen("frmRecom1")->findChildren<QPushButton*>()) {
        if (!button->objectName().startsWith("cmdPreparat(") || button->isHidden()) continue;
        ++preparations;
        EXPECT_TRUE(Holds(full, button->text().simplified().toStdString()))
            << button->text().toStdString();
    }
    EXPECT_GT(preparations, 0);
    EXPECT_TRUE(Holds(full, "Как принимать препараты"));
    EXPECT_TRUE(Holds(full, "Календарный план применения препаратов"));
    EXPECT_TRUE(Holds(full, "Соколова Анна"));
    EXPECT_FALSE(Holds(full, "яяяяяя"));
    EXPECT_TRUE(Holds(full, "Программа не ставит диагноз и не заменяет консультацию врача"));

    // Cancelled: nothing written, nothing said.
    const size_t said = messages.shown.size();
    Click("frmRecom1", "cmdReport");
    EXPECT_EQ(messages.shown.size(), said);

    // A folder that does not exist: she is told why, and the screen stays as it was.
    const std::filesystem::path nowhere = dir.path() / "нет такой папки" / "отчет.pdf";
    files.answers.push_back(nowhere.string());
    Click("frmRecom1", "cmdReport");
    ASSERT_EQ(messages.shown.size(), said + 1);
    EXPECT_EQ(messages.shown.back().icon, platform::MessageBox::Icon::Warning);
    EXPECT_TRUE(Holds(messages.shown.back().text,
                      "Не удалось сохранить отчет в файле\r\n" + nowhere.string()));
    EXPECT_FALSE(std::filesystem::exists(nowhere));
    EXPECT_TRUE(forms.IsLoaded("frmRecom1"));
    SaveShot(*window_, "frmRecom1_report");
}

}  // namespace
