// Zorvek: start-up. Creates the shared state and the services, registers the screens and opens
// the main window.
#include <QLibraryInfo>
#include <QTranslator>

#include "app/first_frame.h"
#include "base/clock.h"
#include "platform/app_context.h"
#include "platform/forms.h"
#include "platform/guarded_application.h"
#include "platform/qt_services.h"
#include "shell/ui/frm_mdi.h"
#include "shell/ui/register_screens.h"
#include "state/shared_state.h"

int main(int argc, char** argv) {
    platform::GuardedApplication app(argc, argv);
    // The start-up benchmark's mark: the welcome screen's picture is the last of the first screen.
    app::FirstFrameProbe probe(QStringLiteral("Image1"));
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(QLocale::Russian), "qtbase", "_",
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&qtTranslations);
    }

    state::SharedState sharedState;
    base::SystemClock clock;
    platform::QtMessageBox messages;
    platform::QtPrinter printer;
    platform::QtShell browser;
    platform::Forms forms;
    platform::AppContext context{sharedState, QCoreApplication::applicationDirPath().toStdString(),
                                 clock,       messages,
                                 printer,     browser,
                                 forms};
    forms.SetContext(&context);
    app.SetMessageBox(&messages);
    shell::RegisterScreens(forms);

    shell::frmMDI mainWindow(context);
    shell::ConnectMainWindow(mainWindow, context);
    mainWindow.show();
    return app.exec();
}
