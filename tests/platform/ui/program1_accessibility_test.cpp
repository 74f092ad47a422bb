// Program 1 for a person who cannot see the screen or use a mouse: every control a screen shows
// has a name a screen reader can say, and the whole road, from the program menu to the farewell
// screen, is taken with the keyboard alone.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "platform/widgets/clickable_label.h"
#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"
#include "testing/ui/frm_anketa.h"

namespace {

// What a screen reader says for a widget.
QString Spoken(QWidget* widget, QAccessible::Text which = QAccessible::Name) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(which).trimmed() : QString();
}

// The window gets the keyboard, as when the person brings it to the front.
void Activate(QWidget* window) {
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
}

bool Interactive(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const widgets::ClickableLabel*>(widget) ||
           (widget->focusPolicy() & Qt::TabFocus);
}

// The parts a control is made of (a list's popup, a text box's scroll bars) are announced as
// part of it.
bool InsideAControl(const QWidget* widget, const QWidget* screen) {
    for (const QWidget* up = widget->parentWidget(); up && up != screen; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QTextEdit*>(up)) return true;
    }
    return false;
}

class Program1AccessibilityTest : public testsupport::UiFixture {
  protected:
    Program1AccessibilityTest() {
        std::filesystem::copy(std::filesystem::path(TEST_BUILD_DIR) / "Doc", dir.path() / "Doc");
    }

