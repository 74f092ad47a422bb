#pragma once
// What the screens of a running program share: the introductions, the results and the
// conclusions. Each has its design captions, a heading, a bar of buttons (continue, return,
// print, close), a place in the main window, and a close box that asks the abort question.
// A program's screen adds only its layout and its calls to the rules.
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "platform/app_context.h"
#include "state/programs.h"

class QGridLayout;
class QLabel;
class QLayout;
class QPushButton;
class QVBoxLayout;

namespace widgets {

class ProgramScreen : public QWidget {
    Q_OBJECT
  public:
    // As wide as its texts need but at least its narrowest width, and as tall as the texts
    // need at that width, so the window opens without a blank band and without cut-off text.
    QSize sizeHint() const override;

  protected:
    // The buttons of the bar; a screen names the ones it has.
    enum Button { kContinue = 1, kReturn = 2, kPrint = 4, kClose = 8, kReport = 16 };
    // How the bar stands: in one row, or continue across the width above the others.
    enum class BarShape { Row, Grid };

    ProgramScreen(platform::AppContext& context, std::string formName, state::Placement place,
                  int narrowestWidth, QWidget* parent = nullptr);

    // The design caption of one of this screen's controls.
    std::string Caption(std::string_view control) const;
    // A heading label with its design caption: bold, centred, scaled, wrapping.
    QLabel* NewHeading(const char* name, double scale);
    // The buttons, created with their captions inside holder (this screen by default).
    void CreateButtons(int buttons, QWidget* holder = nullptr);
    // The buttons arranged as the screen's bar.
    QLayout* ButtonBar(BarShape shape);

    // Puts the screen at its place; with makeRoom the main window grows when the screen needs
    // more room than it has (never beyond the desktop).
    void PlaceInMainWindow(bool makeRoom);
    // Hands over: this screen is unloaded, the next one shown.
    void OpenInstead(const std::string& next);
    // Prints the screen's image without its buttons (and without the extra widgets), which
    // come back as they were.
    void PrintWithoutButtons(const std::vector<QWidget*>& extra = {});

    virtual void cmdContinue_Click() {}
    virtual void cmdReturn_Click() {}
    virtual void cmdPrint_Click() { PrintWithoutButtons(); }
    // «СОХРАНИТЬ ОТЧЕТ»: the report of the run as a PDF file.
    virtual void cmdReport_Click() {}
    // Closes the screen once the user has confirmed the abort question.
    virtual void cmdClose_Click();
    // The window's own close box asks the abort question, like cmdClose.
    void closeEvent(QCloseEvent* event) override;
    // Tab reaches the bar last, as it stands below everything, also after controls a screen
    // added while it loaded (a conclusion's document buttons); Enter presses any button.
    void showEvent(QShowEvent* event) override;

    platform::AppContext& ctx_;
    const std::string formName_;
    QPushButton* cmdContinue = nullptr;
    QPushButton* cmdReturn = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdReport = nullptr;

  private:
    // The buttons the screen has, in the bar's reading order.
    std::vector<QPushButton*> BarButtons() const;

    const state::Placement place_;
    const int narrowestWidth_;
};

}  // namespace widgets
