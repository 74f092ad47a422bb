#pragma once
// The about screen: the program's rights and authorship statement, shown modally from the menu.
#include <QDialog>

#include "platform/app_context.h"

class QLabel;
class QPushButton;

namespace shell {

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(platform::AppContext& context, QWidget* parent = nullptr);

    QLabel* Label2[2];  // 0: the heading, 1: the statement
    QPushButton* cmdOk;

  private:
    void Form_Load();
    void cmdOk_Click();

    platform::AppContext& ctx_;
};

}  // namespace shell
