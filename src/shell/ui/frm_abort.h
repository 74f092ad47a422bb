#pragma once
// "Прервать тест ?": asked when the user closes a screen of a running program.
#include <QDialog>
#include <string>
#include <vector>

#include "platform/app_context.h"

class QLabel;
class QPushButton;

namespace shell {

class frmAbort : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbort(platform::AppContext& context, QWidget* parent = nullptr);

    QLabel* Label2;
    QPushButton* cmdYes;
    QPushButton* cmdNo;

    void cmdYes_Click();
    void cmdNo_Click();

  public slots:
    void done(int result) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Unload();

    platform::AppContext& ctx_;
};

// Disables the named actions of the main window one by one; a name that is not there (or a main
// window that is not loaded) is skipped and the next one is tried.
void DisableMainMenus(platform::AppContext& context, const std::vector<std::string>& names);

}  // namespace shell
