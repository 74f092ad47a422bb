#pragma once
// The main window: the frame of every other screen and the menu bar.
#include <QMainWindow>
#include <string>

#include "platform/app_context.h"
#include "shell/main_menu.h"

class QMdiArea;
class QMenu;

namespace shell {

class frmMDI : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmMDI(platform::AppContext& context, QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return mdiArea_; }

  signals:
    // A program item was chosen (menuChoice already set): the launcher takes over.
    void programChosen(int item);

  protected:
    void closeEvent(QCloseEvent* event) override;  // MDIForm_Unload

  private:
    void MDIForm_Load();
    void AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries);
    void AddEntry(QMenu* menu, const MenuEntry& entry);
    void DocumentItem_Click(const MenuEntry& entry);
    void ProgramItem_Click(const MenuEntry& entry);
    void mAbout_Click();
    void mExit_Click();

    platform::AppContext& ctx_;
    QMdiArea* mdiArea_;
    std::string captionList_;  // the menu-caption list, general-holder slot 0
};

}  // namespace shell
