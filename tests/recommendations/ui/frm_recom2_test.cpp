#include "recommendations/ui/frm_recom2.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "docs/ui/frm_rtf.h"
#include "recommendations/ui/recept_sheet.h"
#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"
#include "text/catalogue.h"

namespace {

class FrmRecom2Test : public testsupport::UiFixture {
  protected:
    FrmRecom2Test() {
        clock.now = {2026, 12, 8, 10, 30, 0};
        sharedState.ResetAnswers();
        sharedState.curProgram = 2;
        LogIn({"Белова", "Нина", "f", 1946, 1.60f, 60});  // 80 years old
        forms.SetModalRunner([this](QDialog& dialog) {
            auto* viewer = qobject_cast<docs::frmRTF*>(&dialog);
            ASSERT_NE(viewer, nullptr);
            viewed.push_back({viewer->PlainText(), viewer->PrintButtonVisible()});
            if (!shot.isEmpty()) SaveShot(dialog, shot);
        });
        OpenMainWindow();
    }
    void WithDocuments() {
        std::filesystem::copy(std::filesystem::path(TEST_BUILD_DIR) / "Doc", dir.path() / "Doc");
    }
    QWidget* Open(int rating, int factor) {
        sharedState.answers(2, 15, 32) = static_cast<int16_t>(rating);
        sharedState.markedFactor() = static_cast<int16_t>(factor);
        QWidget* screen = forms.Show("frmRecom2");
        ProcessEvents();
        return screen;
    }
    static std::vector<std::string> Captions(QWidget* screen, const char* array) {
        std::vector<std::string> captions;
        for (int i = 1; i <= 40; ++i) {
            auto* button = screen->findChild<QPushButton*>(QString("%1(%2)").arg(array).arg(i));
            // A long title wraps: its lines read as one caption.
            if (button && !button->isHidden())
                captions.push_back(button->text().replace('\n', ' ').toStdString());
        }
        return captions;
    }
    static bool Shown(QWidget* screen, const char* name) {
        QWidget* widget = screen->findChild<QWidget*>(name);
        return widget && !widget->isHidden();
    }
    struct Viewed {
        std::string text;
        bool printable;
    };
    std::vector<Viewed> viewed;
    QString shot;
};

const std::vector<std::string> kInactivity = {
    "ТЕРВИЛ", "ТОРОВИЛ", "БАРОВИЛ", "ВЕЛОНА", "КАЛЕНИЯ", "ВИСТЕРА", "БЕЛАНТА ДОКТОР \"МИРВЕЛА\""};

TEST_F(FrmRecom2Test, RatingFiveWithInactivityListsItsPreparationsInCategoryOrder) {
    QWidget* screen = Open(5, 233);
    EXPECT_EQ(Captions(screen, "cmdPreparat"), kInactivity);
    auto* recom = qobject_cast<recommendations::frmRecom2*>(screen);
    ASSERT_NE(recom, nullptr);
    EXPECT_TRUE(recom->Label1->text().endsWith("Г-жа Белова Нина"));
    EXPECT_TRUE(recom->Label1->text().contains("\n"));
    EXPECT_EQ(recom->lblDate->text(), "08.12.26");
    for (int k : {1, 2, 3}) EXPECT_FALSE(recom->lblRazdel(k)->isHidden()) << k;
    EXPECT_TRUE(recom->lblRazdel(4)->isHidden());
    // No topic: the self-help block and its introduction are gone.
    EXPECT_FALSE(Shown(screen, "cmdRecom(0)"));
    EXPECT_FALSE(Shown(screen, "Label7"));
    EXPECT_FALSE(Shown(screen, "cmdRecom(1)"));
    SaveShot(*screen, "frmRecom2_233");

    // The sheet: one line per preparation, in button order.
    Click("frmRecom2", "cmdRecept");
    auto* sheet = qobject_cast<recommendations::ReceptSheet*>(Screen("frmRecept2"));
    ASSERT_NE(sheet, nullptr);
    std::vector<std::string> lines;
    for (QLabel* line : sheet->lblName)
        if (!line->isHidden()) lines.push_back(line->text().toStdString());
    ASSERT_EQ(lines.size(), kInactivity.size());
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], " " + kInactivity[i]);
}

TEST_F(FrmRecom2Test, TheFarewellScreenBringsBackTheSameListAfterTheConclusionHasClosed) {
    // The factor is marked on the conclusion, which closes as the recommendations open.
    for (int t = 1; t <= 6; ++t) sharedState.answers(2, t, 32) = 3;
    for (int q = 1; q <= 13; ++q) sharedState.answers(2, 7, q) = 2;
    sharedState.answers(2, 14, 32) = 6;
    sharedState.answers(2, 15, 32) = 5;
    QWidget* conclusion = forms.Show("frmConclusion2");
    ProcessEvents();
    QTest::mouseClick(conclusion->findChild<QRadioButton*>("optRez1(2)"), Qt::LeftButton);
    Click("frmConclusion2", "cmdContinue");
    ASSERT_TRUE(forms.IsLoaded("frmRecom2"));
    EXPECT_FALSE(forms.IsLoaded("frmConclusion2"));
    EXPECT_EQ(Captions(Screen("frmRecom2"), "cmdPreparat"), kInactivity);

    Click("frmRecom2", "cmdClose");
    ASSERT_TRUE(forms.IsLoaded("frmEnd"));
    EXPECT_EQ(sharedState.recomForm, "frmRecom2");
    Click("frmEnd", "cmdReturn");
    ASSERT_TRUE(forms.IsLoaded("frmRecom2"));
    EXPECT_EQ(Captions(Screen("frmRecom2"), "cmdPreparat"), kInactivity)
        << "the list of the marked factor, not the shorter one of no factor";

    // Back to the conclusion: it opens afresh, nothing marked, and a new mark counts.
    Click("frmRecom2", "cmdReturn");
    conclusion = Screen("frmConclusion2");
    ASSERT_NE(conclusion, nullptr);
    EXPECT_FALSE(conclusion->findChild<QRadioButton*>("optRez1(2)")->isChecked());
    QTest::mouseClick(conclusion->findChild<QRadioButton*>("optRez1(1)"), Qt::LeftButton);
    Click("frmConclusion2", "cmdContinue");
    EXPECT_EQ(Captions(Screen("frmRecom2"), "cmdPreparat"),
              (std::vector<std::string>{"ТЕРВИЛ", "БАРОВИЛ", "ВЕЛОНА", "ВИСТЕРА"}));
}

