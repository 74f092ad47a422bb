#include "shell/ui/run_program.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "base/text_codec.h"
#include "platform/forms.h"
#include "platform/qt_text.h"
#include "shell/program_launch.h"
#include "text/catalogue.h"
#include "users/login.h"
#include "users/profiles.h"
#include "users/ui/frm_regist.h"

namespace shell {
namespace {

using platform::ToQt;

// Sets the caption or text of a control of a loaded screen, found by its name.
void SetControlText(QWidget& screen, const char* control, std::string_view text) {
    QWidget* widget = screen.findChild<QWidget*>(QString::fromLatin1(control));
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(ToQt(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(ToQt(text));
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        box->setText(ToQt(text));
    }
}

void SetChildExamples(QWidget& regist, int item) {
    if (!IsChildProgramItem(item)) return;
    SetControlText(regist, "Label16(1)", kChildWeightExample);
    SetControlText(regist, "Label16(2)", kChildHeightExample);
}

// A new user: the registration screen allocates a new profile. False when it cannot be shown.
bool RegisterNewUser(platform::AppContext& ctx, int item) {
    state::SharedState& s = ctx.state;
    s.navForward = false;
    s.userLastName.clear();
    s.userFirstName.clear();
    s.userYearBirth = 0;
    s.userHeight = 0;
    QWidget* regist = ctx.forms.Load("frmRegist");
    if (!regist) return false;
    SetChildExamples(*regist, item);
    ctx.forms.ShowModal("frmRegist");
    return true;
}

// Chooses the profile of this file in the login list, so that only the password is left to type.
void ChooseProfile(platform::AppContext& ctx, QWidget& login, const std::string& file) {
    auto* list = login.findChild<QComboBox*>(QStringLiteral("cmbUser"));
    if (!list) return;
    const std::vector<users::LoginEntry> entries = users::BuildLoginList(ctx.profileDir);
    for (size_t i = 0; i < entries.size() && static_cast<int>(i) < list->count(); ++i) {
        if (users::ProfilePath(ctx.profileDir, entries[i].fileName) == file) {
            list->setCurrentIndex(static_cast<int>(i));
            return;
        }
    }
}

// A returning user logs in, then confirms the registration data and gives the weight. False when
// there is no registered user or the user gave up. With profileFile, that profile is chosen in
// the login list already.
bool LogInReturningUser(platform::AppContext& ctx, int item, const std::string& profileFile = {}) {
    state::SharedState& s = ctx.state;
    s.navForward = true;
    QWidget* login = ctx.forms.Load("frmLogin");
    if (!login) return false;
    if (s.dlgResult == 2) {  // no registered user: the login screen has said so
        ctx.forms.Unload("frmLogin");
        return false;
    }
    if (!profileFile.empty()) ChooseProfile(ctx, *login, profileFile);
    ctx.forms.ShowModal("frmLogin");
    if (s.dlgResult != 1) return false;

    s.navForward = true;
    QWidget* regist = ctx.forms.Load("frmRegist");
    if (!regist) return false;
    SetChildExamples(*regist, item);
    SetControlText(*regist, "txtLastName", s.userLastName);
    SetControlText(*regist, "txtName", s.userFirstName);
    SetControlText(*regist, "txtYearBirth", std::to_string(s.userYearBirth));
    SetControlText(*regist, "lblNumUser", std::to_string(s.userNum));
    // Chosen as a click would choose it, so that the screen takes the sex as selected.
    const char* sexOption = s.sex() == state::Sex::Woman ? "Option1(1)" : "Option1(0)";
    if (auto* option = regist->findChild<QAbstractButton*>(QString::fromLatin1(sexOption)))
        option->click();
    SetControlText(*regist, "cmdRegist", text::GetListItem(text::GetBufText(6), 2));
    if (IsChildProgramItem(item)) {
        s.userHeight = 0;
        SetControlText(*regist, "txtHeight", "");
    } else {
        SetControlText(*regist, "txtHeight", HeightText(s.userHeight));
    }
    ctx.forms.ShowModal("frmRegist");
    return true;
}

void EnableInfoMenu(platform::AppContext& ctx, const std::string& menu) {
    QWidget* mainWindow = ctx.forms.Find("frmMDI");
    if (!mainWindow) return;
    if (auto* action = mainWindow->findChild<QAction*>(QString::fromStdString(menu)))
        action->setEnabled(true);
}

}  // namespace

void RunProgram(platform::AppContext& ctx, int item) {
    const state::Program* start = ProgramOfItem(item);
    if (!start) return;
    state::SharedState& s = ctx.state;

    // 1. Only the main window stays, and the welcome screen: it is closed once the program
    // starts (step 6), so that a user who closes the choice or is refused is not left with an
    // empty main window.
    for (const std::string& name : ctx.forms.LoadedNames()) {
        const std::string upper = base::ToUpper(name);
        if (upper != "FRMMDI" && upper != "FRMBUFNEW" && upper != "FRMWELCOME")
            ctx.forms.Unload(name);
    }
    if (ctx.forms.LoadedNames().size() > 2) return;

    // 2. New or returning user, under the title and introduction of the program. The screen's
    // layout makes it as tall as the introduction needs, for every program.
    QWidget* choice = ctx.forms.Load("frmChoice");
    if (!choice) return;
    SetControlText(*choice, "Label1", text::GetCatalogText(start->TitleKey()));
    SetControlText(*choice, "Label2", text::GetCatalogText(start->IntroductionKey()));

    // 3. Registration or login.
    ctx.forms.ShowModal("frmChoice");
    if (s.dlgResult == 1) {
        if (!RegisterNewUser(ctx, item)) return;
        // Registered already: the user logs in with the profile the registration found.
        if (s.dlgResult == users::frmRegist::kLogInInstead) {
            const std::string found = s.userFile;
            s.userLastName.clear();
            if (!LogInReturningUser(ctx, item, found)) return;
        }
    } else if (s.dlgResult == 2) {
        if (!LogInReturningUser(ctx, item)) return;
    } else {
        return;  // closed
    }

    // 4. Registration cancelled.
    if (s.dlgResult != 1) return;

    // 5. Age check (also after a registration that the age ended).
    if (!UserAdmitted(s, ctx.clock.Now().year)) {
        ctx.messages.Show(text::GetBufText(2));
        return;
    }

    // 6.-8. The program starts from nothing.
    ctx.forms.Unload("frmWelcome");
    StartProgram(s, *start);
    EnableInfoMenu(ctx, std::string(start->infoMenu));
    ctx.forms.Show(std::string(start->introduction));
}

}  // namespace shell
