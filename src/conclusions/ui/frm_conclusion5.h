#pragma once
// Conclusion of program 5: the degree of depression risk in the words of one of three panels,
// with the user's name and the clinic's signature.
#include <map>

#include "conclusions/ui/conclusion_screen.h"

namespace conclusions {

class frmConclusion5 : public ConclusionScreen {
    Q_OBJECT
  public:
    explicit frmConclusion5(platform::AppContext& context);

  private:
    void Form_Load();

    QLabel* Label1;
    QLabel* lblName;
    QLabel* lblRez;
    std::map<int, QFrame*> FrameRez;      // by rating code 0, 3, 5
    std::map<int, QLabel*> lblText;       // the panel texts, same members
    std::map<int, QLabel*> lblSignature;  // 0 the clinic; 1, 3, 2 the panels' rating words
};

}  // namespace conclusions
