// A danger sign among the answers: the questionnaire's result sends the user to a doctor, and
// the conclusion screen lists the signs of the run in a framed notice that is printed with it.
#include "conclusions/ui/danger_notice.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <map>

#include "conclusions/ui/conclusion_screen.h"
#include "support/ui_fixture.h"
#include "testing/ui/frm_anketa.h"
#include "text/catalogue.h"

namespace {

// The shared conclusion frame of a program that has no conclusion screen of its own yet.
class BareConclusion : public conclusions::ConclusionScreen {
  public:
    BareConclusion(platform::AppContext& context, int program)
        : ConclusionScreen(context, program) {
        FinishLayout();
    }
};

class DangerNoticeTest : public testsupport::UiFixture {
  protected:
    void StartProgram(int program, int first, int last) {
        sharedState.ResetAnswers();
        sharedState.curProgram = static_cast<int16_t>(program);
        sharedState.firstTest = static_cast<int16_t>(first);
        sharedState.lastTest = static_cast<int16_t>(last);
        sharedState.userSex = "f";
        sharedState.userLastName = "Орлова";
        sharedState.userFirstName = "Вера";
    }

    // Takes test `test` on the questionnaire screen: each question gets its option from the
    // table, or `otherwise`; returns the result text shown under the rating.
    std::string TakeTest(int test, const std::map<int, int>& answers, int otherwise) {
        sharedState.curTest = static_cast<int16_t>(test);
        sharedState.enterAtEnd = false;
        forms.Show("frmAnketa");
        questionnaire::frmAnketa* anketa = Anketa();
        EXPECT_NE(anketa, nullptr);
        if (!anketa) return "";
        for (int guard = 0; guard < 40 && Find<QWidget>(anketa, "FrameQuestion")->isVisible();
             ++guard) {
            if (auto* lock = Find<QTimer>(anketa, "Timer1"); lock->isActive())
                anketa->Timer1_Timer();
            clock.Advance(1.0);
            const auto it = answers.find(anketa->questionnaire().curQuestion());
            const int option = it == answers.end() ? otherwise : it->second;
            QTest::mouseClick(
                anketa->findChild<QAbstractButton*>(QStringLiteral("Option1(%1)").arg(option)),
                Qt::LeftButton);
        }
        auto* result = Find<QLabel>(anketa, "lblResult");
        EXPECT_TRUE(result->isVisible());
        const std::string shown = result->text().toStdString();
        forms.Unload("frmAnketa");
        ProcessEvents();
        return shown;
    }

    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
    // The user's line breaks are CR LF in the catalogue and LF on the screen.
    static std::string OnScreen(std::string text) {
        for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
            text.erase(at, 1);
        return text;
    }

