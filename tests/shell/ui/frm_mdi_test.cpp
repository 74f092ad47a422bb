#include "shell/ui/frm_mdi.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "platform/widgets/screen_room.h"
#include "support/ui_fixture.h"

namespace {

class FrmMdiTest : public testsupport::UiFixture {
  protected:
    // The abort question is answered with this button; the names of the dialogs shown are kept.
    void AnswerAbort(const char* button) {
        forms.SetModalRunner([this, button](QDialog& dialog) {
            asked.push_back(dialog.objectName().toStdString());
            if (auto* pressed = dialog.findChild<QPushButton*>(button)) pressed->click();
        });
    }
    // The program's first screen is open, as the launcher leaves it.
    void StartProgramOne() {
        forms.Unload("frmWelcome");
        ASSERT_NE(forms.Show("frmRazd1"), nullptr);
        ProcessEvents();
    }
    std::vector<std::string> asked;
};

struct Expected {
    const char* name;
    const char* caption;
    bool enabled;
};

TEST_F(FrmMdiTest, ShowsCaptionWidthAndTheWholeMenuTreeInOrder) {
    shell::frmMDI& window = OpenMainWindow();
    EXPECT_EQ(window.windowTitle().toStdString(), "Zorvek from 01.07.03  (v. 1.0.0)");
    EXPECT_EQ(window.width(), 640);
    EXPECT_EQ(sharedState.menuChoice, 0);
    EXPECT_EQ(sharedState.breakToken, "¤");

    const std::vector<Expected> expected = {
        {"mInfo", "Информация", true},
        {"mFirma", "О компании «Д-р Мирвела»", true},
        {"mInfo12", "Неповторимое действие препаратов «Д-р Мирвела»", true},
        {"mInfo13", "Тестирование - путь к предупреждению болезни", true},
        {"mInfo14", "Укрепление и восстановление здоровья", false},
        {"mInfo141", "Что такое здоровье?", true},
        {"mInfo142", "Реактивность организма и свободнорадикальный стресс", true},
        {"mInfo104", "Здоровая старость", false},
        {"mInfo15", "Профилактика онкологических заболеваний", false},
        {"mInfo151", "Самое главное в борьбе с раком - профилактика", true},
        {"mInfo152", "Рождение и рост злокачественной опухоли", true},
        {"mInfo153", "Профилактика рака с помощью препаратов «Д-р Мирвела»", true},
        {"mInfo16", "Укрепление и востановление здоровья ребенка", false},
        {"mInfo161", "Счастливый ребенок - это прежде всего здоровый  ребенок", true},
        {"mInfo162", "Часто болеющий ребенок", true},
        {"mInfo163", "Детский иммунитет - защитный и пусковой механизм болезней", true},
        {"mInfo17", "Предупреждение депрессии", false},
        {"mInfo171", "Что такое депрессия и как её предупредить?", true},
        {"mProgram", "Программы", true},
        {"mProgram21", "Укрепление и восстановление здоровья", true},
        {"mProgram22", "Здоровая старость", true},
        {"mProgram23", "Улучшение здоровья ребенка", true},
        {"mProgram24", "Профилактика онкологических заболеваний", true},
        {"mProgram25", "Предупреждение депрессии", true},
        {"mProgram26", "Предотвращение гриппа и простудных заболеваний", false},
        {"mProgram27", "Предотвращение осложнений при диабете", false},
        {"mAbout", "О программе", true},
        {"mExit", "Выход", true},
    };
    // Walk the menu bar in its order.
    std::vector<QAction*> actions;
    std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& list) {
        for (QAction* action : list) {
            actions.push_back(action);
            if (action->menu()) walk(action->menu()->actions());
        }
    };
    walk(window.menuBar()->actions());
    ASSERT_EQ(actions.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actions[i]->objectName().toStdString(), expected[i].name);
        EXPECT_EQ(actions[i]->text().toStdString(), expected[i].caption) << expected[i].name;
        EXPECT_EQ(actions[i]->isEnabled(), expected[i].enabled) << expected[i].name;
    }
}

