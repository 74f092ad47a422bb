#pragma once
// The shape every conclusion screen shares: the date, the frame with the four buttons below the
// texts, and the handlers of those buttons. The texts stand one below the other in the order the
// screen adds them; a hidden text takes no room, so the buttons always follow the last one shown.
#include <string>
#include <vector>

#include "platform/app_context.h"
#include "platform/widgets/program_screen.h"

class QFrame;
class QLabel;
class QVBoxLayout;

namespace conclusions {

class DangerNotice;

class ConclusionScreen : public widgets::ProgramScreen {
    Q_OBJECT
  protected:
    ConclusionScreen(platform::AppContext& context, int program);

    enum class Look { Title, Paragraph, Strong, Caption, Signature, Date };
    // A label with its design caption, added below everything added so far.
    QLabel* AddLabel(const char* name, Look look);
    QLabel* AddLabel(const QString& name, Look look);
    // A panel of texts that one rating shows instead of another: added hidden below everything
    // added so far; labels added with the panel stand inside it, one below the other.
    QFrame* AddPanel(const QString& name);
    QLabel* AddLabel(const QString& name, Look look, QFrame* panel);
    void AddLayout(class QLayout* layout);
    // Opening steps 1 and 2: navForward is False; the screen's place in the main window.
    void OpeningSteps();
    // Adds Frame1 below the texts and lets the main window grow if the screen needs the room.
    void FinishLayout();

    // Widgets hidden for the print besides the four buttons, in the order they are hidden.
    virtual std::vector<QWidget*> HiddenWhilePrinting() const { return {}; }

    void cmdContinue_Click() override;  // the program's recommendations
    void cmdReturn_Click() override;    // the program's results
    void cmdPrint_Click() override;
    void cmdReport_Click() override;

    // Puts the texts the screen shows into the report of the run; the recommendations that
    // followed an earlier visit are left out, as they may change with this conclusion.
    void RecordReport();

    const int program_;
    QLabel* lblDate;
    DangerNotice* FrameDanger = nullptr;  // the danger signs of this run, above the buttons
    QFrame* Frame1;

  private:
    QVBoxLayout* layout_;
};

}  // namespace conclusions
