#include "results/ui/frm_rezult1.h"

#include <QDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <cstdlib>

#include "conclusions/ui/frm_conclusion1.h"
#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"
#include "users/ini_file.h"

namespace {

class FrmRezult1Test : public testsupport::UiFixture {
  protected:
    FrmRezult1Test() {
        // A woman of 35, 1.65 m and 68 kg, at the end of program 1.
        clock.now = {2026, 12, 8, 10, 30, 0};
        sharedState.ResetAnswers();
        LogIn({"Петрова", "Анна", "f", 1991, 1.65f, 68});
        sharedState.curProgram = 1;
        sharedState.firstTest = 11;
        sharedState.lastTest = 14;
        sharedState.curTest = 14;
        sharedState.nextTestNum = 1;
        Scores(40, 60, 75, 80);
    }
    void Scores(int a, int b, int c, int d) {
        const int scores[4] = {a, b, c, d};
        for (int t = 1; t <= 4; ++t) {
            sharedState.answers(1, t, 31) = static_cast<int16_t>(scores[t - 1]);
            sharedState.answers(1, t, 32) = static_cast<int16_t>(scores[t - 1] < 36    ? 0
                                                                 : scores[t - 1] <= 70 ? 3
                                                                                       : 5);
        }
    }
    QWidget* Open() {
        QWidget* screen = forms.Show("frmRezult1");
        ProcessEvents();
        return screen;
    }
    std::string Text(QWidget* screen, const char* name) {
        auto* label = Find<QLabel>(screen, name);
        return label ? label->text().toStdString() : "<missing " + std::string(name) + ">";
    }
    bool Shown(QWidget* screen, const char* name) {
        QWidget* widget = Find(screen, name);
        return widget && !widget->isHidden();
    }
    void RegisterAbort(int answer) {
        forms.Register("frmAbort", [](platform::AppContext&) { return new QDialog; });
        forms.SetModalRunner([this, answer](QDialog& dialog) {
            sharedState.dlgResult = static_cast<int16_t>(answer);
            dialog.close();
        });
    }

    // A run stored earlier in the user's profile file.
    void AddRun(int run, const std::string& date, const std::map<std::string, std::string>& keys) {
        const std::string section = "Result" + std::to_string(run);
        std::vector<users::IniEntry> entries = {{"Settings", "DateNum", std::to_string(run)},
                                                {section, "DateTest", date}};
        for (const auto& [key, value] : keys) entries.push_back({section, key, value});
        ASSERT_TRUE(users::WriteIni(sharedState.userFile, entries).ok);
    }
    // A stored value as the profile reads it (blanks around it dropped).
    std::string Stored(const std::string& section, const std::string& key) {
        return users::ReadIni(sharedState.userFile, section, key, "<none>");
    }
};

TEST_F(FrmRezult1Test, FirstRunShowsTodaysColumnOnlyAndStoresRunOne) {
    QWidget* screen = Open();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(Text(screen, "Label1"), "Оценка показателей Вашего здоровья,  г-жа Петрова Анна");
    EXPECT_EQ(Text(screen, "Label4"), "РАЦИО- НАЛЬНОСТЬ ПИТАНИЯ");
    EXPECT_EQ(Text(screen, "Label10(0)"), "08.12.2026");
    EXPECT_EQ(Text(screen, "Label10(1)"), "Удовлет.");
    EXPECT_EQ(Text(screen, "Label10(2)"), "Удовлет.");
    EXPECT_EQ(Text(screen, "Label10(3)"), "Хорошо");
    EXPECT_EQ(Text(screen, "Label10(4)"), "Хорошо");
    EXPECT_EQ(Text(screen, "Label10(5)"), "Удовлетв");
    EXPECT_EQ(Text(screen, "Label10(6)"), "Удовлет.");
    for (const char* cell : {"Label10(10)", "Label10(15)", "Label10(60)", "Label10(66)"}) {
        EXPECT_FALSE(Shown(screen, cell)) << cell;
    }
    EXPECT_EQ(Stored("Settings", "DateNum"), "1");
    EXPECT_EQ(Stored("Result1", "DateTest"), "08.12.2026");
    EXPECT_EQ(Stored("Result1", "TimeTest"), "10:30:00");
    EXPECT_EQ(Stored("Result1", "Test115"), "3");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Find<QPushButton>(screen, "cmdContinue")->text().toStdString(),
              "ПОЛУЧИТЕ ЗАКЛЮЧЕНИЕ ПО РЕЗУЛЬТАТАМ ТЕСТИРОВАНИЯ");
    // Every caption comes from the screen's texts: none is a missing-text marker.
    for (QLabel* label : screen->findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains("?frm")) << label->objectName().toStdString();
    }
    for (QPushButton* button : screen->findChildren<QPushButton*>())
        EXPECT_FALSE(button->text().contains("?frm"));
}

