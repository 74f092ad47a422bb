#include "users/ui/frm_regist.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
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
constexpr const char* kForm = "frmRegist";
}

frmRegist::frmRegist(platform::AppContext& context, QWidget* parent)
    : QDialog(parent), ctx_(context) {
    setObjectName(kForm);
    setWindowTitle(ToQt(text::FormText(kForm, "Caption")));
    widgets::ScreenParts parts(this, kForm);

    Label1 = parts.Heading("Label1");
    Label2 = parts.Label("Label2");
    txtLastName = parts.Box("txtLastName", kMaxValueChars);
    Label3 = parts.Label("Label3");
    txtName = parts.Box("txtName", kMaxValueChars);
    Label4 = parts.Label("Label4");
    txtYearBirth = parts.Box("txtYearBirth", 4);
    Label9 = parts.Label("Label9");
    Label5 = parts.Label("Label5");
    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    Label6 = parts.Label("Label6");
    Label7 = parts.Label("Label7");
    for (int i = 0; i < 2; ++i) {
        Option1[i] = new QRadioButton(Frame1);
        Option1[i]->setObjectName(QString("Option1(%1)").arg(i));
        Option1[i]->installEventFilter(this);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) Option1_Click(i);
        });
    }
    Label6->setParent(Frame1);
    Label7->setParent(Frame1);
    Label6->installEventFilter(this);
    Label7->installEventFilter(this);
    Label14 = parts.Label("Label14");
    txtWeight = parts.Box("txtWeight", 3);
    for (int i = 0; i < 3; ++i)
        Label16[i] = parts.Label(QString("Label16(%1)").arg(i).toStdString());
    Label13 = parts.Label("Label13");
    txtHeight = parts.Box("txtHeight", 4);
    Label15 = parts.Label("Label15");
    Label8 = parts.Label("Label8");
    txtPassw = parts.Box("txtPassw", 10);
    Label10 = parts.Label("Label10");
    // The password is masked as at login; the user may look at what was typed.
    widgets::EchoStars(txtPassw);
    chkShowPassw = new QCheckBox(ToQt(text::FormText(kForm, "chkShowPassw")), this);
    chkShowPassw->setObjectName("chkShowPassw");
    connect(chkShowPassw, &QCheckBox::toggled, this, [this](bool shown) {
        txtPassw->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    });
    lblPasswHint = parts.Paragraph("lblPasswHint");
    lblPasswHint->setStyleSheet(QStringLiteral("color: #8a3b12;"));
    lblPasswHint->hide();
    connect(txtPassw, &QLineEdit::textChanged, this, [this](const QString& typed) {
        lblPasswHint->setVisible(txtPassw->isVisibleTo(this) &&
                                 typed.size() >= txtPassw->maxLength());
    });
    Label12 = parts.Label("Label12");
    lblNumUser = parts.Label("lblNumUser");
    cmdRegist = parts.Button("cmdRegist");
    cmdClose = parts.Button("cmdClose");
    for (QLineEdit* box : {txtLastName, txtName, txtYearBirth, txtWeight, txtHeight, txtPassw}) {
        box->installEventFilter(this);
    }
    connect(cmdRegist, &QPushButton::clicked, this, &frmRegist::cmdRegist_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmRegist::cmdClose_Click);

    // Layout: one row per datum, the example or hint to the right of its box.
    auto* sexRow = new QHBoxLayout(Frame1);
    sexRow->setContentsMargins(8, 2, 8, 2);
    sexRow->addWidget(Option1[0]);
    sexRow->addWidget(Label6);
    sexRow->addSpacing(24);
    sexRow->addWidget(Option1[1]);
    sexRow->addWidget(Label7);
    sexRow->addStretch();

    auto* weightExample = new QHBoxLayout;
    weightExample->setSpacing(0);
    weightExample->addWidget(Label16[0]);
    weightExample->addSpacing(3);
    weightExample->addWidget(Label16[1]);
    weightExample->addStretch();
    auto* heightExample = new QHBoxLayout;
    heightExample->setSpacing(0);
    heightExample->addWidget(Label15);
    heightExample->addSpacing(3);
    heightExample->addWidget(Label16[2]);
    heightExample->addStretch();

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(txtLastName, 0, 1, 1, 2);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(txtName, 1, 1, 1, 2);
    grid->addWidget(Label4, 2, 0);
    grid->addWidget(txtYearBirth, 2, 1);
    grid->addWidget(Label9, 2, 2);
    grid->addWidget(Label5, 3, 0);
    grid->addWidget(Frame1, 3, 1, 1, 2);
    grid->addWidget(Label14, 4, 0);
    grid->addWidget(txtWeight, 4, 1);
    grid->addLayout(weightExample, 4, 2);
    grid->addWidget(Label13, 5, 0);
    grid->addWidget(txtHeight, 5, 1);
    grid->addLayout(heightExample, 5, 2);
    auto* passwordNote = new QHBoxLayout;
    passwordNote->addWidget(Label10);
    passwordNote->addSpacing(8);
    passwordNote->addWidget(chkShowPassw);
    passwordNote->addStretch();
    grid->addWidget(Label8, 6, 0);
    grid->addWidget(txtPassw, 6, 1);
    grid->addLayout(passwordNote, 6, 2);
    grid->addWidget(lblPasswHint, 7, 1, 1, 2);
    grid->addWidget(Label12, 8, 0);
    grid->addWidget(lblNumUser, 8, 1);
    grid->setColumnMinimumWidth(1, 110);
    grid->setColumnStretch(2, 1);
    for (QLineEdit* shortBox : {txtYearBirth, txtWeight, txtHeight, txtPassw})
        shortBox->setMaximumWidth(130);
    txtLastName->setMinimumWidth(300);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRegist);
    buttons->addSpacing(16);
    buttons->addWidget(cmdClose);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 14, 20, 16);
    layout->addWidget(Label1);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addSpacing(14);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // A screen reader announces each box by its caption, with the example or hint beside it; the
    // option buttons by the words next to them, within the caption of the sex.
    widgets::NameFromCaption(txtLastName, Label2);
    widgets::NameFromCaption(txtName, Label3);
    widgets::NameFromCaption(txtYearBirth, Label4, {Label9});
    widgets::NameFromCaption(Option1[0], Label6, {Label5});
    widgets::NameFromCaption(Option1[1], Label7, {Label5});
    widgets::NameFromCaption(txtWeight, Label14, {Label16[0], Label16[1]});
    widgets::NameFromCaption(txtHeight, Label13, {Label15, Label16[2]});
    widgets::NameFromCaption(txtPassw, Label8, {Label10});

    setTabOrder(txtLastName, txtName);
    setTabOrder(txtName, txtYearBirth);
    setTabOrder(txtYearBirth, Option1[0]);
    setTabOrder(Option1[0], Option1[1]);
    setTabOrder(Option1[1], txtWeight);
    setTabOrder(txtWeight, txtHeight);
    setTabOrder(txtHeight, txtPassw);
    setTabOrder(txtPassw, chkShowPassw);
    setTabOrder(chkShowPassw, cmdRegist);
    setTabOrder(cmdRegist, cmdClose);

    Form_Load();
}

