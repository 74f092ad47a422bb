#include "shell/ui/frm_mdi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMdiArea>
#include <QMenuBar>

#include "docs/ui/show_document.h"
#include "platform/forms.h"
#include "platform/qt_text.h"
#include "shell/ui/frm_welcome.h"
#include "text/catalogue.h"

namespace shell {

using platform::ToQt;

frmMDI::frmMDI(platform::AppContext& context, QWidget* parent)
    : QMainWindow(parent), ctx_(context), mdiArea_(new QMdiArea(this)) {
    setObjectName("frmMDI");
    // Every window of the program carries the program's picture, not the toolkit's stock icon.
    QApplication::setWindowIcon(QIcon(WelcomePicture()));
    mdiArea_->setObjectName("mdiArea");
    mdiArea_->setBackground(QColor(0x5b, 0x7f, 0x9e));
    setCentralWidget(mdiArea_);
    ctx_.forms.SetMdiArea(mdiArea_);
    ctx_.forms.Adopt("frmMDI", this);
    MDIForm_Load();
}

void frmMDI::MDIForm_Load() {
    ctx_.state.menuChoice = 0;
    captionList_ = text::GetBufText(0);
    setWindowTitle(
        ToQt(MainWindowCaption(ZORVEK_VERSION_MAJOR, ZORVEK_VERSION_MINOR, ZORVEK_VERSION_PATCH)));
    resize(platform::Twips(9600), 720);
    ctx_.state.breakToken = std::string(text::kBreakToken);
    text::BuiltinCatalogue();  // the catalogue holder stays loaded for the whole run
    AddEntries(nullptr, MainMenu());
    ctx_.forms.Show("frmWelcome");
}

void frmMDI::AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) AddEntry(menu, entry);
}

void frmMDI::AddEntry(QMenu* menu, const MenuEntry& entry) {
    const QString caption = ToQt(MenuCaption(entry, captionList_));
    const QString name = QString::fromStdString(entry.name);
    if (!entry.children.empty()) {
        QMenu* submenu = menu ? menu->addMenu(caption) : menuBar()->addMenu(caption);
        submenu->setObjectName(name);
        submenu->menuAction()->setObjectName(name);
        submenu->menuAction()->setEnabled(entry.enabledAtStart);
        AddEntries(submenu, entry.children);
        return;
    }
    QAction* action = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    action->setObjectName(name);
    action->setEnabled(entry.enabledAtStart);
    if (entry.neverEnabled) {
        // Shown, but never chosen: anything that enables it is undone at once.
        connect(action, &QAction::changed, action, [action] {
            if (action->isEnabled()) action->setEnabled(false);
        });
        return;
    }
    connect(action, &QAction::triggered, this, [this, &entry] {
        if (!entry.document.empty()) {
            DocumentItem_Click(entry);
        } else if (entry.program != 0) {
            ProgramItem_Click(entry);
        } else if (entry.name == "mAbout") {
            mAbout_Click();
        } else if (entry.name == "mExit") {
            mExit_Click();
        }
    });
}

void frmMDI::DocumentItem_Click(const MenuEntry& entry) {
    ctx_.state.menuChoice = entry.menuChoice;
    docs::ShowDocument(ctx_, entry.document);
}

void frmMDI::ProgramItem_Click(const MenuEntry& entry) {
    ctx_.state.menuChoice = entry.menuChoice;
    emit programChosen(entry.program);
}

void frmMDI::mAbout_Click() { ctx_.forms.ShowModal("frmAbout"); }

void frmMDI::mExit_Click() { close(); }

void frmMDI::closeEvent(QCloseEvent* event) {
    // Ending the program closes every screen at once; no question is asked.
    event->accept();
    qApp->closeAllWindows();
    qApp->quit();
}

}  // namespace shell
