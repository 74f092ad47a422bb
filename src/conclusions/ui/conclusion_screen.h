#pragma once
// The shape every conclusion screen shares: the date, the frame with the four buttons below the
// texts, and the handlers of those buttons. The texts stand one below the other in the order the
// screen adds them; a hidden text takes no room, so the buttons always follow the last one shown.
#include <QWidget>
#include <string>
#include <vector>

#include "platform/app_context.h"

class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace conclusions {

class DangerNotice;

class ConclusionScreen : public QWidget {
  public:
    ConclusionScreen(platform::AppContext& context, std::string formName, int program);

    QSize sizeHint() const override;

  protected:
    // The window's own close box asks the abort question, like cmdClose.
    void closeEvent(QCloseEvent* event) override;

    enum class Look { Title, Paragraph, Strong, Caption, Signature, Date };
    // A label with its design caption, added below everything added so far.
    QLabel* AddLabel(const char* name, Look look);
    QLabel* AddLabel(const QString& name, Look look);
    void AddLayout(class QLayout* layout);
    // Opening steps 1 and 2: navForward is False; the screen's place in the main window.
    void OpeningSteps();
    // Adds Frame1 below the texts and lets the main window grow if the screen needs the room.
    void FinishLayout();
    std::string Caption(const char* control) const;
    std::string Caption(const QString& control) const;

    // Widgets hidden for the print besides the four buttons, in the order they are hidden.
    virtual std::vector<QWidget*> HiddenWhilePrinting() const { return {}; }

    virtual void cmdContinue_Click();
    void cmdReturn_Click();
    void cmdClose_Click();
    void cmdPrint_Click();

    platform::AppContext& ctx_;
    const std::string formName_;
    const int program_;
    QLabel* lblDate;
    DangerNotice* FrameDanger = nullptr;  // the danger signs of this run, above the buttons
    QFrame* Frame1;
    QPushButton* cmdContinue;
    QPushButton* cmdReturn;
    QPushButton* cmdClose;
    QPushButton* cmdPrint;

  private:
    QVBoxLayout* layout_;
};

}  // namespace conclusions