TEST_F(FrmRezult1Test, EarlierRunsOfProgramOneFillColumnsNewestFirstAndSkipOtherPrograms) {
    AddRun(1, "10.01.2026",
           {{"Test101", " 0"},
            {"Test102", " 0"},
            {"Test103", " 3"},
            {"Test104", " 3"},
            {"Test114", " 3"},
            {"Test115", " 0"}});
    AddRun(2, "10.03.2026", {{"Test301", " 5"}, {"Test315", " 5"}});
    AddRun(3, "10.06.2026",
           {{"Test101", " 3"},
            {"Test102", " 5"},
            {"Test103", " 5"},
            {"Test104", " 3"},
            {"Test114", " 5"},
            {"Test115", " 3"}});
    sharedState.nextTestNum = 4;
    QWidget* screen = Open();
    EXPECT_EQ(Text(screen, "Label10(10)"), "10.06.2026");
    EXPECT_EQ(Text(screen, "Label10(12)"), "Хорошо");
    EXPECT_EQ(Text(screen, "Label10(15)"), "Удовлетв");
    EXPECT_EQ(Text(screen, "Label10(20)"), "10.01.2026");
    EXPECT_EQ(Text(screen, "Label10(21)"), "Плохо");
    EXPECT_EQ(Text(screen, "Label10(25)"), "Тучность");
    EXPECT_EQ(Text(screen, "Label10(26)"), "Плохо");
    for (int row = 0; row <= 6; ++row) {
        EXPECT_TRUE(Shown(screen, QString("Label10(%1)").arg(10 + row).toLatin1())) << row;
        EXPECT_TRUE(Shown(screen, QString("Label10(%1)").arg(20 + row).toLatin1())) << row;
        EXPECT_FALSE(Shown(screen, QString("Label10(%1)").arg(30 + row).toLatin1())) << row;
    }
    EXPECT_EQ(Stored("Result4", "Test101"), "3");
}

TEST_F(FrmRezult1Test, TheChartDrawsTheEarlierRunsOldestFirstWithTheirStoredBodyMassIndex) {
    const auto run = [](const char* overall) {
        return std::map<std::string, std::string>{{"Test101", " 3"}, {"Test102", " 3"},
                                                  {"Test103", " 3"}, {"Test104", " 3"},
                                                  {"Test114", " 5"}, {"Test115", overall}};
    };
    AddRun(1, "10.01.2026", run(" 0"));  // stored before the index was kept
    AddRun(2, "10.03.2026", run(" 3"));
    AddRun(3, "10.06.2026", run(" 5"));
    ASSERT_TRUE(users::WriteIni(sharedState.userFile, {{"Result2", "BodyMassIndex1", "26.1"},
                                                       {"Result3", "BodyMassIndex1", "25.4"}})
                    .ok);
    sharedState.nextTestNum = 4;
    QWidget* screen = Open();
    QWidget* chart = Find(screen, "HistoryChart");
    ASSERT_NE(chart, nullptr);
    EXPECT_FALSE(chart->isHidden());
    EXPECT_EQ(chart->accessibleDescription().toStdString(),
              "10.01.26, Общая оценка: Плохо; "
              "10.03.26, Общая оценка: Удовлетв., Индекс массы тела: 26,1; "
              "10.06.26, Общая оценка: Хорошо, Индекс массы тела: 25,4; "
              "08.12.26, Общая оценка: Удовлетв., Индекс массы тела: 25,0");
    // Today's index is kept for the next run's chart: 68 kg at 1.65 m.
    EXPECT_EQ(Stored("Result4", "BodyMassIndex1"), "25.0");
    // The chart stands between the grid and the buttons, and nothing overlaps it.
    const QRect area = chart->geometry();
    EXPECT_GT(area.top(), Find(screen, "Grid")->geometry().bottom());
    EXPECT_LT(area.bottom(), Find(screen, "cmdContinue")->mapTo(screen, QPoint(0, 0)).y());
    SaveShot(*screen, "results1-chart");
}