void frmRegist::Form_Load() {
    messageList_ = FromQt(lblNumUser->text());
    lblNumUser->clear();
    ctx_.state.dlgResult = 0;
    if (!ctx_.state.navForward) {
        if (const std::optional<NewProfile> profile = AllocateProfile(ctx_.profileDir)) {
            ctx_.state.userNum = profile->number;
            ctx_.state.userFile = profile->file;
        } else {
            // Every number is taken: no registration is possible, the screen closes when shown.
            noFreeNumber_ = true;
            ctx_.messages.Show(NoFreeProfileText(), platform::MessageBox::Buttons::Ok,
                               platform::MessageBox::Icon::Warning);
            ctx_.state.dlgResult = 2;
        }
    }
    if (!noFreeNumber_) lblNumUser->setText(QString::number(ctx_.state.userNum));
    if (!ctx_.state.userLastName.empty()) {
        Label8->hide();
        txtPassw->hide();
        Label10->hide();
        chkShowPassw->hide();
        lblPasswHint->hide();
        // A returning user's data are filled in; what is asked for now is the weight.
        txtWeight->setFocus();
    } else {
        txtLastName->setFocus();
    }
    ctx_.forms.Place(this, 105, 2145);
}

void frmRegist::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (noFreeNumber_) QTimer::singleShot(0, this, &QDialog::reject);
}

QLineEdit* frmRegist::Box(Field field) const {
    switch (field) {
        case Field::LastName:
            return txtLastName;
        case Field::Name:
            return txtName;
        case Field::YearBirth:
            return txtYearBirth;
        case Field::Weight:
            return txtWeight;
        case Field::Height:
            return txtHeight;
        case Field::Password:
            return txtPassw;
        case Field::None:
            break;
    }
    return nullptr;
}

