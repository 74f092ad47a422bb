#pragma once
// New or returning user: asked when a program is chosen. The launcher puts the program's title
// and introduction into Label1 and Label2 before showing it.
#include <QDialog>

#include "platform/app_context.h"

class QLabel;
class QPushButton;

namespace shell {

class frmChoice : public QDialog {
    Q_OBJECT
  public:
    explicit frmChoice(platform::AppContext& context, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* cmdNew;
    QPushButton* cmdSecond;
    QPushButton* cmdClose;

    void cmdNew_Click();
    void cmdSecond_Click();
    void cmdClose_Click();

  public slots:
    void done(int result) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Answer(int result);
    void Form_Unload();

    platform::AppContext& ctx_;
};

}  // namespace shell
