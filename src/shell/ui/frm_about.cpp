#include "shell/ui/frm_about.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/forms.h"
#include "platform/qt_text.h"
#include "text/catalogue.h"

namespace shell {

namespace {
constexpr char kForm[] = "frmAbout";
}

frmAbout::frmAbout(platform::AppContext& context, QWidget* parent)
    : QDialog(parent), ctx_(context) {
    // Centred over the main window rather than somewhere on the desktop.
    if (!parent) {
        if (QWidget* mainWindow = ctx_.forms.Find("frmMDI")) setParent(mainWindow, windowFlags());
    }
    setWindowTitle(QStringLiteral("About"));

    for (int i = 0; i < 2; ++i) {
        const std::string name = "Label2(" + std::to_string(i) + ")";
        Label2[i] = new QLabel(platform::ToQt(text::FormText(kForm, name)), this);
        Label2[i]->setObjectName(QString::fromStdString(name));
        Label2[i]->setWordWrap(true);
    }
    QFont heading = Label2[0]->font();
    heading.setPointSize(heading.pointSize() + 5);
    heading.setBold(true);
    Label2[0]->setFont(heading);
    Label2[0]->setAlignment(Qt::AlignCenter);
    Label2[0]->setStyleSheet(QStringLiteral("color: #1f5c4f;"));
    Label2[1]->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdOk = new QPushButton(platform::ToQt(text::FormText(kForm, "cmdOk")), this);
    cmdOk->setObjectName("cmdOk");
    cmdOk->setDefault(true);
    cmdOk->setMinimumWidth(100);
    connect(cmdOk, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(14);
    layout->addWidget(Label2[0]);
    layout->addWidget(Label2[1]);
    layout->addLayout(buttons);
    setFixedWidth(460);

    Form_Load();
}

void frmAbout::Form_Load() {
    Label2[1]->setText(platform::ToQt(text::ReplaceBreaks(platform::FromQt(Label2[1]->text()))));
}

void frmAbout::cmdOk_Click() { accept(); }

}  // namespace shell
