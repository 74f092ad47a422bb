#include "shell/ui/frm_mdi.h"

#include <QAction>
#include <QDialog>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

#include "support/ui_fixture.h"

namespace {

class FrmMdiTest : public testsupport::UiFixture {};

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
    std::vector<std::string> asked;
    forms.SetModalRunner([&](QDialog& dialog) {
        asked.push_back(dialog.objectName().toStdString());
        dialog.close();
    });
    window.findChild<QAction*>("mProgram24")->trigger();
    EXPECT_EQ(asked, std::vector<std::string>{"frmChoice"});
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

}  // namespace
