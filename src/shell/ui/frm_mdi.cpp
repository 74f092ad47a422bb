#include "shell/ui/frm_mdi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

#include "docs/ui/show_document.h"
#include "platform/forms.h"
#include "platform/qt_text.h"
#include "platform/widgets/abort_question.h"
#include "shell/ui/frm_welcome.h"
#include "state/programs.h"
#include "text/catalogue.h"

namespace shell {

using platform::ToQt;

namespace {
// The main window at start: 9600 twips wide.
constexpr int kStartWidthTwips = 9600;
constexpr int kStartHeight = 720;
}  // namespace

frmMDI::frmMDI(platform::AppContext& context, QWidget* parent)
    : QMainWindow(parent),
      ctx_(context),
      mdiArea_(new QMdiArea(this)),
      emptyCheck_(new QTimer(this)),
      arrange_(new QTimer(this)) {
    setObjectName("frmMDI");
    // Every window of the program carries the program's picture, not the toolkit's stock icon.
    QApplication::setWindowIcon(QIcon(WelcomePicture()));
    mdiArea_->setObjectName("mdiArea");
    mdiArea_->setBackground(QColor(0x5b, 0x7f, 0x9e));
    setCentralWidget(mdiArea_);
    ctx_.forms.SetMdiArea(mdiArea_);
    ctx_.forms.Adopt("frmMDI", this);
    // Screens hand over to one another by closing one and opening the next at once; the check
    // waits until the events of a hand-over have run.
    emptyCheck_->setSingleShot(true);
    emptyCheck_->setInterval(0);
    connect(emptyCheck_, &QTimer::timeout, this, &frmMDI::WelcomeWhenEmpty);
    mdiArea_->viewport()->installEventFilter(this);
    // A screen that does not fit (a small main window, a large font) is reached by scrolling.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->installEventFilter(this);
    arrange_->setSingleShot(true);
    arrange_->setInterval(0);
    connect(arrange_, &QTimer::timeout, this, &frmMDI::ArrangeScreens);
    MDIForm_Load();
}

frmMDI::~frmMDI() {
    ending_ = true;
    mdiArea_->viewport()->removeEventFilter(this);
}

bool frmMDI::eventFilter(QObject* watched, QEvent* event) {
    if (ending_) return QMainWindow::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (watched == mdiArea_->viewport()) {
        // Only the object part of a removed window is left to look at: its name. Closing the
        // welcome screen itself leaves the area as the user wanted it.
        if (type == QEvent::ChildRemoved &&
            static_cast<QChildEvent*>(event)->child()->objectName() !=
                QStringLiteral("frmWelcome_window"))
            emptyCheck_->start();
        // Polished: the sub-window is fully made by then.
        if (type == QEvent::ChildPolished) {
            if (auto* window =
                    qobject_cast<QMdiSubWindow*>(static_cast<QChildEvent*>(event)->child())) {
                window->installEventFilter(this);
            }
        }
    } else if (watched == mdiArea_) {
        if (type == QEvent::Resize) arrange_->start();
    } else if (qobject_cast<QMdiSubWindow*>(watched)) {
        if (type == QEvent::Show || type == QEvent::Resize) arrange_->start();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::ArrangeScreens() {
    if (ending_) return;
    // While the area is scrolled the screens are where the user scrolled them.
    if (mdiArea_->horizontalScrollBar()->value() != 0 ||
        mdiArea_->verticalScrollBar()->value() != 0)
        return;
    const QSize room = mdiArea_->viewport()->size();
    const QSize start(platform::Twips(kStartWidthTwips), kStartHeight);
    // Centred along one direction when the main window is larger than at its start that way and
    // the room left beside the screen is more than its margins at its own place.
    const auto along = [](int space, int size, int placed, bool larger) {
        const int spare = space - size;
        return larger && spare > 2 * placed ? spare / 2 : placed;
    };
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (window->isHidden() || window->isMaximized() || window->isMinimized()) continue;
        const QVariant designed = window->property(platform::Forms::kPlaceProperty);
        if (!designed.isValid()) continue;
        const QPoint place = designed.toPoint();
        const QPoint target(
            along(room.width(), window->width(), place.x(), width() > start.width()),
            along(room.height(), window->height(), place.y(), height() > start.height()));
        if (window->pos() != target) window->move(target);
    }
}

void frmMDI::WelcomeWhenEmpty() {
    if (ending_) return;
    for (const QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->isHidden()) return;
    }
    ShowWelcome(ctx_);
}

bool frmMDI::ProgramUnderWay() const {
    for (const std::string& name : ctx_.forms.LoadedNames()) {
        if (state::OnProgramRoad(name)) return true;
    }
    return false;
}

void frmMDI::MDIForm_Load() {
    ctx_.state.menuChoice = 0;
    captionList_ = text::GetBufText(0);
    setWindowTitle(
        ToQt(MainWindowCaption(ZORVEK_VERSION_MAJOR, ZORVEK_VERSION_MINOR, ZORVEK_VERSION_PATCH)));
    resize(platform::Twips(kStartWidthTwips), kStartHeight);
    ctx_.state.breakToken = std::string(text::kBreakToken);
    text::BuiltinCatalogue();  // the catalogue holder stays loaded for the whole run
    AddEntries(nullptr, MainMenu());
    // F10 opens the first menu, as in most desktop programs: from there the arrows and Enter
    // reach every item without a mouse.
    auto* openMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
    openMenu->setObjectName("menuKey");
    connect(openMenu, &QShortcut::activated, this, [this] {
        for (QAction* action : menuBar()->actions()) {
            if (action->isEnabled() && action->isVisible()) {
                menuBar()->setActiveAction(action);
                return;
            }
        }
    });
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
    // The close box, the window manager's close and "Выход" all end up here. In the middle of a
    // program they ask the abort question first, as "ВЫХОД ИЗ ТЕСТА" does; otherwise, and after
    // "ДА", every screen closes at once.
    if (ProgramUnderWay() && !widgets::ConfirmAbort(ctx_)) {
        event->ignore();
        return;
    }
    ending_ = true;
    emptyCheck_->stop();
    event->accept();
    qApp->closeAllWindows();
    qApp->quit();
}

}  // namespace shell