TEST_F(FrmMdiTest, ProgramsTwentySixAndTwentySevenCanNeverBeChosen) {
    shell::frmMDI& window = OpenMainWindow();
    QSignalSpy chosen(&window, &shell::frmMDI::programChosen);
    for (const char* name : {"mProgram26", "mProgram27"}) {
        QAction* action = Find<QAction>(&window, name) ? window.findChild<QAction*>(name) : nullptr;
        ASSERT_NE(action, nullptr);
        action->setEnabled(true);
        EXPECT_FALSE(action->isEnabled());
        action->trigger();
    }
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_EQ(sharedState.menuChoice, 0);
}

TEST_F(FrmMdiTest, ADocumentItemSetsMenuChoiceEvenWhenItsDocumentIsMissing) {
    shell::frmMDI& window = OpenMainWindow();
    window.findChild<QAction*>("mInfo152")->trigger();
    EXPECT_EQ(sharedState.menuChoice, 152);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Отсутствует файл " + (dir.path() / "DOC" / "O-ZH-1-r.rtf").string());
}

TEST_F(FrmMdiTest, AProgramItemSetsMenuChoiceAndHandsTheItemToTheLauncher) {
    shell::frmMDI& window = OpenMainWindow();
    QSignalSpy chosen(&window, &shell::frmMDI::programChosen);
    // The launcher asks new or returning user first; this user closes the question.
    std::vector<std::string> shown;
    forms.SetModalRunner([&](QDialog& dialog) {
        shown.push_back(dialog.objectName().toStdString());
        dialog.close();
    });
    window.findChild<QAction*>("mProgram24")->trigger();
    EXPECT_EQ(shown, std::vector<std::string>{"frmChoice"});
    EXPECT_EQ(sharedState.menuChoice, 24);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 24);
}

TEST_F(FrmMdiTest, EveryWindowShowsTheProgramsPictureNotAStockIcon) {
    // A window without an icon of its own shows the toolkit's logo in its title bar.
    shell::frmMDI& window = OpenMainWindow();
    EXPECT_FALSE(window.windowIcon().isNull());
    QWidget* introduction = forms.Show("frmRazd1");
    ASSERT_NE(introduction, nullptr);
    auto* frame = qobject_cast<QMdiSubWindow*>(introduction->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->windowIcon().isNull());
    EXPECT_EQ(frame->windowIcon().cacheKey(), window.windowIcon().cacheKey());
}

TEST_F(FrmMdiTest, EndingTheWorkInTheMiddleOfAProgramAsksTheAbortQuestionFirst) {
    shell::frmMDI& window = OpenMainWindow();
    StartProgramOne();
    // The close box and the window manager's close (Alt+F4) both send a close request;
    // "Выход" closes the window as well.
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"close box", [&] { window.close(); }},
        {"window manager",
         [&] {
             QCloseEvent request;
             QApplication::sendEvent(&window, &request);
         }},
        {"Выход", [&] { window.findChild<QAction*>("mExit")->trigger(); }},
    };
    AnswerAbort("cmdNo");
    for (const auto& [way, close] : ways) {
        asked.clear();
        close();
        ProcessEvents();
        EXPECT_EQ(asked, std::vector<std::string>{"frmAbort"}) << way;
        EXPECT_TRUE(window.isVisible()) << way;
        EXPECT_TRUE(forms.IsLoaded("frmRazd1")) << way;
    }
    AnswerAbort("cmdYes");
    asked.clear();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(asked, std::vector<std::string>{"frmAbort"});
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FrmMdiTest, WithNoProgramUnderWayTheWorkEndsWithoutAQuestion) {
    shell::frmMDI& window = OpenMainWindow();
    AnswerAbort("cmdNo");
    window.findChild<QAction*>("mExit")->trigger();
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FrmMdiTest, WhenTheLastScreenInsideTheMainWindowClosesTheWelcomeComesBack) {
    OpenMainWindow();
    StartProgramOne();
    EXPECT_FALSE(forms.IsLoaded("frmWelcome"));
    // "НЕТ" keeps the program's screen; nothing else opens.
    AnswerAbort("cmdNo");
    Click("frmRazd1", "cmdClose");
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmWelcome"));
    // "ДА" closes the last screen: the user is not left with an empty main window.
    AnswerAbort("cmdYes");
    Click("frmRazd1", "cmdClose");
    ProcessEvents();
    ProcessEvents();
    ASSERT_TRUE(forms.IsLoaded("frmWelcome"));
    EXPECT_TRUE(Screen("frmWelcome")->isVisible());
    EXPECT_FALSE(forms.IsLoaded("frmRazd1"));

    // A screen that hands over to the next one does not bring the welcome screen in between.
    StartProgramOne();
    forms.Unload("frmRazd1");
    forms.Show("frmRazd");
    ProcessEvents();
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmWelcome"));
}

