// The recommendation-screen base with a program of its own, as programs 2 to 5 will use it: a list
// marked from a catalogue list, ordered and laid out by category, the program's description and
// use-table documents, and the routes and sheet of its row in the program table.
#include "recommendations/ui/recommendation_screen.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "base/failure.h"
#include "docs/ui/frm_rtf.h"
#include "recommendations/preparations.h"
#include "recommendations/selection.h"
#include "recommendations/ui/recept_sheet.h"
#include "support/ui_fixture.h"

namespace {

using namespace recommendations;

// A program's screen with nothing but its own parts: a list in the letter notation, a
// description document per preparation, a use table tagged with the list's codes, and a block
// of its own below the actions.
class SampleRecom : public RecommendationScreen {
  public:
    SampleRecom(platform::AppContext& context, int program, std::string list,
                RecommendationControls controls, int maxButtons)
        : RecommendationScreen(context, program, std::move(controls)),
          list_(std::move(list)),
          maxButtons_(maxButtons) {
        cmdRecom = new QPushButton(QStringLiteral("ПОМОГИ СЕБЕ САМ"), this);
        cmdRecom->setObjectName("cmdRecom(0)");
        AddWidget(Place::BelowActions, cmdRecom);
        Form_Load();
    }
    QPushButton* cmdRecom;

  private:
    ListLayout LayOut() override {
        MarkLetterList(selection_, list_);
        selection_.Order(CategoryList(), 8);
        return LayOutByCategory(selection_, CategoryList(), maxButtons_);
    }
    ScreenDocument UseDocument() const override {
        return {.path = "\\Doc\\SAMPLE-TABL.rtf",
                .missingIcon = platform::MessageBox::Icon::Warning,
                .fill = {.dateRtf = true},
                .table = TemplateRule{},
                .cleanUp = RemoveTaggedMarkers};
    }
    ScreenDocument Description(const LayoutEntry& button) const override {
        ScreenDocument description = RecommendationScreen::Description(button);
        description.path = "\\Doc\\SAMPLE-" + std::to_string(button.item) + ".rtf";
        return description;
    }
    std::vector<std::string> ListCodes() const override {
        std::vector<std::string> codes;
        for (const SelectionRecord& record : selection_.Listed())
            codes.push_back(std::to_string(record.product) + record.letters);
        return codes;
    }

    std::string list_;
    int maxButtons_;
    Selection selection_;
};

class RecommendationScreenTest : public testsupport::UiFixture {
  protected:
    RecommendationScreenTest() {
        // The screens before and after, as plain stand-ins.
        for (const char* name : {"frmConclusion2", "frmConclusion4", "frmEnd"}) {
            forms.Register(name, [](platform::AppContext&) { return new QWidget; });
        }
        sharedState.userSex = "f";
        sharedState.userLastName = "Петрова";
        sharedState.userFirstName = "Анна";
        forms.SetModalRunner([this](QDialog& dialog) {
            auto* viewer = qobject_cast<docs::frmRTF*>(&dialog);
            ASSERT_NE(viewer, nullptr);
            viewed.push_back({viewer->PlainText(), viewer->PrintButtonVisible()});
        });
    }
    // Program 4's row of the program table, fourteen design buttons.
    SampleRecom* Open(const std::string& list, int maxButtons = 14) {
        return OpenAs("frmRecom4", 4, list, {.date = true}, maxButtons);
    }
    void Register(const std::string& name, int program, const std::string& list,
                  RecommendationControls controls, int maxButtons) {
        forms.Register(name, [=](platform::AppContext& c) {
            return new SampleRecom(c, program, list, controls, maxButtons);
        });
    }
    SampleRecom* OpenAs(const std::string& name, int program, const std::string& list,
                        RecommendationControls controls, int maxButtons) {
        Register(name, program, list, std::move(controls), maxButtons);
        OpenMainWindow();
        auto* screen = dynamic_cast<SampleRecom*>(forms.Show(name));
        ProcessEvents();
        return screen;
    }
    static QPushButton* Button(QWidget* screen, int i) {
        return screen->findChild<QPushButton*>(QStringLiteral("cmdPreparat(%1)").arg(i));
    }
    static QLabel* Heading(QWidget* screen, int k) {
        return screen->findChild<QLabel*>(QStringLiteral("lblRazdel(%1)").arg(k));
    }
    static int Top(QWidget* screen, QWidget* widget) { return widget->mapTo(screen, QPoint()).y(); }
    void WriteDoc(const std::string& name, const std::string& body) {
        dir.Write("Doc/" + name, "{\\rtf1\\ansi\\ansicpg1251 " + body + "}");
    }

