#pragma once
// A whole application for a screen test: the shared state, a temporary program directory, the
// scripted services and the screen registry, with the main window when a test wants it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "platform/app_context.h"
#include "platform/forms.h"
#include "support/fake_clock.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"

namespace shell {
class frmMDI;
}
namespace questionnaire {
class frmAnketa;
}

namespace testsupport {

class UiFixture : public ::testing::Test {
  protected:
    UiFixture();
    ~UiFixture() override;

    // Opens the main window (start-up as the program does it).
    shell::frmMDI& OpenMainWindow();
    // Lets queued events (deferred deletes, timers that are due) run.
    static void ProcessEvents();

    template <typename T = QWidget>
    T* Find(QWidget* root, const char* name) {
        return root->findChild<T*>(QString::fromLatin1(name));
    }
    QWidget* Screen(const std::string& name) { return forms.Find(name); }

    // Clicks a visible button of a loaded screen with the mouse.
    void Click(const char* screen, const char* button);
    questionnaire::frmAnketa* Anketa();
    // Answers the questions on the page until the test's result shows, the way a person does:
    // reads (the page lock runs out), thinks a moment, clicks one of the visible options: the
    // pattern picks among them, and a negative pattern always takes the first. Returns how many
    // questions were asked.
    int AnswerTest(int pattern);
    // With ZORVEK_SHOTS naming a folder, saves a picture of the widget there as <name>.png, so
    // that a person can look at a screen in the state a test put it in.
    static void SaveShot(QWidget& widget, const QString& name);
    // The user registered or logged in, with profile 1 in the test's program directory.
    struct User {
        const char* lastName;
        const char* firstName;
        const char* sex;  // "m" or "f"
        int yearBirth = 0;
        float height = 0.0f;
        int weight = 0;
    };
    void LogIn(const User& user);

    TempDir dir;
    state::SharedState sharedState;
    FakeClock clock;
    FakeMessageBox messages;
    FakePrinter printer;
    FakeShell browser;
    FakeFileChooser files;
    platform::Forms forms;
    platform::AppContext context{sharedState, dir.path(), clock, messages,  printer,
                                 browser,     files,      forms, dir.path()};
    std::unique_ptr<shell::frmMDI> mainWindow;
};

}  // namespace testsupport
