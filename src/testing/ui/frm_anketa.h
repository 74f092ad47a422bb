#pragma once
// The questionnaire screen: draws the page of the questionnaire and passes the user's clicks on.
// Its own part is the page lock: after a question is put on the page its options cannot be used
// for 500 ms, and the questionnaire itself takes option clicks only half a second apart, so that
// a double click never answers two questions.
#include <QWidget>
#include <array>

#include "platform/app_context.h"
#include "testing/questionnaire.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace widgets {
class WrappingRadioButton;
}

namespace questionnaire {

class frmAnketa : public QWidget {
    Q_OBJECT
  public:
    explicit frmAnketa(platform::AppContext& context, QWidget* parent = nullptr);  // Form_Load

    const Questionnaire& questionnaire() const { return questionnaire_; }

    // Timer1 ran out: the options can be used again.
    void Timer1_Timer();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Option1_Click(int index);
    void cmdContinue_Click();
    void cmdCount_Click();
    void cmdReturn_Click();
    void cmdExit_Click();

    // Puts the questionnaire's page on the screen; locks the options when a question was shown.
    void Render();
    void Act(const Outcome& outcome);
    void OpenNext(const NextScreen& next);
    template <typename Action>
    void Run(Action action);
    void FitHeight();

    platform::AppContext& ctx_;
    Questionnaire questionnaire_;
    int questionsShown_ = 0;

    QLabel* lblTitle;
    QLabel* lblProgress;
    QFrame* FrameQuestion;
    QLabel* lblQuestion;
    std::array<widgets::WrappingRadioButton*, kMaxOptions + 1> Option1{};  // members 1..5
    QLabel* Label1;
    QLabel* lblResult;
    QPushButton* cmdContinue;
    QPushButton* cmdReturn;
    QPushButton* cmdCount;
    QPushButton* cmdExit;
    QTimer* Timer1;
};

}  // namespace questionnaire
