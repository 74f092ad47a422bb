#pragma once
// The main window: the frame of every other screen and the menu bar.
#include <QMainWindow>
#include <string>

#include "platform/app_context.h"
#include "shell/main_menu.h"

class QMdiArea;
class QMenu;
class QTimer;

namespace shell {

class frmMDI : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmMDI(platform::AppContext& context, QWidget* parent = nullptr);
    ~frmMDI() override;

    QMdiArea* mdiArea() const { return mdiArea_; }

  signals:
    // A program item was chosen (menuChoice already set): the launcher takes over.
    void programChosen(int item);

  protected:
    void closeEvent(QCloseEvent* event) override;  // MDIForm_Unload
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void MDIForm_Load();
    void AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries);
    void AddEntry(QMenu* menu, const MenuEntry& entry);
    void DocumentItem_Click(const MenuEntry& entry);
    void ProgramItem_Click(const MenuEntry& entry);
    void mAbout_Click();
    void mExit_Click();
    // A screen of a running program is open: ending the work would lose its answers.
    bool ProgramUnderWay() const;
    // The main window is never left empty: when its last screen has closed, the welcome screen
    // comes back.
    void WelcomeWhenEmpty();
    // A screen stands at the place it asked for; in a main window made larger than its start
    // size (maximised) a screen with room to spare around it is centred instead. A screen
    // larger than the working area is reached by scrolling the area.
    void ArrangeScreens();

    platform::AppContext& ctx_;
    QMdiArea* mdiArea_;
    std::string captionList_;  // the menu-caption list, general-holder slot 0
    QTimer* emptyCheck_;       // looks at the working area once a screen has gone
    QTimer* arrange_;          // places the screens once sizes have settled
    bool ending_ = false;
};

}  // namespace shell