    struct Viewed {
        std::string plain;
        bool printable = false;
    };
    std::vector<Viewed> viewed;
};

TEST_F(RecommendationScreenTest, TheListStandsUnderItsCategoryHeadingsInCategoryOrder) {
    // Cosmetics named first, supplements after; 32 (category 0) is never shown.
    SampleRecom* screen = Open("8,3,32,4b,1");
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->formName(), "frmRecom4");
    EXPECT_EQ(screen->lblDate->text().toStdString(), "08.12.26");
    EXPECT_TRUE(screen->Label1->text().endsWith(QStringLiteral("жа Петрова Анна")));

    const std::vector<QWidget*> order = {Heading(screen, 1), Button(screen, 1), Button(screen, 2),
                                         Heading(screen, 2), Button(screen, 3), Button(screen, 4),
                                         screen->Frame1};
    for (QWidget* widget : order)
        EXPECT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
    for (size_t i = 1; i < order.size(); ++i) {
        EXPECT_GT(Top(screen, order[i]), Top(screen, order[i - 1]))
            << order[i]->objectName().toStdString();
    }
    std::vector<std::string> captions;
    for (int i = 1; i <= 4; ++i) captions.push_back(Button(screen, i)->text().toStdString());
    EXPECT_EQ(captions, (std::vector<std::string>{"ТЕРВИЛ", "БЕНВИЛ", "ВЕЛОНА", "ВИСТЕРА"}));
    for (int k : {3, 4, 5}) EXPECT_TRUE(Heading(screen, k)->isHidden()) << k;
    for (int i : {0, 5, 14}) EXPECT_TRUE(Button(screen, i)->isHidden()) << i;
    EXPECT_EQ(Button(screen, 15), nullptr);

    // The actions this program has, its own block below them, the lower block below all.
    ASSERT_NE(screen->cmdUse, nullptr);
    EXPECT_EQ(screen->cmdUse->objectName(), "cmdUse");
    EXPECT_EQ(screen->cmdPlan, nullptr);
    EXPECT_GT(Top(screen, screen->cmdRecom), Top(screen, screen->cmdRecept));
    EXPECT_GT(Top(screen, screen->Frame1), Top(screen, screen->cmdRecom));
    EXPECT_LE(screen->Frame1->geometry().bottom(), screen->height());
    SaveShot(*screen, "recommendation_screen_by_category");
}

TEST_F(RecommendationScreenTest, TheUseTableKeepsTheRowsOfTheListedCodesDatedToday) {
    // Rows tagged 1, 2, 4a, 4b, 8 and the closing marker; the list holds 1, 3, 4b and 8.
    WriteDoc("SAMPLE-TABL.rtf",
             "dd.mm.yy\\par ^^1    ^ one\\par ^^2    ^ two\\par ^^4a   ^ four a\\par "
             "^^4B   ^ four b\\par ^^8    ^ eight\\par ^^     ^");
    Open("8,3,4b,1")->cmdUse->click();
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(viewed.size(), 1u);
    EXPECT_TRUE(viewed[0].printable);
    EXPECT_EQ(viewed[0].plain, "08.12.26\none\nfour b\neight\n");
}

TEST_F(RecommendationScreenTest, APreparationButtonOpensTheDescriptionTheProgramNames) {
    WriteDoc("SAMPLE-4.rtf", "\\'c2\\'e5\\'eb\\'ee\\'ed\\'e0");  // "Велона"
    SampleRecom* screen = Open("8,3,4b,1");
    Button(screen, 3)->click();  // ВЕЛОНА
    Button(screen, 4)->click();  // ВИСТЕРА: no document
    ASSERT_EQ(viewed.size(), 1u);
    EXPECT_EQ(viewed[0].plain, "Велона");
    EXPECT_FALSE(viewed[0].printable);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Отсутствует файл " + (dir.path() / "Doc" / "SAMPLE-8.rtf").string());
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::Warning);
    screen->cmdUse->click();  // the use table is missing as well
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_FALSE(forms.IsLoaded("frmRTF"));
}

