#pragma once
// The farewell screen after a program's recommendations: greets the user and either returns to
// the recommendations or goes back to the welcome screen.
#include <QWidget>

#include "platform/app_context.h"

class QFrame;
class QLabel;
class QPushButton;

namespace shell {

class frmEnd : public QWidget {
    Q_OBJECT
  public:
    explicit frmEnd(platform::AppContext& context, QWidget* parent = nullptr);

    // Control arrays, indexed as designed; members that do not exist are null.
    QFrame* FrameEnd[4] = {};
    QLabel* lblName[1] = {};
    QLabel* LabelT[4] = {};
    QLabel* Label5[15] = {};
    QLabel* Label3[2] = {};
    QLabel* Image1[2] = {};
    QPushButton* cmdReturn;
    QPushButton* cmdExit;

    void cmdReturn_Click();
    void cmdExit_Click();

  private:
    void Form_Load();

    platform::AppContext& ctx_;
};

}  // namespace shell
