#pragma once
// Conclusion of program 1: the rating word, an advice paragraph, the weak points found and the
// articles about them.
#include <QPushButton>
#include <map>
#include <string>

#include "conclusions/ui/conclusion_screen.h"

class QVBoxLayout;

namespace conclusions {

class frmConclusion1 : public ConclusionScreen {
    Q_OBJECT
  public:
    explicit frmConclusion1(platform::AppContext& context);

  private:
    void Form_Load();
    void cmdBooks_Click(int index);
    std::vector<QWidget*> HiddenWhilePrinting() const override;

    QLabel* Label1;
    QLabel* Label10_4;
    QLabel* lblRez1;
    QLabel* lblRez2;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* lblRez3;
    QLabel* Label10_0;
    QLabel* Label6;
    QLabel* Label17;
    std::map<int, QPushButton*> cmdBooks;
    QVBoxLayout* booksLayout_;
    std::string findingsList_;  // the findings, saved from the design caption of lblRez3
};

}  // namespace conclusions
