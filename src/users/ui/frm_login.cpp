#include "users/ui/frm_login.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/forms.h"
#include "platform/qt_text.h"
#include "platform/widgets/accessible_names.h"
#include "platform/widgets/screen_parts.h"
#include "text/catalogue.h"
#include "users/ini_file.h"
#include "users/profiles.h"

namespace users {

using platform::FromQt;
using platform::ToQt;

namespace {
constexpr const char* kForm = "frmLogin";
}

frmLogin::frmLogin(platform::AppContext& context, QWidget* parent)
    : QDialog(parent), ctx_(context) {
    setObjectName(kForm);
    setWindowTitle(ToQt(text::FormText(kForm, "Caption")));
    widgets::ScreenParts parts(this, kForm);
    Label1 = parts.Label("Label1");
    cmbUser = new QComboBox(this);
    cmbUser->setObjectName("cmbUser");
    cmbUser->setEditable(false);
    cmbUser->setMinimumWidth(320);
    cmbUser->setMaxVisibleItems(20);
    Label2 = parts.Label("Label2");
    txtPassw = parts.Box("txtPassw", 0);
    widgets::EchoStars(txtPassw);
    txtPassw->installEventFilter(this);
    cmdOk = parts.Button("cmdOk");
    cmdQuit = parts.Button("cmdQuit");
    connect(cmdOk, &QPushButton::clicked, this, &frmLogin::cmdOk_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmLogin::cmdQuit_Click);

    widgets::NameFromCaption(cmbUser, Label1);
    widgets::NameFromCaption(txtPassw, Label2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addSpacing(16);
    buttons->addWidget(cmdQuit);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(6);
    layout->addWidget(Label1);
    layout->addWidget(cmbUser);
    layout->addSpacing(10);
    layout->addWidget(Label2);
    layout->addWidget(txtPassw);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void frmLogin::Form_Load() {
    ctx_.state.dlgResult = 0;
    wrongPassword_ = FromQt(txtPassw->text());
    txtPassw->clear();
    txtPassw->setMaxLength(10);
    users_ = BuildLoginList(ctx_.profileDir);
    if (users_.empty()) {
        ctx_.messages.Show(text::GetListItem(text::GetBufText(6), 3),
                           platform::MessageBox::Buttons::Ok);
        ctx_.state.dlgResult = 2;
        return;
    }
    for (const LoginEntry& entry : users_) cmbUser->addItem(ToQt(entry.displayName));
    cmbUser->setCurrentIndex(0);
    // The first name is chosen already: the password is typed straight away.
    txtPassw->setFocus();
    ctx_.forms.Place(this, 915, 2445);
}

void frmLogin::cmdOk_Click() {
    const int selected = cmbUser->currentIndex();
    if (selected < 0 || selected >= static_cast<int>(users_.size())) return;
    const LoginEntry& entry = users_[static_cast<size_t>(selected)];
    const std::string file = ProfilePath(ctx_.profileDir, entry.fileName);

    const std::string stored = ReadIni(file, kSettings, kPasswKey, kMissing);
    if (!PasswordMatches(FromQt(txtPassw->text()), stored)) {
        ctx_.messages.Show(wrongPassword_, platform::MessageBox::Buttons::Ok);
        return;
    }
    const LoadedUser loaded = ReadProfileUser(file, entry.fileName, entry.displayName);
    if (!loaded.ok) {
        ctx_.messages.Show(loaded.damage, platform::MessageBox::Buttons::Ok,
                           platform::MessageBox::Icon::Warning);
        return;
    }
    state::SharedState& state = ctx_.state;
    state.userFile = file;
    state.userFirstName = loaded.user.firstName;
    state.userLastName = loaded.user.lastName;
    state.userNum = loaded.user.number;
    state.userYearBirth = loaded.user.yearBirth;
    state.userSex = loaded.user.sex;
    state.userHeight = loaded.user.height;
    state.nextTestNum = loaded.user.nextTestNum;
    state.dlgResult = 1;
    accept();
}

void frmLogin::cmdQuit_Click() {
    ctx_.state.dlgResult = 2;
    reject();
}

void frmLogin::Form_Unload() {
    if (ctx_.state.dlgResult == 0) ctx_.state.dlgResult = 2;
}

void frmLogin::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmLogin::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QDialog::closeEvent(event);
}

void frmLogin::txtPassw_KeyPress_Enter() {
    // With the password typed, Enter logs in. On an empty box it only goes on to "OK", so that
    // a stray Enter is not taken for a wrong password.
    if (txtPassw->text().trimmed().isEmpty()) {
        cmdOk->setFocus(Qt::TabFocusReason);
    } else {
        cmdOk_Click();
    }
}

bool frmLogin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtPassw && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtPassw_KeyPress_Enter();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace users