TEST_F(FrmRecom2Test, TheDigestionFactorGivesEachOfItsTopicsOneButton) {
    QWidget* screen = Open(3, 244);
    EXPECT_TRUE(Shown(screen, "cmdRecom(0)"));
    EXPECT_TRUE(Shown(screen, "Label7"));
    const std::vector<std::string> topics = Captions(screen, "cmdRecom");
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0], text::GetCatalogText(254));
    EXPECT_EQ(topics[1], text::GetCatalogText(255));
    // The topics stand below their introduction, the closing buttons below them.
    auto* recom = qobject_cast<recommendations::frmRecom2*>(screen);
    const QPoint topic = recom->cmdRecom[2]->mapTo(screen, QPoint(0, 0));
    EXPECT_GT(topic.y(), recom->Label7->mapTo(screen, QPoint(0, 0)).y());
    EXPECT_GT(recom->cmdClose->mapTo(screen, QPoint(0, 0)).y(), topic.y());
    SaveShot(*screen, "frmRecom2_244");
    // The block's heading opens no document, so it reports none missing either.
    QTest::mouseClick(recom->cmdRecom[0], Qt::LeftButton);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(viewed.empty());
}

TEST_F(FrmRecom2Test, AMissingExerciseProgrammeIsReportedWithItsPathAndNoIcon) {
    // No documents beside the program. A woman of 80 who was not given the squat test.
    sharedState.answers(2, 9, 32) = -1;
    QWidget* screen = Open(3, 238);
    const std::vector<std::string> topics = Captions(screen, "cmdRecom");
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[1], text::GetCatalogText(262));
    // The longest titles wrap within their buttons instead of being cut off.
    for (int i : {1, 2}) {
        auto* button = screen->findChild<QPushButton*>(QString("cmdRecom(%1)").arg(i));
        for (const QString& line : button->text().split('\n'))
            EXPECT_LE(button->fontMetrics().horizontalAdvance(line), button->width() - 20) << i;
    }
    SaveShot(*screen, "frmRecom2_238");
    Click("frmRecom2", "cmdRecom(2)");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("G-J-12-12.rtf"), std::string::npos);
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::None);
    Click("frmRecom2", "cmdRecom(1)");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[1].text.find("G-J-7.rtf"), std::string::npos);
    EXPECT_EQ(messages.shown[1].icon, platform::MessageBox::Icon::Warning);
    EXPECT_TRUE(viewed.empty());
}

TEST_F(FrmRecom2Test, AWomanOf80WithoutTheSquatTestReadsHerProgrammeAddressedAndDated) {
    WithDocuments();
    sharedState.answers(2, 9, 32) = -1;
    QWidget* screen = Open(0, 238);
    // Rating 0 and physical difficulties: list 19, then list 2 with the salts' variant 4.
    EXPECT_EQ(Captions(screen, "cmdPreparat").size(), 10u);
    shot = "G-J-12-12";
    Click("frmRecom2", "cmdRecom(2)");
    ASSERT_EQ(viewed.size(), 1u);
    const std::string& programme = viewed.back().text;
    EXPECT_TRUE(viewed.back().printable);
    EXPECT_NE(programme.find("Г-жа Белова Нина"), std::string::npos);
    EXPECT_NE(programme.find("08.12.26"), std::string::npos);
    EXPECT_NE(programme.find("лет и старше"), std::string::npos);
    EXPECT_EQ(programme.find("яяяяяя"), std::string::npos);
    EXPECT_EQ(programme.find("DDDDDD"), std::string::npos);

    // The self-help text of the topic: not printable.
    shot.clear();
    Click("frmRecom2", "cmdRecom(1)");
    ASSERT_EQ(viewed.size(), 2u);
    EXPECT_FALSE(viewed.back().printable);
    EXPECT_GT(viewed.back().text.size(), 1500u);

    // The use table: the salts' row of variant 4 only, dated, without markers.
    shot = "G-Take-J_238";
    Click("frmRecom2", "cmdUse");
    ASSERT_EQ(viewed.size(), 3u);
    const std::string& table = viewed.back().text;
    EXPECT_NE(table.find("08.12.26"), std::string::npos);
    EXPECT_EQ(table.find('^'), std::string::npos);
    EXPECT_NE(table.find("Торовил"), std::string::npos);
    EXPECT_EQ(table.find("Вентаро"), std::string::npos);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