    std::unique_ptr<BareConclusion> Conclusion(int program) {
        auto screen = std::make_unique<BareConclusion>(context, program);
        screen->show();
        ProcessEvents();
        return screen;
    }
    QFrame* Notice(QWidget* screen) { return Find<QFrame>(screen, "FrameDanger"); }
    std::string NoticeText(QWidget* screen) {
        return Find<QLabel>(screen, "lblDanger")->text().toStdString();
    }
};

TEST_F(DangerNoticeTest, ChestPainOnTheStairsAndIndifferenceInOldAge) {
    StartProgram(2, 21, 29);
    // An active life, but chest pain on the stairs: the test rates it good.
    const std::string stairs = TakeTest(23, {{1, 5}, {2, 3}, {3, 1}, {4, 3}}, 1);
    EXPECT_EQ(stairs.rfind("Хорошо\n", 0), 0u) << stairs;
    EXPECT_TRUE(Has(stairs, OnScreen(text::GetCatalogText(23500)))) << stairs;
    // Almost everything has become indifferent, the rest is well: rated good as well.
    const std::string mood = TakeTest(24, {{1, 2}, {3, 2}, {4, 2}, {5, 3}}, 2);
    EXPECT_EQ(mood.rfind("Хорошо\n", 0), 0u) << mood;
    EXPECT_TRUE(Has(mood, "112")) << mood;

    auto screen = Conclusion(2);
    ASSERT_NE(Notice(screen.get()), nullptr);
    EXPECT_TRUE(Notice(screen.get())->isVisible());
    const std::string notice = NoticeText(screen.get());
    EXPECT_TRUE(Has(notice, "— " + text::GetCatalogText(23504))) << notice;
    EXPECT_TRUE(Has(notice, "— " + text::GetCatalogText(24504))) << notice;
    EXPECT_FALSE(Has(notice, text::GetCatalogText(24502))) << "the mood itself was answered well";
    // The notice stands above the buttons and is on the printed page.
    EXPECT_LT(Notice(screen.get())->geometry().bottom(), Find<QFrame>(screen.get(), "Frame1")->y());
    bool printedWithNotice = false;
    printer.onPrintWidget = [&](QWidget&) {
        printedWithNotice = Notice(screen.get())->isVisible();
    };
    Find<QPushButton>(screen.get(), "cmdPrint")->click();
    EXPECT_TRUE(printedWithNotice);
    EXPECT_EQ(printer.widgetsPrinted, 1);
    SaveShot(*screen, "danger_notice_program2");
}

TEST_F(DangerNoticeTest, AChangingMoleWithLittleSun) {
    StartProgram(4, 41, 47);
    const std::string result = TakeTest(42, {{1, 1}, {3, 3}, {6, 2}, {7, 1}}, 1);
    EXPECT_EQ(result.rfind("Хорошо\n", 0), 0u) << result;
    EXPECT_TRUE(Has(result, OnScreen(text::GetCatalogText(42500)))) << result;
    auto screen = Conclusion(4);
    EXPECT_TRUE(Has(NoticeText(screen.get()), text::GetCatalogText(42507)));
}

TEST_F(DangerNoticeTest, ASevereAllergicReactionInARarelyIllChild) {
    StartProgram(3, 35, 37);
    const std::string result = TakeTest(35, {{1, 3}, {2, 3}, {3, 3}, {4, 2}, {5, 3}}, 1);
    EXPECT_EQ(result.rfind("Хорошо\n", 0), 0u) << result;
    EXPECT_TRUE(Has(result, "112")) << result;
    EXPECT_FALSE(Has(result, "надежно справляются")) << result;
    auto screen = Conclusion(3);
    EXPECT_TRUE(Has(NoticeText(screen.get()), text::GetCatalogText(35503)));
}

TEST_F(DangerNoticeTest, LowMoodAndLossOfPleasureAreNotPutDownToTiredness) {
    StartProgram(5, 51, 52);
    const std::string result = TakeTest(52, {{1, 3}, {2, 3}, {4, 1}}, 2);
    EXPECT_EQ(result.rfind("Удовлетворительно\n", 0), 0u) << result;
    EXPECT_FALSE(Has(result, "следствие усталости")) << result;
    EXPECT_TRUE(Has(result, "психиатру")) << result;
    EXPECT_TRUE(Has(result, "112")) << result;
    auto screen = Conclusion(5);
    const std::string notice = NoticeText(screen.get());
    EXPECT_TRUE(Has(notice, text::GetCatalogText(52501))) << notice;
    EXPECT_TRUE(Has(notice, text::GetCatalogText(52504))) << notice;
}

TEST_F(DangerNoticeTest, AWalkWithoutADangerSignShowsNoNoticeAndNoReferral) {
    StartProgram(2, 21, 29);
    const std::string result = TakeTest(23, {{1, 5}, {2, 3}, {3, 1}, {4, 1}}, 1);
    EXPECT_EQ(OnScreen("Хорошо\r\n" + text::GetCatalogText(23006)), result);
    auto screen = Conclusion(2);
    EXPECT_FALSE(Notice(screen.get())->isVisible());
}

TEST_F(DangerNoticeTest, ProgramOnesConclusionListsItsSigns) {
    StartProgram(1, 11, 14);
    sharedState.testRating(17) = 100;
    sharedState.testRating(15) = 6;
    for (int t = 1; t <= 4; ++t) sharedState.answers(1, t, 31) = 90;
    sharedState.answers(1, 1, 5) = 1;  // test 11: stops on the stairs, badly out of breath
    QWidget* screen = forms.Show("frmConclusion1");
    ProcessEvents();
    ASSERT_NE(Notice(screen), nullptr);
    EXPECT_TRUE(Notice(screen)->isVisible());
    EXPECT_TRUE(Has(NoticeText(screen), text::GetCatalogText(11505)));
    EXPECT_GT(Notice(screen)->y(), Find<QLabel>(screen, "Label6")->geometry().bottom());
    forms.Unload("frmConclusion1");
    ProcessEvents();
    sharedState.answers(1, 1, 5) = 3;
    EXPECT_FALSE(Notice(forms.Show("frmConclusion1"))->isVisible());
}

}  // namespace
