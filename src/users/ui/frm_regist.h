#pragma once
// The registration screen: a new user types the personal data and a password; a returning user
// (continue mode, pre-filled by the launcher) confirms the data with the current weight.
#include <QDialog>
#include <string>

#include "platform/app_context.h"
#include "users/registration.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QFrame;

namespace users {

class frmRegist : public QDialog {
    Q_OBJECT
  public:
    // dlgResult when the user, found registered already, chose to log in instead; userFile then
    // names that user's profile.
    static constexpr int16_t kLogInInstead = 3;

    explicit frmRegist(platform::AppContext& context, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* txtLastName;
    QLabel* Label3;
    QLineEdit* txtName;
    QLabel* Label4;
    QLineEdit* txtYearBirth;
    QLabel* Label9;
    QLabel* Label5;
    QFrame* Frame1;
    QRadioButton* Option1[2];
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label14;
    QLineEdit* txtWeight;
    QLabel* Label16[3];
    QLabel* Label13;
    QLineEdit* txtHeight;
    QLabel* Label15;
    QLabel* Label8;
    QLineEdit* txtPassw;
    QLabel* Label10;
    QCheckBox* chkShowPassw;
    QLabel* lblPasswHint;
    QLabel* Label12;
    QLabel* lblNumUser;
    QPushButton* cmdRegist;
    QPushButton* cmdClose;

    void cmdRegist_Click();
    void cmdClose_Click();
    void Option1_Click(int index);

  public slots:
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    void Form_Unload();
    void KeyDown_Enter(QObject* from);
    QLineEdit* Box(Field field) const;

    platform::AppContext& ctx_;
    std::string messageList_;
    int chosenSex_ = 0;
    bool noFreeNumber_ = false;
};

}  // namespace users
