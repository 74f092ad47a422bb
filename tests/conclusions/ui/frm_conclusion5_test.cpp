#include "conclusions/ui/frm_conclusion5.h"

#include <QLabel>

#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"

namespace {

class FrmConclusion5Test : public testsupport::UiFixture {
  protected:
    FrmConclusion5Test() {
        clock.now = {2026, 12, 8, 10, 30, 0};
        sharedState.ResetAnswers();
        LogIn({"Орлов", "Пётр", "m", 1980, 1.80f, 80});
        sharedState.curProgram = 5;
        OpenMainWindow();
    }
    QWidget* Open(int rating) {
        sharedState.answers(5, 15, 32) = static_cast<int16_t>(rating);
        QWidget* screen = forms.Show("frmConclusion5");
        ProcessEvents();
        return screen;
    }
    static bool Shown(QWidget* screen, const QString& name) {
        QWidget* widget = screen->findChild<QWidget*>(name);
        return widget && widget->isVisible();
    }
    static QString Text(QWidget* screen, const QString& name) {
        auto* label = screen->findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("<missing>");
    }
};

TEST_F(FrmConclusion5Test, EachRatingShowsItsPanelAloneWithItsWord) {
    struct Case {
        int rating;
        const char* word;
        int wordMember;
    };
    for (const Case& c : {Case{0, "Высокую", 1}, Case{3, "Умеренную", 3}, Case{5, "Низкую", 2}}) {
        SCOPED_TRACE(c.rating);
        QWidget* screen = Open(c.rating);
        ASSERT_NE(screen, nullptr);
        for (int panel : {0, 3, 5}) {
            EXPECT_EQ(Shown(screen, QString("FrameRez(%1)").arg(panel)), panel == c.rating)
                << panel;
        }
        EXPECT_TRUE(Shown(screen, QString("lblSignature(%1)").arg(c.wordMember)));
        EXPECT_EQ(Text(screen, QString("lblSignature(%1)").arg(c.wordMember)).toStdString(),
                  c.word);
        // The word completes the lead-in, which stands above it; the buttons follow the panel.
        auto* lead = screen->findChild<QWidget*>("lblRez");
        auto* panel = screen->findChild<QWidget*>(QString("FrameRez(%1)").arg(c.rating));
        auto* buttons = screen->findChild<QWidget*>("Frame1");
        EXPECT_LT(lead->geometry().bottom(), panel->geometry().top());
        EXPECT_LT(panel->geometry().bottom(), buttons->geometry().top());
        EXPECT_TRUE(Shown(screen, "lblSignature(0)"));
        SaveShot(*screen, QString("frmConclusion5_%1").arg(c.rating));
        forms.Unload("frmConclusion5");
    }
}

TEST_F(FrmConclusion5Test, ThePanelTextHasAnEmptyLineBetweenParagraphs) {
    QWidget* screen = Open(0);
    // Line ends as the label holds them, with or without a carriage return.
    const QString text = Text(screen, "lblText(0)").remove(QChar('\r'));
    EXPECT_TRUE(text.contains("\n\n"));
    EXPECT_FALSE(text.contains(QChar(0x00A4)));
    EXPECT_TRUE(text.startsWith("Тестирование показало, что в Вашем организме таятся причины"));
    EXPECT_EQ(text.split("\n\n").size(), 5);
    EXPECT_FALSE(text.contains("\n\n\n"));
}

TEST_F(FrmConclusion5Test, AManIsAddressedWithHisFirstNameBeforeHisLastName) {
    QWidget* screen = Open(5);
    EXPECT_EQ(Text(screen, "lblName").toStdString(), "Г-н Пётр Орлов");
    EXPECT_EQ(Text(screen, "lblDate").toStdString(), "08.12.2026");
    EXPECT_FALSE(sharedState.navForward);
}

}  // namespace