    // Notes every visible control of the screen that a screen reader would leave unnamed.
    void CheckNames(QWidget* screen) {
        ASSERT_NE(screen, nullptr);
        visited.insert(screen->objectName().toStdString());
        CheckTabOrder(screen);
        for (QWidget* widget : screen->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(screen) || !Interactive(widget)) continue;
            if (InsideAControl(widget, screen)) continue;
            if (Spoken(widget).isEmpty()) {
                const QString name = widget->objectName().isEmpty()
                                         ? QString::fromLatin1(widget->metaObject()->className())
                                         : widget->objectName();
                unnamed.push_back(screen->objectName().toStdString() + "." + name.toStdString());
            }
        }
    }
    void CheckNames(const char* screen) { CheckNames(Screen(screen)); }

    // Notes where Tab jumps against the reading order of the screen: up, or left on a row.
    // The recommendations are read as columns (the list, then the documents beside it), which
    // is the order Tab takes there.
    void CheckTabOrder(QWidget* screen) {
        if (screen->objectName() == "frmRecom1") return;
        QWidget* previous = nullptr;
        for (QWidget* next = screen->nextInFocusChain(); next && next != screen;
             next = next->nextInFocusChain()) {
            if (!screen->isAncestorOf(next) || !next->isVisibleTo(screen) ||
                !(next->focusPolicy() & Qt::TabFocus))
                continue;
            if (previous) {
                const QPoint from = previous->mapTo(screen, QPoint());
                const QPoint to = next->mapTo(screen, QPoint());
                const bool sameRow = std::abs(to.y() - from.y()) <= kRowTolerance;
                if (to.y() < from.y() - kRowTolerance || (sameRow && to.x() < from.x()))
                    outOfOrder.push_back(screen->objectName().toStdString() + ": " +
                                         previous->objectName().toStdString() + " -> " +
                                         next->objectName().toStdString());
            }
            previous = next;
        }
    }
    static constexpr int kRowTolerance = 8;

    // The names of the focusable controls in the order Tab reaches them, from the first one.
    static std::vector<std::string> TabWalk(QWidget* from, int steps) {
        std::vector<std::string> order;
        QWidget* at = from;
        for (int i = 0; i < steps && at; ++i) {
            order.push_back(at->objectName().toStdString());
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
        }
        return order;
    }

    // --- the keyboard ------------------------------------------------------------------------

    // The widget the keys go to: the one with the focus, or the window when none has it.
    QWidget* KeyTarget(QWidget* window) {
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        if (QWidget* focused = QApplication::focusWidget()) return focused;
        if (window && window->focusWidget()) return window->focusWidget();
        return window;
    }
    void Key(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(KeyTarget(window), static_cast<Qt::Key>(key), modifiers);
        ProcessEvents();
    }
    // Types the text key by key (Cyrillic letters too).
    void Type(QWidget* window, const QString& text) {
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, KeyTarget(window), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
        ProcessEvents();
    }
    // Tab until the named control of the window has the focus; false when Tab never reaches it.
    bool TabTo(QWidget* window, const char* name) {
        for (int i = 0; i < 40; ++i) {
            QWidget* focused = KeyTarget(window);
            if (focused && focused->objectName() == QLatin1String(name) &&
                window->isAncestorOf(focused))
                return true;
            QTest::keyClick(focused, Qt::Key_Tab);
            ProcessEvents();
        }
        ADD_FAILURE() << "Tab never reaches " << window->objectName().toStdString() << "." << name;
        return false;
    }
    // Tab to a button and press it with the space bar.
    void Press(const char* screen, const char* button) {
        QWidget* window = forms.Find(screen);
        ASSERT_NE(window, nullptr) << screen;
        ASSERT_TRUE(TabTo(window, button));
        Key(window, Qt::Key_Space);
    }
    void PressIn(QWidget* window, const char* button) {
        ASSERT_TRUE(TabTo(window, button));
        Key(window, Qt::Key_Space);
    }

    // F10 opens the menu; the arrows go to «Программы» and its first program; Enter starts it.
    void StartProgram1ByKeys(shell::frmMDI& window) {
        // The main window in front (the offscreen platform forgets it when a screen closes).
        Activate(&window);
        Key(&window, Qt::Key_F10);
        for (int i = 0; i < 10 && window.menuBar()->activeAction() &&
                        window.menuBar()->activeAction()->objectName() != "mProgram";
             ++i)
            Key(&window, Qt::Key_Right);
        auto* programs = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(programs, nullptr);
        ASSERT_EQ(programs->objectName().toStdString(), "mProgram");
        for (int i = 0; i < 10 && (!programs->activeAction() ||
                                   programs->activeAction()->objectName() != "mProgram21");
             ++i)
            Key(&window, Qt::Key_Down);
        Key(&window, Qt::Key_Return);
    }

    // The dialogs of the road, answered with the keyboard.
    void AnswerByKeys(QDialog& dialog) {
        Activate(&dialog);
        const std::string name = dialog.objectName().toStdString();
        dialogsSeen.push_back(name);
        if (name == "frmChoice") {
            PressIn(&dialog, returning ? "cmdSecond" : "cmdNew");
        } else if (name == "frmLogin") {
            // The first name is chosen already and the keyboard is in the password box.
            ASSERT_EQ(KeyTarget(&dialog)->objectName().toStdString(), "txtPassw");
            Type(&dialog, "rose7");
            Key(&dialog, Qt::Key_Return);
        } else if (name == "frmRegist" && returning) {
            // Only the weight is asked for now.
            ASSERT_EQ(KeyTarget(&dialog)->objectName().toStdString(), "txtWeight");
            Type(&dialog, "60");
            Key(&dialog, Qt::Key_Return);
            Key(&dialog, Qt::Key_Return);
            ASSERT_EQ(KeyTarget(&dialog)->objectName().toStdString(), "cmdRegist");
            Key(&dialog, Qt::Key_Space);
        } else if (name == "frmRegist") {
            // Enter goes on from each box to the next one, as the screen promises.
            ASSERT_EQ(KeyTarget(&dialog)->objectName().toStdString(), "txtLastName");
            Type(&dialog, "Соколова");
            Key(&dialog, Qt::Key_Return);
            Type(&dialog, "Анна");
            Key(&dialog, Qt::Key_Return);
            Type(&dialog, QString::number(clock.now.year - 34));
            Key(&dialog, Qt::Key_Return);
            ASSERT_EQ(KeyTarget(&dialog)->objectName().toStdString(), "Option1(0)");
            Key(&dialog, Qt::Key_Right);
            Key(&dialog, Qt::Key_Space);  // a woman
            Key(&dialog, Qt::Key_Return);
            Type(&dialog, "61");
            Key(&dialog, Qt::Key_Return);
            Type(&dialog, "1.66");
            Key(&dialog, Qt::Key_Return);
            Type(&dialog, "rose7");
            Key(&dialog, Qt::Key_Return);
            ASSERT_EQ(KeyTarget(&dialog)->objectName().toStdString(), "cmdRegist");
            Key(&dialog, Qt::Key_Space);
        } else if (name == "frmRTF") {
            Key(&dialog, Qt::Key_Escape);
        } else if (name == "frmAbort") {
            // The question starts on "НЕТ": a stray Space or Enter never ends the test.
            ASSERT_EQ(KeyTarget(&dialog)->objectName().toStdString(), "cmdNo");
            Key(&dialog, Qt::Key_Return);
        }
    }
    // Tab to a button and press it with Enter.
    void Enter(const char* screen, const char* button) {
        QWidget* window = forms.Find(screen);
        ASSERT_NE(window, nullptr) << screen;
        ASSERT_TRUE(TabTo(window, button));
        Key(window, Qt::Key_Return);
    }

    // Answers the page's questions with the arrows and the space bar until the result shows.
    void AnswerByKeys(int test) {
        questionnaire::frmAnketa* anketa = Anketa();
        ASSERT_NE(anketa, nullptr) << test;
        QWidget* frame = Find<QWidget>(anketa, "FrameQuestion");
        for (int asked = 0; frame->isVisible() && asked < 40; ++asked) {
            anketa->Timer1_Timer();  // the page lock runs out
            clock.Advance(0.6);
            QWidget* focused = KeyTarget(anketa);
            ASSERT_TRUE(focused && focused->objectName() == "Option1(1)")
                << "test " << test << ", question " << asked + 1 << ": the keyboard is on "
                << (focused ? focused->objectName().toStdString() : "nothing");
            if (asked % 2 == 1) Key(anketa, Qt::Key_Down);
            Key(anketa, Qt::Key_Space);
        }
        ASSERT_FALSE(frame->isVisible()) << test;
        // The result is heard where the keyboard now is.
        QWidget* focused = KeyTarget(anketa);
        ASSERT_EQ(focused->objectName().toStdString(), "cmdContinue");
        EXPECT_EQ(Spoken(focused, QAccessible::Description).toStdString(),
                  Find<QLabel>(anketa, "lblResult")->text().simplified().toStdString());
        EXPECT_FALSE(Spoken(focused, QAccessible::Description).isEmpty());
    }

    std::set<std::string> visited;
    std::vector<std::string> unnamed;
    std::vector<std::string> outOfOrder;
    std::vector<std::string> dialogsSeen;
    bool returning = false;
};

