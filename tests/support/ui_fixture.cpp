#include "support/ui_fixture.h"

#include <QCoreApplication>

#include "shell/ui/frm_mdi.h"
#include "shell/ui/register_screens.h"

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

}  // namespace testsupport
