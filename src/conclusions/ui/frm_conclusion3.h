#pragma once
// Conclusion of program 3: the child's overall rating word and the one text panel of the result
// variant, with the documents about the variant's sources of risk and the clinic's signature. The
// screen is as tall as the panel shown; the weight-problem panels close the way on.
#include <map>

#include "conclusions/ui/conclusion_screen.h"

class QPushButton;

namespace conclusions {

class frmConclusion3 : public ConclusionScreen {
    Q_OBJECT
  public:
    explicit frmConclusion3(platform::AppContext& context);

  private:
    void Form_Load();
    void cmdBooks_Click(int index);

    QLabel* Label1;
    QLabel* lblName;
    QLabel* lblRez;
    QLabel* lblRezValue;
    std::map<int, QFrame*> FrameRez;       // panels 1..10, by variant
    std::map<int, QLabel*> Label10;        // texts 1..17
    std::map<int, QPushButton*> cmdBooks;  // 10 × variant + kind
    QFrame* panelGap_;                     // below the panel: a hundredth of the tallest panel
    std::map<int, QLabel*> lblSignature;   // 0: the clinic
};

}  // namespace conclusions