// Whatever the path through program 1, no control a screen shows is left without a name, and
// Tab goes through every screen as it reads.
TEST_F(Program1AccessibilityTest, EveryControlOnTheRoadHasANameAndTabReadsInOrder) {
    forms.SetModalRunner([&](QDialog& dialog) {
        CheckNames(&dialog);
        const auto press = [&](const char* name) { dialog.findChild<QPushButton*>(name)->click(); };
        const std::string name = dialog.objectName().toStdString();
        if (name == "frmChoice") {
            press(returning ? "cmdSecond" : "cmdNew");
        } else if (name == "frmLogin") {
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtPassw"), "rose7");
            press("cmdOk");
        } else if (name == "frmRegist") {
            if (!returning) {
                dialog.findChild<QLineEdit*>("txtLastName")->setText("Соколова");
                dialog.findChild<QLineEdit*>("txtName")->setText("Анна");
                dialog.findChild<QLineEdit*>("txtYearBirth")
                    ->setText(QString::number(clock.now.year - 34));
                dialog.findChild<QAbstractButton*>("Option1(1)")->click();
                dialog.findChild<QLineEdit*>("txtHeight")->setText("1.66");
                dialog.findChild<QLineEdit*>("txtPassw")->setText("rose7");
            }
            dialog.findChild<QLineEdit*>("txtWeight")->setText("95");
            press("cmdRegist");
        } else if (name == "frmRTF") {
            press("cmdClose");
        } else if (name == "frmAbout") {
            press("cmdOk");
        } else if (name == "frmAbort") {
            press("cmdNo");
        }
    });
    shell::frmMDI& window = OpenMainWindow();
    for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
        if (!action->isSeparator() && !action->objectName().isEmpty()) {
            EXPECT_FALSE(action->text().trimmed().isEmpty()) << action->objectName().toStdString();
        }
    }
    CheckNames("frmWelcome");
    window.findChild<QAction*>("mAbout")->trigger();
    ProcessEvents();

    window.findChild<QAction*>("mProgram21")->trigger();
    ProcessEvents();
    CheckNames("frmRazd1");
    Click("frmRazd1", "cmdClose");  // the abort question, answered "НЕТ"
    Click("frmRazd1", "cmdContinue");
    for (int test = 11; test <= 14; ++test) {
        CheckNames("frmRazd");
        Click("frmRazd", "cmdContinue");
        Anketa()->Timer1_Timer();
        CheckNames("frmAnketa");
        AnswerTest(-1);
        CheckNames("frmAnketa");
        Click("frmAnketa", "cmdContinue");
    }
    CheckNames("frmRezult1");
    // A rating is heard with the row it stands in, its hyphenated caption whole.
    EXPECT_EQ(Spoken(Find<QWidget>(Screen("frmRezult1"), "Label10(2)"), QAccessible::Description)
                  .toStdString(),
              "РАЦИОНАЛЬНОСТЬ ПИТАНИЯ");
    Click("frmRezult1", "cmdContinue");
    CheckNames("frmConclusion1");
    for (int i = 1; i <= 6; ++i) {
        auto* book =
            Find<QPushButton>(Screen("frmConclusion1"), QString("cmdBooks(%1)").arg(i).toLatin1());
        if (book && book->isVisible()) {
            Click("frmConclusion1", QString("cmdBooks(%1)").arg(i).toLatin1());
            break;
        }
    }
    Click("frmConclusion1", "cmdContinue");
    CheckNames("frmRecom1");
    Click("frmRecom1", "cmdPreparat(1)");
    Click("frmRecom1", "cmdPlan");
    Click("frmRecom1", "cmdRecept");
    CheckNames("frmRecept1");
    Click("frmRecept1", "cmdClose");
    Click("frmRecom1", "cmdClose");
    CheckNames("frmEnd");
    Click("frmEnd", "cmdExit");

    returning = true;
    window.findChild<QAction*>("mProgram21")->trigger();
    ProcessEvents();
    ASSERT_TRUE(forms.IsLoaded("frmRazd1"));

    for (const char* screen : {"frmWelcome", "frmAbout", "frmChoice", "frmRegist", "frmLogin",
                               "frmRazd1", "frmRazd", "frmAnketa", "frmAbort", "frmRezult1",
                               "frmConclusion1", "frmRTF", "frmRecom1", "frmRecept1", "frmEnd"})
        EXPECT_TRUE(visited.count(screen)) << screen << " was not looked at";
    std::string list;
    for (const std::string& control : unnamed) list += "\n  " + control;
    EXPECT_TRUE(unnamed.empty()) << "controls without an accessible name:" << list;
    list.clear();
    for (const std::string& jump : outOfOrder) list += "\n  " + jump;
    EXPECT_TRUE(outOfOrder.empty()) << "Tab against the reading order:" << list;
}

