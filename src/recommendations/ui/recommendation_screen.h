#pragma once
// The shape every recommendation screen shares. From top to bottom: the heading with the user's
// salutation and the introduction; the list of preparations under their category headings, with
// the documents of the list beside it (use instructions, calendar plan, prescription sheet); the
// lower block with the news page and the ways back and out. Everything stands in Qt layouts: a
// longer list, or a block a program hides, moves what follows it.
//
// A program's screen derives from it, names what it has besides the common controls
// (RecommendationControls), adds its own texts and blocks (AddText, AddWidget), supplies its list
// and the documents of its buttons (the hooks below) and ends its constructor with Form_Load().
// Its name, the conclusion it returns to, the sheet it opens and its place in the main window come
// from the program table.
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/bounded_array.h"
#include "platform/app_context.h"
#include "platform/services.h"
#include "recommendations/list_layout.h"
#include "recommendations/template_filter.h"

class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace docs {
class RichText;
}
namespace state {
struct Program;
}
namespace widgets {
class ClickableLabel;
}

namespace recommendations {

// The placeholders of a document that are filled before it is shown.
struct Placeholders {
    bool salutationRtf = false;   // every six escaped bytes 255 of the RTF text: "Г-н …"
    bool salutationText = false;  // the first "^^^^" of the text, unless it stands at its start
    bool dateRtf = false;         // every "dd.mm.yy" of the RTF text: today
    bool dateText = false;        // the first "DDDDDD" of the text, unless it stands at its start
};

// A document one of the screen's buttons opens in the viewer, modally.
struct ScreenDocument {
    std::string path{};  // below the program's directory, as stored ("\Doc\KALEND11.rtf")
    platform::MessageBox::Icon missingIcon = platform::MessageBox::Icon::None;
    bool printable = true;
    Placeholders fill{};
    // A use table: the rows of the list's codes stay, the others go, then cleanUp removes the
    // markers left. A rule with no `recommended` keeps the rows tagged with one of ListCodes().
    std::optional<TemplateRule> table{};
    void (*cleanUp)(TemplateText&) = nullptr;
};

// What a screen has besides the controls every recommendation screen has.
struct RecommendationControls {
    std::string useButton = "cmdUse";  // the use instructions (program 1: cmdPrint; "": none)
    bool plan = false;                 // cmdPlan, the calendar plan
    bool date = false;                 // lblDate, today's date
    int buttons = 14;                  // cmdPreparat(0..buttons); 0 is the never shown template
    bool buttonsGrow = false;          // more buttons are created when the list needs them
};

class RecommendationScreen : public QWidget {
    Q_OBJECT
  public:
    // Where a program's own texts and blocks stand, each below what was added there before.
    enum class Place {
        Introduction,  // below Label3
        AboveActions,  // beside the list, above the action buttons
        BelowActions,  // beside the list, below the action buttons
        Closing,       // in the lower block, above the news page
    };

    const std::string& formName() const { return formName_; }
    // The list as it is shown.
    const ListLayout& list() const { return shown_; }

    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label3;
    base::Array1<QLabel*> lblRazdel{kFirstHeading, kLastHeading, nullptr};
    base::Array1<QPushButton*> cmdPreparat;
    QLabel* lblDate = nullptr;
    QPushButton* cmdUse = nullptr;  // named as the program's controls say
    QPushButton* cmdPlan = nullptr;
    QPushButton* cmdRecept;
    QPushButton* cmdReport;
    QFrame* Frame1;
    QLabel* lblInfoURL;
    widgets::ClickableLabel* lblURL;
    QPushButton* cmdReturn;
    QPushButton* cmdClose;

  protected:
    RecommendationScreen(platform::AppContext& context, int program,
                         RecommendationControls controls);

    // A label with its design caption, added at place; a strong one is bold.
    QLabel* AddText(Place place, const std::string& name, bool strong = false);
    void AddWidget(Place place, QWidget* widget);
    // The screen's place, heading, date and list; the program's constructor calls it last.
    void Form_Load();

    // The list: headings and buttons in row order (LayOutByCategory, or the program's own).
    virtual ListLayout LayOut() = 0;
    // The use instructions, and the calendar plan of a screen that has one.
    virtual ScreenDocument UseDocument() const = 0;
    virtual ScreenDocument PlanDocument() const { return {}; }
    // The description of a preparation button: by default the button's document, reported with
    // a warning when missing, not printable.
    virtual ScreenDocument Description(const LayoutEntry& button) const;
    // The codes of the list as the use table tags its rows: by default the buttons'
    // preparations.
    virtual std::vector<std::string> ListCodes() const;
    // Label1 completed: by default its caption with the user's title of address and name.
    virtual std::string Heading() const;
    // A caption that is listed but is no preparation, left off the prescription sheet.
    virtual std::string NotPrescribed() const { return {}; }
    // The sheet's heading where the program gives it its own; empty keeps the sheet's heading.
    virtual std::string SheetHeading() const { return {}; }

    // Shows a document in the viewer, filled and filtered as it says, or reports it missing.
    void Open(const ScreenDocument& document);

    // The window's close box ends the work with the program like cmdClose.
    void closeEvent(QCloseEvent* event) override;

    platform::AppContext& ctx_;
    const state::Program& program_;

  private:
    QLabel* NewLabel(QWidget* parent, const std::string& name, bool strong);
    QPushButton* NewButton(QWidget* parent, const std::string& name);
    QPushButton* PreparationButton(int index);
    void Arrange(const std::vector<QPushButton*>& actions);
    QVBoxLayout* LayoutOf(Place place) const;
    void ShowList();
    // Fills and filters a document as the screen shows it; whether it changed anything.
    bool Prepare(docs::RichText& document, const ScreenDocument& shown) const;

    void cmdPreparat_Click(int index);
    void cmdUse_Click();
    void cmdPlan_Click();
    void cmdRecept_Click();
    void cmdReport_Click();
    // Puts the list as it is shown and its plan (or, without one, its use instructions), filled
    // and filtered as the screen shows them, into the report of the run.
    void RecordReport();
    void cmdReturn_Click();
    void cmdClose_Click();
    void lblURL_Click();

    const std::string formName_;
    const RecommendationControls controls_;
    ListLayout shown_;
    QVBoxLayout* rows_;                   // the list
    std::array<QVBoxLayout*, 4> places_;  // by Place
};

}  // namespace recommendations