TEST_F(RecommendationScreenTest, ReturnAndCloseFollowTheProgramsRowOfTheTable) {
    Open("1")->cmdReturn->click();
    ProcessEvents();
    EXPECT_TRUE(forms.IsLoaded("frmConclusion4"));
    EXPECT_FALSE(forms.IsLoaded("frmRecom4"));
    EXPECT_TRUE(sharedState.recomForm.empty());

    forms.Show("frmRecom4")->findChild<QPushButton*>("cmdClose")->click();
    ProcessEvents();
    EXPECT_EQ(sharedState.recomForm, "frmRecom4");
    EXPECT_TRUE(forms.IsLoaded("frmEnd"));
    EXPECT_FALSE(forms.IsLoaded("frmRecom4"));

    forms.Unload("frmEnd");
    sharedState.recomForm.clear();
    forms.Show("frmRecom4")->parentWidget()->close();  // the sub-window's close box
    ProcessEvents();
    EXPECT_EQ(sharedState.recomForm, "frmRecom4");
    EXPECT_TRUE(forms.IsLoaded("frmEnd"));
    EXPECT_FALSE(forms.IsLoaded("frmRecom4"));
}

TEST_F(RecommendationScreenTest, AGrowingListMakesItsButtonsAndFillsItsProgramsSheet) {
    // Seventeen preparations: fourteen supplements and three cosmetics, on program 2's row.
    const std::string list = "1,2,3,9,10,12,13,14,15,20,29,30,34,35,4,5,6";
    SampleRecom* screen =
        OpenAs("frmRecom2", 2, list, {.buttons = 0, .buttonsGrow = true}, /*maxButtons=*/0);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->cmdPreparat.upper(), 17);
    EXPECT_EQ(Button(screen, 17)->text().toStdString(), "КАЛЕНИЯ");
    EXPECT_GT(Top(screen, Button(screen, 17)), Top(screen, Heading(screen, 2)));
    EXPECT_LE(screen->Frame1->geometry().bottom(), screen->height());
    SaveShot(*screen, "recommendation_screen_grown");

    screen->cmdRecept->click();
    EXPECT_FALSE(forms.IsLoaded("frmRecept1"));
    auto* sheet = qobject_cast<ReceptSheet*>(forms.Find("frmRecept2"));
    ASSERT_NE(sheet, nullptr);
    std::vector<std::string> lines;
    for (QLabel* line : sheet->lblName) {
        if (!line->isHidden()) lines.push_back(line->text().toStdString());
    }
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines.front(), " ТЕРВИЛ");
    EXPECT_EQ(lines.back(), " КАЛЕНИЯ");

    // The same list on a screen of fourteen buttons is out of range, not cut short.
    Register("frmRecom4", 4, list, {}, /*maxButtons=*/0);
    EXPECT_THROW(forms.Load("frmRecom4"), base::RuntimeFailure);
    EXPECT_FALSE(forms.IsLoaded("frmRecom4"));
}

TEST_F(RecommendationScreenTest, ASheetThatCannotGrowIsFilledFromTheFirstTwelveButtons) {
    // Fourteen supplements fill every design button of program 4's screen.
    SampleRecom* screen = Open("1,2,3,9,10,12,13,14,15,20,29,30,34,35");
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(Button(screen, 14)->isHidden());
    screen->cmdRecept->click();
    auto* sheet = qobject_cast<ReceptSheet*>(forms.Find("frmRecept1"));
    ASSERT_NE(sheet, nullptr);
    std::vector<std::string> lines;
    for (QLabel* line : sheet->lblName) {
        if (!line->isHidden()) lines.push_back(line->text().toStdString());
    }
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines.front(), " ТЕРВИЛ");
    EXPECT_EQ(lines.back(), " " + Button(screen, 12)->text().toStdString());
    // The sheet keeps its own heading where the program gives none.
    EXPECT_TRUE(sheet->Label1->text().endsWith(QStringLiteral("Петрова Анна")));
}

}  // namespace