void frmRegist::cmdRegist_Click() {
    if (noFreeNumber_) {
        ctx_.messages.Show(NoFreeProfileText(), platform::MessageBox::Buttons::Ok,
                           platform::MessageBox::Icon::Warning);
        return;
    }
    state::SharedState& state = ctx_.state;
    RegistrationForm typed{FromQt(txtLastName->text()),
                           FromQt(txtName->text()),
                           FromQt(txtYearBirth->text()),
                           FromQt(txtWeight->text()),
                           FromQt(txtHeight->text()),
                           FromQt(txtPassw->text()),
                           chosenSex_};
    const bool newUser = state.userLastName.empty();
    const base::DateTime now = ctx_.clock.Now();
    const RegistrationCheck check =
        CheckRegistration(typed, newUser, now.year, ProgramAgeRange(state.menuChoice));

    // The boxes show what was checked: trimmed, with points for commas in the numbers.
    const RegistrationForm& form = check.form;
    txtLastName->setText(ToQt(form.lastName));
    txtName->setText(ToQt(form.name));
    txtYearBirth->setText(ToQt(form.yearBirth));
    txtPassw->setText(ToQt(form.password));
    txtHeight->setText(ToQt(form.height));
    txtWeight->setText(ToQt(form.weight));
    if (check.yearBirth) state.userYearBirth = *check.yearBirth;
    if (check.weight) state.userWeight = *check.weight;
    if (check.height) state.userHeight = *check.height;

    switch (check.outcome) {
        case RegistrationCheck::Outcome::Rejected: {
            const std::string message = check.messageItem
                                            ? text::GetListItem(messageList_, check.messageItem)
                                            : check.message;
            ctx_.messages.Show(message, platform::MessageBox::Buttons::Ok);
            if (QLineEdit* box = Box(check.focus)) {
                box->setFocus();
                box->selectAll();
            }
            return;
        }
        case RegistrationCheck::Outcome::AgeMismatch:
            // The launcher says why; nothing is written.
            state.dlgResult = 1;
            accept();
            return;
        case RegistrationCheck::Outcome::Accepted:
            break;
    }

    // The same person registered before would get a second, identical name in the login list:
    // offer the login instead; registering anyway stays possible.
    if (newUser && check.yearBirth) {
        if (const std::optional<std::string> same =
                FindRegisteredPerson(ctx_.profileDir, form.lastName, form.name, *check.yearBirth)) {
            const QString question = ToQt(text::FormText(kForm, "msgSamePerson"))
                                         .arg(ToQt(form.lastName + " " + form.name))
                                         .arg(*check.yearBirth);
            if (ctx_.messages.Show(FromQt(question), platform::MessageBox::Buttons::OkCancel) ==
                platform::MessageBox::Answer::Ok) {
                state.userFile = ProfilePath(ctx_.profileDir, *same);
                state.dlgResult = kLogInInstead;
                accept();
                return;
            }
        }
    }

    const WriteResult written = WriteIni(state.userFile, SettingsEntries(check, now));
    if (!written) {
        ctx_.messages.Show(WriteFailureText(state.userFile, written),
                           platform::MessageBox::Buttons::Ok, platform::MessageBox::Icon::Critical);
        return;
    }
    state.userLastName = form.lastName;
    state.userFirstName = form.name;
    state.userSex = SexCode(form.chosenSex);
    state.nextTestNum = NextTestNum(state.userFile);
    state.dlgResult = 1;
    accept();
}

void frmRegist::cmdClose_Click() {
    hide();
    ctx_.state.dlgResult = 2;
    reject();
}

void frmRegist::Option1_Click(int index) { chosenSex_ = index + 1; }

void frmRegist::Form_Unload() {
    // Closing the window in any other way counts as cancel.
    if (ctx_.state.dlgResult == 0) ctx_.state.dlgResult = 2;
}

void frmRegist::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmRegist::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QDialog::closeEvent(event);
}

void frmRegist::KeyDown_Enter(QObject* from) {
    const bool newUser = ctx_.state.userLastName.empty();
    QWidget* to = nullptr;
    if (from == txtLastName) {
        to = newUser ? txtName : nullptr;
    } else if (from == txtName) {
        to = newUser ? txtYearBirth : nullptr;
    } else if (from == txtYearBirth) {
        to = newUser ? Option1[0] : nullptr;
    } else if (from == Option1[0] || from == Option1[1]) {
        to = newUser ? txtWeight : nullptr;
    } else if (from == txtWeight) {
        to = txtHeight;
    } else if (from == txtHeight) {
        to = newUser ? static_cast<QWidget*>(txtPassw) : cmdRegist;
    } else if (from == txtPassw) {
        to = newUser ? cmdRegist : nullptr;
    }
    if (to) to->setFocus(Qt::TabFocusReason);
}

bool frmRegist::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            KeyDown_Enter(watched);
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonPress &&
               (watched == Label6 || watched == Label7)) {
        // The words beside the option buttons choose them too.
        QRadioButton* option = Option1[watched == Label6 ? 0 : 1];
        option->setChecked(true);
        option->setFocus(Qt::MouseFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace users
