#pragma once
// The prescription sheets: a small printable form listing the preparations recommended to the
// user, one a line, under the user's salutation and with today's date. The recommendation screen
// that opens a sheet fills its lines; the sheet adds only its heading, its date and its buttons.
#include <QWidget>
#include <string>
#include <vector>

#include "platform/app_context.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace recommendations {

class ReceptSheet : public QWidget {
    Q_OBJECT
  public:
    // The caller's filling: the lines in order, each shown on lblName(0), lblName(1), ...; every
    // other line hidden. Where the sheet cannot grow, more lines than it has are the run-time
    // failure "subscript out of range".
    void FillLines(const std::vector<std::string>& lines);
    // A heading of the caller's own in place of the one addressed to the user.
    void SetHeading(const std::string& heading);

    QLabel* Label1;
    QLabel* Label3;
    std::vector<QLabel*> lblName;
    QLabel* lblDate;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;

  protected:
    ReceptSheet(platform::AppContext& context, const char* formName, bool grows);

  private:
    void Form_Load();
    void cmdPrint_Click();
    void cmdClose_Click();
    QLabel* NewLine(int index);

    platform::AppContext& ctx_;
    const char* form_;
    bool grows_;
    QVBoxLayout* lines_;
};

// Programs 1, 3, 4 and 5: thirteen lines.
class frmRecept1 : public ReceptSheet {
    Q_OBJECT
  public:
    explicit frmRecept1(platform::AppContext& context);
};

// Program 2: thirteen lines to start with, and as many more as it is given.
class frmRecept2 : public ReceptSheet {
    Q_OBJECT
  public:
    explicit frmRecept2(platform::AppContext& context);
};

}  // namespace recommendations
