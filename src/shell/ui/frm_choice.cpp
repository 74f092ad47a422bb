#include "shell/ui/frm_choice.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt_text.h"
#include "platform/widgets/screen_parts.h"
#include "text/catalogue.h"

namespace shell {

namespace {
constexpr const char* kForm = "frmChoice";
}

frmChoice::frmChoice(platform::AppContext& context, QWidget* parent)
    : QDialog(parent), ctx_(context) {
    setObjectName(kForm);
    setWindowTitle(platform::ToQt(text::FormText(kForm, "Caption")));
    widgets::ScreenParts parts(this, kForm);
    Label1 = parts.Heading("Label1");
    Label2 = parts.Paragraph("Label2");
    Label3 = parts.Heading("Label3");
    cmdNew = parts.Button("cmdNew");
    cmdSecond = parts.Button("cmdSecond");
    cmdClose = parts.Button("cmdClose");
    connect(cmdNew, &QPushButton::clicked, this, &frmChoice::cmdNew_Click);
    connect(cmdSecond, &QPushButton::clicked, this, &frmChoice::cmdSecond_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmChoice::cmdClose_Click);

    // A long introduction wraps within a fixed width and makes the window taller.
    Label2->setFixedWidth(540);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdNew);
    buttons->addSpacing(12);
    buttons->addWidget(cmdSecond);
    buttons->addSpacing(12);
    buttons->addWidget(cmdClose);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addSpacing(6);
    layout->addWidget(Label3);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    ctx_.state.dlgResult = 0;  // Form_Load
}

void frmChoice::Answer(int result) {
    ctx_.state.dlgResult = static_cast<int16_t>(result);
    accept();
}

void frmChoice::cmdNew_Click() { Answer(1); }
void frmChoice::cmdSecond_Click() { Answer(2); }
void frmChoice::cmdClose_Click() { Answer(3); }

void frmChoice::Form_Unload() {
    // The window closed by its close box or Escape: the same as "ЗАКРЫТЬ".
    if (ctx_.state.dlgResult == 0) ctx_.state.dlgResult = 3;
}

void frmChoice::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmChoice::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QDialog::closeEvent(event);
}

}  // namespace shell