TEST_F(FrmRezult1Test, TheChartStaysHiddenUntilThereIsAnEarlierRunToCompareWith) {
    QWidget* screen = Open();
    QWidget* chart = Find(screen, "HistoryChart");
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isHidden());
}

TEST_F(FrmRezult1Test, ARecordThatCannotBeStoredIsReportedAndTheScreenKeepsWorking) {
    sharedState.userFile =
        (dir.path() / "gone" / "ZRVI001.ini").string();  // a folder that does not exist
    QWidget* screen = Open();
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string& text = messages.shown[0].text;
    EXPECT_NE(text.find("Не удалось сохранить результаты тестирования"), std::string::npos) << text;
    EXPECT_NE(text.find("ZRVI001.ini"), std::string::npos) << text;
    EXPECT_NE(text.find("Причина: "), std::string::npos) << text;
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::Warning);
    EXPECT_EQ(Text(screen, "Label10(6)"), "Удовлет.");
    // The screen still goes on to the conclusion.
    Find<QPushButton>(screen, "cmdContinue")->click();
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmRezult1"));
    EXPECT_TRUE(forms.IsLoaded("frmConclusion1"));
}

TEST_F(FrmRezult1Test, ContinueOpensTheConclusionWithTheValuesTheResultsComputed) {
    QWidget* screen = Open();
    bool handedOver = false;
    forms.Register("frmConclusion1", [&](platform::AppContext& c) {
        handedOver = c.state.navForward && !forms.IsLoaded("frmRezult1");
        return new conclusions::frmConclusion1(c);
    });
    sharedState.navForward = false;
    Find<QPushButton>(screen, "cmdContinue")->click();
    ProcessEvents();
    EXPECT_TRUE(handedOver);
    EXPECT_FALSE(sharedState.navForward);  // the conclusion sets it back when it loads
    QWidget* conclusion = Screen("frmConclusion1");
    ASSERT_NE(conclusion, nullptr);
    EXPECT_EQ(Find<QLabel>(conclusion, "lblRez1")->text().toStdString(), "УДОВЛЕТВОРИТЕЛЬНОЕ");
    EXPECT_FALSE(forms.IsLoaded("frmRezult1"));
}

TEST_F(FrmRezult1Test, ReturnGoesBackIntoTheLastTestAtItsEnd) {
    bool questionnaireShown = false;
    forms.Register("frmAnketa", [&](platform::AppContext& c) {
        questionnaireShown = c.state.enterAtEnd && c.state.curTest == 14;
        return new QWidget;
    });
    sharedState.curTest = 11;
    sharedState.enterAtEnd = false;
    QWidget* screen = Open();
    Find<QPushButton>(screen, "cmdReturn")->click();
    ProcessEvents();
    EXPECT_TRUE(questionnaireShown);
    EXPECT_FALSE(forms.IsLoaded("frmRezult1"));
}

TEST_F(FrmRezult1Test, OpeningAgainRewritesTheSameRunWithTheNewTime) {
    Open();
    forms.Unload("frmRezult1");
    ProcessEvents();
    clock.now.minute = 45;
    Scores(80, 80, 80, 80);
    Open();
    EXPECT_EQ(Stored("Settings", "DateNum"), "1");
    EXPECT_EQ(Stored("Result2", "DateTest"), "<none>");
    EXPECT_EQ(Stored("Result1", "TimeTest"), "10:45:00");
    EXPECT_EQ(Stored("Result1", "Test101"), "5");
}

