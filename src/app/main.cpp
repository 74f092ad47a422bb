// Zorvek: start-up. Creates the shared state and the services, registers the screens and opens
// the main window.
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>
#include <string_view>

#include "app/first_frame.h"
#include "base/clock.h"
#include "platform/app_context.h"
#include "platform/forms.h"
#include "platform/guarded_application.h"
#include "platform/qt_services.h"
#include "shell/ui/frm_mdi.h"
#include "shell/ui/register_screens.h"
#include "state/shared_state.h"
#include "text/catalogue.h"
#include "users/folders.h"

namespace {

std::filesystem::path PathOf(const QString& dir) { return QDir::cleanPath(dir).toStdString(); }

// The command line: --help, --version and the folder of the profiles. Exits on --help, --version
// and on an unknown option, as command-line programs do.
users::FolderPlaces ReadCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    const auto text = [](const char* name) {
        return QString::fromStdString(text::FormText("commandline", name));
    };
    parser.setApplicationDescription(text("Description"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption profiles(QStringLiteral("profiles"), text("ProfilesOption"),
                                      text("ProfilesValue"));
    parser.addOption(profiles);
    parser.process(app);

    users::FolderPlaces places;
    const QString programDir = QCoreApplication::applicationDirPath();
    places.programDir = PathOf(programDir);
    // An installed copy: its documents in share/zorvek beside the executable's prefix, or in one
    // of the system's data folders.
    places.installedDataDirs.push_back(PathOf(programDir + QStringLiteral("/../share/zorvek")));
    for (const QString& dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        places.installedDataDirs.push_back(PathOf(dir + QStringLiteral("/zorvek")));
    places.userDataDir = PathOf(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (parser.isSet(profiles))
        places.chosenProfiles = PathOf(QDir(parser.value(profiles)).absolutePath());
    return places;
}

// Qt's own texts (dialog buttons, the command line's help) in Russian, when Debian's translations
// are installed.
void TranslateQt(QCoreApplication& app, QTranslator& translations) {
    if (translations.load(QLocale(QLocale::Russian), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&translations);
    }
}

void NameTheApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("zorvek"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(ZORVEK_VERSION_MAJOR)
                                                .arg(ZORVEK_VERSION_MINOR)
                                                .arg(ZORVEK_VERSION_PATCH));
}

// --help and --version answer in the terminal, also where no display is at hand.
bool AsksForInformationOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help" || argument == "-?" ||
            argument == "--help-all" || argument == "-v" || argument == "--version") {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (AsksForInformationOnly(argc, argv)) {
        QCoreApplication terminal(argc, argv);
        QTranslator qtTranslations;
        TranslateQt(terminal, qtTranslations);
        NameTheApplication();
        ReadCommandLine(terminal);  // prints and exits
        return 0;
    }
    platform::GuardedApplication app(argc, argv);
    NameTheApplication();
    // The start-up benchmark's mark: the welcome screen's picture is the last of the first screen.
    app::FirstFrameProbe probe(QStringLiteral("Image1"));
    QTranslator qtTranslations;
    TranslateQt(app, qtTranslations);
    const users::Folders folders = users::ChooseFolders(ReadCommandLine(app));

    state::SharedState sharedState;
    base::SystemClock clock;
    platform::QtMessageBox messages;
    platform::QtPrinter printer;
    platform::QtShell browser;
    platform::QtFileChooser files;
    platform::Forms forms;
    platform::AppContext context{sharedState,     folders.documents, clock, messages,
                                 printer,         browser,           files, forms,
                                 folders.profiles};
    forms.SetContext(&context);
    app.SetMessageBox(&messages);
    shell::RegisterScreens(forms);

    shell::frmMDI mainWindow(context);
    shell::ConnectMainWindow(mainWindow, context);
    mainWindow.show();
    if (!folders.problem.empty()) {
        // Reported once the main window is up, so that the message has a window to stand on.
        QTimer::singleShot(0, &mainWindow, [&messages, &folders] {
            messages.Show(folders.problem, platform::MessageBox::Buttons::Ok,
                          platform::MessageBox::Icon::Warning);
        });
    }
    return app.exec();
}