using Heard = std::pair<std::string, std::string>;

// The words beside a control reach a screen reader with it: the caption as its name, the
// example or allowed length as its description; the link says what it leads to.
TEST_F(Program1AccessibilityTest, BoxesAndOptionsAreNamedByTheWordsBesideThem) {
    std::map<std::string, std::pair<std::string, std::string>> heard;
    forms.SetModalRunner([&](QDialog& dialog) {
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty())
                heard[widget->objectName().toStdString()] = {
                    Spoken(widget).toStdString(),
                    Spoken(widget, QAccessible::Description).toStdString()};
        }
        if (dialog.objectName() == "frmChoice") dialog.findChild<QPushButton*>("cmdNew")->click();
        if (dialog.objectName() == "frmRegist") dialog.findChild<QPushButton*>("cmdClose")->click();
    });
    OpenMainWindow().findChild<QAction*>("mProgram21")->trigger();
    ProcessEvents();
    EXPECT_EQ(heard["txtLastName"].first, "Фамилия");
    EXPECT_EQ(heard["txtYearBirth"], Heard("Год рождения", "(четыре цифры)"));
    EXPECT_EQ(heard["Option1(0)"], Heard("Муж", "Пол"));
    EXPECT_EQ(heard["Option1(1)"], Heard("Жен", "Пол"));
    EXPECT_EQ(heard["txtWeight"].second, "(например: 82)");
    EXPECT_EQ(heard["txtHeight"], Heard("Рост (м)", "(например: 1.75)"));
    EXPECT_EQ(heard["txtPassw"].first, "Пароль");
}

