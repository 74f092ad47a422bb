#include "shell/ui/frm_abort.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/forms.h"
#include "platform/qt_text.h"
#include "platform/widgets/screen_parts.h"
#include "state/programs.h"
#include "text/catalogue.h"

namespace shell {

namespace {
constexpr const char* kForm = "frmAbort";
}

void DisableMainMenus(platform::AppContext& context, const std::vector<std::string>& names) {
    QWidget* mainWindow = context.forms.Find("frmMDI");
    if (!mainWindow) return;
    for (const std::string& name : names) {
        if (auto* action = mainWindow->findChild<QAction*>(QString::fromStdString(name)))
            action->setEnabled(false);
    }
}

frmAbort::frmAbort(platform::AppContext& context, QWidget* parent)
    : QDialog(parent), ctx_(context) {
    setObjectName(kForm);
    setWindowTitle(platform::ToQt(text::FormText(kForm, "Caption")));
    widgets::ScreenParts parts(this, kForm);
    Label2 = parts.Heading("Label2");
    cmdYes = parts.Button("cmdYes");
    cmdNo = parts.Button("cmdNo");
    connect(cmdYes, &QPushButton::clicked, this, &frmAbort::cmdYes_Click);
    connect(cmdNo, &QPushButton::clicked, this, &frmAbort::cmdNo_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdYes);
    buttons->addSpacing(16);
    buttons->addWidget(cmdNo);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 18);
    layout->setSpacing(16);
    layout->addWidget(Label2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    cmdNo->setFocus();

    ctx_.state.dlgResult = 0;  // Form_Load
}

void frmAbort::cmdYes_Click() {
    ctx_.state.dlgResult = 1;
    DisableMainMenus(ctx_, state::InfoMenusClosedByAbort());
    accept();
}

void frmAbort::cmdNo_Click() {
    ctx_.state.dlgResult = 2;
    reject();
}

void frmAbort::Form_Unload() {
    // Closing the window otherwise keeps the program running, as "НЕТ" does.
    if (ctx_.state.dlgResult == 0) ctx_.state.dlgResult = 2;
}

void frmAbort::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmAbort::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QDialog::closeEvent(event);
}

}  // namespace shell