TEST_F(FrmMdiTest, AScreenTooLargeForTheWindowScrollsASmallOneIsCentredInALargeWindow) {
    shell::frmMDI& window = OpenMainWindow();
    QWidget* room = window.mdiArea()->viewport();
    const QRect desktop = window.screen()->availableGeometry();

    // Made as wide as the desktop: the welcome screen stands in the middle, not at the left.
    window.resize(desktop.width(), window.height());
    ProcessEvents();
    ProcessEvents();
    const QRect welcome = Screen("frmWelcome")->parentWidget()->geometry();
    EXPECT_NEAR(welcome.center().x(), room->rect().center().x(), 2);
    SaveShot(window, "mdi_wide_welcome");

    // Made small during a questionnaire: every button can still be scrolled to.
    forms.Unload("frmWelcome");
    sharedState.ResetAnswers();
    sharedState.curProgram = 1;
    sharedState.firstTest = 11;
    sharedState.lastTest = 14;
    sharedState.curTest = 11;
    sharedState.userSex = "f";
    QWidget* anketa = forms.Show("frmAnketa");
    ASSERT_NE(anketa, nullptr);
    window.resize(360, 260);
    ProcessEvents();
    ProcessEvents();
    QScrollBar* down = window.mdiArea()->verticalScrollBar();
    QScrollBar* across = window.mdiArea()->horizontalScrollBar();
    EXPECT_GT(down->maximum(), 0);
    down->setValue(down->maximum());
    const auto text = [](const QRect& r) {
        return QStringLiteral("%1,%2 %3x%4 ")
            .arg(r.x())
            .arg(r.y())
            .arg(r.width())
            .arg(r.height())
            .toStdString();
    };
    // Scrolled down, each button is seen with the area scrolled to one side or the other.
    for (const char* name : {"cmdContinue", "cmdCount", "cmdReturn", "cmdExit"}) {
        auto* button = Find<QWidget>(anketa, name);
        bool seen = false;
        std::string where;
        for (const int side : {across->minimum(), across->maximum()}) {
            across->setValue(side);
            ProcessEvents();
            const QRect shown(button->mapTo(room, QPoint(0, 0)), button->size());
            seen = seen || room->rect().contains(shown);
            where += text(shown);
        }
        EXPECT_TRUE(seen) << name << ": " << where << "in " << text(room->rect());
    }
    SaveShot(window, "mdi_small_anketa");
}

TEST_F(FrmMdiTest, GrowingForAWideScreenNeverPushesTheMainWindowOffTheDesktop) {
    shell::frmMDI& window = OpenMainWindow();
    const QRect desktop = window.screen()->availableGeometry();
    window.move(desktop.right() - window.frameGeometry().width() - 10, desktop.top());
    ProcessEvents();
    QWidget wide;
    auto* layout = new QVBoxLayout(&wide);
    layout->addStrut(desktop.width() - 100);
    layout->addSpacing(200);
    widgets::MakeRoomInMainWindow(context, wide, 0, 0);
    ProcessEvents();
    EXPECT_GT(window.width(), 640);
    EXPECT_GE(window.frameGeometry().left(), desktop.left());
    EXPECT_LE(window.frameGeometry().right(), desktop.right());
}

}  // namespace
