#pragma once
// Conclusion of program 4: whether the user belongs to a risk group for cancer and how high the
// risk is, the sources of risk found and an article on each; or, after a marked weight loss, only
// the advice to see a doctor.
#include <QPushButton>
#include <map>

#include "conclusions/ui/conclusion_screen.h"

class QVBoxLayout;

namespace conclusions {

class frmConclusion4 : public ConclusionScreen {
    Q_OBJECT
  public:
    explicit frmConclusion4(platform::AppContext& context);

  private:
    void Form_Load();
    void cmdBooks_Click(int index);
    std::vector<QWidget*> HiddenWhilePrinting() const override;

    QLabel* Label1;
    QLabel* lblName;
    QLabel* Label10_4;  // the lead-in the verdict continues
    QLabel* lblRez;
    QLabel* Label17;
    std::map<int, QLabel*> lblRez1;  // the source rows 1..10
    QFrame* Frame2;
    QLabel* Label10_0;
    QLabel* Label10_3;
    QLabel* Label10_1;
    std::map<int, QPushButton*> cmdBooks;  // the articles 1..10
    QVBoxLayout* rowsLayout_;
    QVBoxLayout* booksLayout_;
};

}  // namespace conclusions
