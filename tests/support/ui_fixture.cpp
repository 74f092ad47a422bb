#include "support/ui_fixture.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>

#include "shell/ui/frm_mdi.h"
#include "shell/ui/register_screens.h"
#include "testing/ui/frm_anketa.h"

namespace testsupport {

UiFixture::UiFixture() {
    forms.SetContext(&context);
    shell::RegisterScreens(forms);
}

UiFixture::~UiFixture() {
    for (const std::string& name : forms.LoadedNames()) {
        if (name != "frmMDI") forms.Unload(name);
    }
    mainWindow.reset();
    ProcessEvents();
}

shell::frmMDI& UiFixture::OpenMainWindow() {
    mainWindow = std::make_unique<shell::frmMDI>(context);
    shell::ConnectMainWindow(*mainWindow, context);
    mainWindow->show();
    return *mainWindow;
}

void UiFixture::ProcessEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void UiFixture::Click(const char* screen, const char* button) {
    ASSERT_TRUE(forms.IsLoaded(screen)) << screen;
    auto* target = Find<QPushButton>(Screen(screen), button);
    ASSERT_TRUE(target && target->isVisible()) << screen << "." << button;
    QTest::mouseClick(target, Qt::LeftButton);
    ProcessEvents();
}

questionnaire::frmAnketa* UiFixture::Anketa() {
    return qobject_cast<questionnaire::frmAnketa*>(Screen("frmAnketa"));
}

int UiFixture::AnswerTest(int pattern) {
    const auto option = [this](int n) {
        return Anketa()->findChild<QAbstractButton*>(QStringLiteral("Option1(%1)").arg(n));
    };
    int answered = 0;
    while (Find<QWidget>(Anketa(), "FrameQuestion")->isVisible() && answered < 40) {
        if (QTimer* lock = Find<QTimer>(Anketa(), "Timer1"); lock->isActive())
            Anketa()->Timer1_Timer();
        clock.Advance(0.6);
        int visible = 0;
        while (visible < 5 && option(visible + 1)->isVisible()) ++visible;
        const int chosen = pattern < 0 ? 1 : (answered + pattern) % visible + 1;
        QTest::mouseClick(option(chosen), Qt::LeftButton);
        ++answered;
    }
    return answered;
}

void UiFixture::SaveShot(QWidget& widget, const QString& name) {
    if (const char* folder = std::getenv("ZORVEK_SHOTS"))
        widget.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

void UiFixture::LogIn(const User& user) {
    sharedState.userNum = 1;
    sharedState.userFile = (dir.path() / "ZRVI001.ini").string();
    sharedState.userLastName = user.lastName;
    sharedState.userFirstName = user.firstName;
    sharedState.userSex = user.sex;
    sharedState.userYearBirth = static_cast<int16_t>(user.yearBirth);
    sharedState.userHeight = user.height;
    sharedState.userWeight = static_cast<int16_t>(user.weight);
    sharedState.nextTestNum = 1;
}

}  // namespace testsupport
