#pragma once
// The login screen: a returning user picks the name from the registered users and types the
// password; the user's registration data are then loaded into the shared state.
#include <QDialog>
#include <string>
#include <vector>

#include "platform/app_context.h"
#include "users/login.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace users {

class frmLogin : public QDialog {
    Q_OBJECT
  public:
    explicit frmLogin(platform::AppContext& context, QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* cmbUser;
    QLabel* Label2;
    QLineEdit* txtPassw;
    QPushButton* cmdOk;
    QPushButton* cmdQuit;

    void cmdOk_Click();
    void cmdQuit_Click();

  public slots:
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void Form_Unload();
    void txtPassw_KeyPress_Enter();

    platform::AppContext& ctx_;
    std::string wrongPassword_;
    std::vector<LoginEntry> users_;  // entry i belongs to entry i of cmbUser
};

}  // namespace users
