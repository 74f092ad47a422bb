#pragma once
// The recommendation screen of program 1: the course chosen for the user, its preparations under
// their section headings (each button opens the preparation's description), the use instructions,
// the calendar plan with the user's salutation, the prescription sheet and the news page.
#include <QWidget>
#include <string>

#include "base/bounded_array.h"
#include "platform/app_context.h"
#include "recommendations/list_layout.h"

class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace widgets {
class ClickableLabel;
}

namespace recommendations {

class frmRecom1 : public QWidget {
    Q_OBJECT
  public:
    explicit frmRecom1(platform::AppContext& context);

    // The course chosen at load: "1", "6", "7", "7A", "8", or "" for none.
    const std::string& courseCode() const { return courseCode_; }

    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label3;
    base::Array1<QLabel*> lblRazdel{1, 5, nullptr};
    base::Array1<QPushButton*> cmdPreparat{0, 9, nullptr};
    QFrame* Frame1;
    QLabel* Label2;
    QPushButton* cmdPrint;
    QPushButton* cmdPlan;
    QPushButton* cmdRecept;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* lblInfoURL;
    widgets::ClickableLabel* lblURL;
    QPushButton* cmdReturn;
    QPushButton* cmdClose;

  protected:
    // The window's close box ends the work with the program like cmdClose.
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void Form_Load();
    void ShowList();
    void cmdPreparat_Click(int index);
    void cmdPrint_Click();
    void cmdPlan_Click();
    void cmdRecept_Click();
    void cmdReturn_Click();
    void cmdClose_Click();
    void lblURL_Click();

    platform::AppContext& ctx_;
    QVBoxLayout* list_ = nullptr;
    std::string prepList_;
    std::string dietName_;
    std::string courseCode_;
    ListLayout layout_;
    base::Array1<std::string> docPath_{0, 10};
};

}  // namespace recommendations