// Tab goes through the registration screen as it reads: top to bottom, left to right.
TEST_F(Program1AccessibilityTest, TabFollowsTheReadingOrderOfTheRegistration) {
    std::vector<std::string> order;
    forms.SetModalRunner([&](QDialog& dialog) {
        if (dialog.objectName() == "frmChoice") dialog.findChild<QPushButton*>("cmdNew")->click();
        if (dialog.objectName() != "frmRegist") return;
        Activate(&dialog);
        order = TabWalk(dialog.findChild<QWidget*>("txtLastName"), 11);
        dialog.findChild<QPushButton*>("cmdClose")->click();
    });
    OpenMainWindow().findChild<QAction*>("mProgram21")->trigger();
    ProcessEvents();
    // From one option button Tab leaves the pair: the arrows choose between them.
    const std::vector<std::string> expected = {
        "txtLastName", "txtName",      "txtYearBirth", "Option1(0)", "txtWeight",  "txtHeight",
        "txtPassw",    "chkShowPassw", "cmdRegist",    "cmdClose",   "txtLastName"};
    EXPECT_EQ(order, expected);
}

// Program 1 from the menu to the farewell screen without a mouse.
TEST_F(Program1AccessibilityTest, TheWholeRoadIsTakenWithTheKeyboardAlone) {
    clock.now = {2026, 3, 2, 9, 0, 0};
    forms.SetModalRunner([this](QDialog& dialog) { AnswerByKeys(dialog); });
    shell::frmMDI& window = OpenMainWindow();
    Activate(&window);

    ASSERT_NO_FATAL_FAILURE(StartProgram1ByKeys(window));
    ASSERT_TRUE(forms.IsLoaded("frmRazd1"));

    Press("frmRazd1", "cmdClose");  // the abort question, answered "НЕТ"
    ASSERT_TRUE(forms.IsLoaded("frmRazd1"));
    Press("frmRazd1", "cmdContinue");
    for (int test = 11; test <= 14; ++test) {
        Press("frmRazd", "cmdContinue");
        AnswerByKeys(test);
        Press("frmAnketa", "cmdContinue");
    }
    ASSERT_TRUE(forms.IsLoaded("frmRezult1"));
    Enter("frmRezult1", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmConclusion1"));
    // An article of the conclusion opens with Enter and closes with Escape.
    for (int i = 1; i <= 6; ++i) {
        const QByteArray book = QString("cmdBooks(%1)").arg(i).toLatin1();
        auto* button = Find<QPushButton>(Screen("frmConclusion1"), book.constData());
        if (button && button->isVisible()) {
            Enter("frmConclusion1", book.constData());
            break;
        }
    }
    Enter("frmConclusion1", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmRecom1"));

    // A preparation's description, the plan, the news link and the sheet, the news link opens the
    // browser, the sheet opens and closes.
    Enter("frmRecom1", "cmdPreparat(1)");
    Press("frmRecom1", "cmdPlan");
    ASSERT_TRUE(TabTo(Screen("frmRecom1"), "lblURL"));
    Key(Screen("frmRecom1"), Qt::Key_Return);
    EXPECT_EQ(browser.opened.size(), 1u);
    Press("frmRecom1", "cmdRecept");
    ASSERT_TRUE(forms.IsLoaded("frmRecept1"));
    Press("frmRecept1", "cmdClose");
    EXPECT_FALSE(forms.IsLoaded("frmRecept1"));

    Press("frmRecom1", "cmdClose");
    ASSERT_TRUE(forms.IsLoaded("frmEnd"));
    EXPECT_EQ(sharedState.recomForm, "frmRecom1");
    const std::vector<std::string> dialogs = {"frmChoice", "frmRegist", "frmAbort",
                                              "frmRTF",    "frmRTF",    "frmRTF"};
    EXPECT_EQ(dialogsSeen, dialogs);

    // Out to the welcome screen, and back another day: the login and the weight by keys too.
    Press("frmEnd", "cmdExit");
    EXPECT_FALSE(forms.IsLoaded("frmEnd"));
    returning = true;
    dialogsSeen.clear();
    ASSERT_NO_FATAL_FAILURE(StartProgram1ByKeys(window));
    ASSERT_TRUE(forms.IsLoaded("frmRazd1"));
    const std::vector<std::string> again = {"frmChoice", "frmLogin", "frmRegist"};
    EXPECT_EQ(dialogsSeen, again);
    EXPECT_EQ(sharedState.userWeight, 60);
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
}

// On a question the arrows only move between the options; Space or Enter answers. Tab then
// goes from the options to the buttons as they stand.
TEST_F(Program1AccessibilityTest, ArrowsMoveBetweenOptionsWithoutAnswering) {
    LogIn({"Соколова", "Анна", "f", 1990, 1.66f, 61});
    sharedState.ResetAnswers();
    sharedState.curProgram = 1;
    sharedState.firstTest = 11;
    sharedState.lastTest = 14;
    sharedState.curTest = 11;
    OpenMainWindow();
    forms.Show("frmAnketa");
    ProcessEvents();
    questionnaire::frmAnketa* anketa = Anketa();
    ASSERT_NE(anketa, nullptr);
    Activate(anketa->window());
    anketa->Timer1_Timer();
    clock.Advance(0.6);
    ASSERT_EQ(KeyTarget(anketa)->objectName().toStdString(), "Option1(1)");
    const int asked = anketa->questionnaire().questionsShown();
    Key(anketa, Qt::Key_Down);
    Key(anketa, Qt::Key_Down);
    Key(anketa, Qt::Key_Up);
    EXPECT_EQ(KeyTarget(anketa)->objectName().toStdString(), "Option1(2)");
    EXPECT_EQ(anketa->questionnaire().questionsShown(), asked) << "an arrow answered";
    const QString question = Find<QLabel>(anketa, "lblQuestion")->text();
    EXPECT_EQ(Spoken(KeyTarget(anketa), QAccessible::Description).toStdString(),
              question.simplified().toStdString());

    Key(anketa, Qt::Key_Return);
    EXPECT_EQ(anketa->questionnaire().questionsShown(), asked + 1);
    // While the next question is locked the keys wait on the page; then the first option.
    EXPECT_EQ(KeyTarget(anketa), anketa);
    anketa->Timer1_Timer();
    EXPECT_EQ(KeyTarget(anketa)->objectName().toStdString(), "Option1(1)");

    int options = 0;
    while (options < 5 &&
           Find<QWidget>(anketa, QString("Option1(%1)").arg(options + 1).toLatin1())->isVisible())
        ++options;
    const std::vector<std::string> order = TabWalk(KeyTarget(anketa), 5);
    const std::vector<std::string> expected = {"Option1(1)", "cmdContinue", "cmdCount", "cmdReturn",
                                               "cmdExit"};
    EXPECT_EQ(order, expected) << options << " options shown";
}

}  // namespace
