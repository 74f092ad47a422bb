#pragma once
// The introductions before the questions: one per program (frmRazd1..frmRazd5, texts of the
// design) and one shared by all tests (frmRazd, title and text of the current test).
#include <QWidget>
#include <string>

#include "platform/app_context.h"

class QLabel;
class QPushButton;

namespace questionnaire {

// What all six introductions share: a heading, a text, "ПЕРЕХОД К ТЕСТУ" and "ЗАКРЫТЬ", which
// closes the screen once the user has confirmed it in the abort dialog (so does the close box).
class IntroductionScreen : public QWidget {
    Q_OBJECT
  protected:
    IntroductionScreen(platform::AppContext& context, std::string form, bool withReturn,
                       QWidget* parent);

    // As tall as its texts need at its fixed width, so the window opens without a blank below them.
    QSize sizeHint() const override;

    virtual void cmdContinue_Click() = 0;
    void cmdClose_Click();
    void closeEvent(QCloseEvent* event) override;
    // Moves on: this screen is unloaded, the next one loaded and shown.
    void OpenInstead(const std::string& next);

    platform::AppContext& ctx_;
    const std::string form_;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* cmdContinue;
    QPushButton* cmdReturn = nullptr;
    QPushButton* cmdClose;
};

// The introduction of a program, opened by the program menu once the program is set up.
class ProgramIntroduction : public IntroductionScreen {
    Q_OBJECT
  protected:
    ProgramIntroduction(platform::AppContext& context, int program, QWidget* parent);
    void cmdContinue_Click() override;  // the introduction of the program's first test
};

class frmRazd1 : public ProgramIntroduction {
    Q_OBJECT
  public:
    explicit frmRazd1(platform::AppContext& context, QWidget* parent = nullptr);
};

class frmRazd2 : public ProgramIntroduction {
    Q_OBJECT
  public:
    explicit frmRazd2(platform::AppContext& context, QWidget* parent = nullptr);
};

class frmRazd3 : public ProgramIntroduction {
    Q_OBJECT
  public:
    explicit frmRazd3(platform::AppContext& context, QWidget* parent = nullptr);
};

// Program 4: for a man the questions for women only are set aside before any test opens.
class frmRazd4 : public ProgramIntroduction {
    Q_OBJECT
  public:
    explicit frmRazd4(platform::AppContext& context, QWidget* parent = nullptr);
};

class frmRazd5 : public ProgramIntroduction {
    Q_OBJECT
  public:
    explicit frmRazd5(platform::AppContext& context, QWidget* parent = nullptr);
};

// The introduction of the current test (curTest).
class frmRazd : public IntroductionScreen {
    Q_OBJECT
  public:
    explicit frmRazd(platform::AppContext& context, QWidget* parent = nullptr);

  private:
    void cmdContinue_Click() override;  // the questionnaire at its first question
    void cmdReturn_Click();             // the previous test at its end, or the program introduction
};

}  // namespace questionnaire