TEST_F(FrmRezult1Test, CloseAsksFirstAndOnlyYesClosesTheScreen) {
    RegisterAbort(2);
    QWidget* screen = Open();
    Find<QPushButton>(screen, "cmdClose")->click();
    ProcessEvents();
    EXPECT_TRUE(forms.IsLoaded("frmRezult1"));
    RegisterAbort(1);
    Find<QPushButton>(screen, "cmdClose")->click();
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmRezult1"));
}

TEST_F(FrmRezult1Test, TheWindowsCloseBoxAsksTheSameQuestion) {
    OpenMainWindow();
    RegisterAbort(2);
    QWidget* screen = Open();
    auto* window = qobject_cast<QMdiSubWindow*>(screen->parentWidget());
    ASSERT_NE(window, nullptr);
    window->close();
    ProcessEvents();
    EXPECT_TRUE(forms.IsLoaded("frmRezult1"));
    EXPECT_FALSE(window->isHidden());
    RegisterAbort(1);
    window->close();
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmRezult1"));
}

TEST_F(FrmRezult1Test, PrintingLeavesTheButtonsOffThePageAndBringsThemBackEvenWhenThePrinterFails) {
    QWidget* screen = Open();
    const char* buttons[] = {"cmdContinue", "cmdReturn", "cmdPrint", "cmdClose"};
    std::vector<bool> visibleOnPage;
    printer.onPrintWidget = [&](QWidget&) {
        for (const char* name : buttons) visibleOnPage.push_back(Shown(screen, name));
    };
    Find<QPushButton>(screen, "cmdPrint")->click();
    EXPECT_EQ(printer.widgetsPrinted, 1);
    EXPECT_EQ(visibleOnPage, std::vector<bool>(4, false));
    for (const char* name : buttons) EXPECT_TRUE(Shown(screen, name)) << name;
    EXPECT_TRUE(messages.shown.empty());

    printer.fail = true;
    Find<QPushButton>(screen, "cmdPrint")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "482 Принтер не найден");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::Critical);
    for (const char* name : buttons) EXPECT_TRUE(Shown(screen, name)) << name;
}

TEST_F(FrmRezult1Test, TheMainWindowGrowsToHoldTheScreen) {
    shell::frmMDI& window = OpenMainWindow();
    const int before = window.width();
    const char* words[] = {" 0", " 3", " 5"};
    for (int run = 1; run <= 7; ++run) {
        const std::string date =
            (run < 10 ? "0" : "") + std::to_string(run) + ".0" + std::to_string(run) + ".2026";
        AddRun(run, date,
               {{"Test101", words[run % 3]},
                {"Test102", words[(run + 1) % 3]},
                {"Test103", " 5"},
                {"Test104", words[(run + 2) % 3]},
                {"Test114", " " + std::to_string(1 + run % 6)},
                {"Test115", words[run % 3]}});
    }
    sharedState.nextTestNum = 8;
    QWidget* screen = Open();
    EXPECT_GT(window.width(), before);
    SaveShot(*screen, "frmRezult1");
    SaveShot(window, "frmRezult1_main");
}

TEST_F(FrmRezult1Test, RunsOfTheSameDayAreToldApartByTheTimeInTheirToolTips) {
    const std::map<std::string, std::string> ratings = {{"Test101", " 3"}, {"Test115", " 3"}};
    AddRun(1, "10.06.2026", ratings);  // an old profile: no time stored
    AddRun(2, "20.11.2026", ratings);
    AddRun(3, "20.11.2026", ratings);
    ASSERT_TRUE(users::WriteIni(sharedState.userFile, {{"Result2", "TimeTest", "09:15:00"},
                                                       {"Result3", "TimeTest", "17:40:12"}})
                    .ok);
    sharedState.nextTestNum = 4;
    QWidget* screen = Open();
    const auto tip = [&](int cell) {
        return Find<QLabel>(screen, QString("Label10(%1)").arg(cell).toLatin1())
            ->toolTip()
            .toStdString();
    };
    EXPECT_EQ(tip(10), "Тестирование 20.11.2026 в 17:40:12");
    EXPECT_EQ(tip(20), "Тестирование 20.11.2026 в 09:15:00");
    EXPECT_EQ(tip(30), "Тестирование 10.06.2026");
    for (int row = 1; row <= 6; ++row) EXPECT_EQ(tip(10 + row), tip(10)) << row;
}

}  // namespace
