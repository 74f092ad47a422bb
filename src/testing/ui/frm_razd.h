#pragma once
// The introductions before the questions: one per program (frmRazd1..frmRazd5, texts of the
// design) and one shared by all tests (frmRazd, title and text of the current test).
#include <QWidget>
#include <string>

#include "platform/widgets/program_screen.h"

class QLabel;

namespace questionnaire {

// What all six introductions share: a heading, a text, "ПЕРЕХОД К ТЕСТУ" and "ЗАКРЫТЬ", which
// closes the screen once the user has confirmed it in the abort dialog (so does the close box).
class IntroductionScreen : public widgets::ProgramScreen {
    Q_OBJECT
  protected:
    IntroductionScreen(platform::AppContext& context, std::string form, bool withReturn,
                       QWidget* parent);

    QLabel* Label1;
    QLabel* Label2;
};

// The introduction of program 1..5 (frmRazd1..frmRazd5), opened by the program menu once the
// program is set up.
class ProgramIntroduction : public IntroductionScreen {
    Q_OBJECT
  public:
    ProgramIntroduction(platform::AppContext& context, int program, QWidget* parent = nullptr);

  private:
    void cmdContinue_Click() override;  // the introduction of the program's first test
};

// The introduction of the current test (curTest).
class frmRazd : public IntroductionScreen {
    Q_OBJECT
  public:
    explicit frmRazd(platform::AppContext& context, QWidget* parent = nullptr);

  private:
    void cmdContinue_Click() override;  // the questionnaire at its first question
    void cmdReturn_Click() override;    // the previous test at its end, or the program introduction
};

}  // namespace questionnaire
