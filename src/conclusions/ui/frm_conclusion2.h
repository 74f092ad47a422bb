#pragma once
// Conclusion of program 2: the chance of a healthy and active long life, the factors that weigh
// against it as option buttons in rule order, and the one the user marks before going on to the
// recommendations.
#include <map>
#include <vector>

#include "conclusions/ui/conclusion_screen.h"

class QRadioButton;
class QVBoxLayout;

namespace conclusions {

class frmConclusion2 : public ConclusionScreen {
    Q_OBJECT
  public:
    explicit frmConclusion2(platform::AppContext& context);

  private:
    void Form_Load();
    void optRez1_Click(int index);
    void cmdContinue_Click() override;

    QLabel* lblName;
    QLabel* Label1;
    QLabel* Label10_4;
    QLabel* lblRez;
    QLabel* Label17;
    std::map<int, QRadioButton*> optRez1;  // 0 the hidden template, 1.. one per listed factor
    QLabel* lblNoSelected;
    QFrame* Frame2;
    QLabel* Label10_0;

    QVBoxLayout* options_;
    std::vector<int> factors_;  // the keys of the listed factors, in rule order
    int marked_ = 0;            // the marked member of optRez1; 0 while none is marked
};

}  // namespace conclusions
