#include "testing/ui/frm_razd.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"
#include "testing/ui/frm_anketa.h"
#include "text/catalogue.h"

namespace {

class FrmRazdTest : public testsupport::UiFixture {
  protected:
    void SetProgram(int program, int firstTest, int lastTest, const char* sex = "f") {
        sharedState.ResetAnswers();
        sharedState.curProgram = static_cast<int16_t>(program);
        sharedState.firstTest = static_cast<int16_t>(firstTest);
        sharedState.lastTest = static_cast<int16_t>(lastTest);
        sharedState.curTest = static_cast<int16_t>(firstTest);
        sharedState.userSex = sex;
    }
    std::string Text(const std::string& screen, const char* control) {
        QWidget* widget = Find<QWidget>(Screen(screen), control);
        if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return button->text().toStdString();
        return "?";
    }
    void Click(const std::string& screen, const char* button) {
        Find<QPushButton>(Screen(screen), button)->click();
        ProcessEvents();
    }
};

TEST_F(FrmRazdTest, EveryProgramIntroductionLeadsToItsFirstTest) {
    const std::vector<std::tuple<int, int, int, const char*>> programs = {
        {1, 11, 14, "РАЗДЕЛ 1. УКРЕПЛЕНИЕ И ВОССТАНОВЛЕНИЕ ЗДОРОВЬЯ"},
        {2, 21, 29, "РАЗДЕЛ 1. СЕКРЕТЫ ЗДОРОВОГО ДОЛГОЛЕТИЯ"},
        {3, 35, 37, "РАЗДЕЛ 3. УКРЕПЛЕНИЕ И ВОССТАНОВЛЕНИЕ ЗДОРОВЬЯ РЕБЕНКА"},
        {4, 41, 47, "РАЗДЕЛ 2. ПРОФИЛАКТИКА ОНКОЛОГИЧЕСКИХ ЗАБОЛЕВАНИЙ"},
        {5, 51, 52, "Раздел 4. Предупреждение депрессии"},
    };
    for (const auto& [program, first, last, heading] : programs) {
        SetProgram(program, first, last);
        const std::string name = "frmRazd" + std::to_string(program);
        ASSERT_TRUE(forms.Show(name)) << name;
        EXPECT_EQ(Text(name, "Label1"), heading);
        EXPECT_EQ(Text(name, "Label2").rfind("Тестирование является стержнем", 0), 0u) << name;
        EXPECT_EQ(Text(name, "cmdContinue"), "ПЕРЕХОД К ТЕСТУ");
        EXPECT_EQ(Text(name, "cmdClose"), "ЗАКРЫТЬ");

        sharedState.enterAtEnd = true;
        Click(name, "cmdContinue");
        EXPECT_FALSE(forms.IsLoaded(name));
        ASSERT_TRUE(forms.IsLoaded("frmRazd"));
        EXPECT_FALSE(sharedState.enterAtEnd);
        EXPECT_TRUE(sharedState.navForward);
        EXPECT_EQ(sharedState.testKeyBase, first * 1000);
        EXPECT_EQ(Text("frmRazd", "Label1"), text::GetCatalogText(first * 1000));
        EXPECT_EQ(Text("frmRazd", "Label2"),
                  QString::fromStdString(text::GetCatalogText(first * 1000 + 1))
                      .replace("\r\n", "\n")
                      .toStdString());
        EXPECT_EQ(Text("frmRazd", "cmdReturn"), "ВЕРНУТЬСЯ");

        Click("frmRazd", "cmdContinue");
        EXPECT_FALSE(forms.IsLoaded("frmRazd"));
        ASSERT_TRUE(forms.IsLoaded("frmAnketa"));
        forms.Unload("frmAnketa");
        ProcessEvents();
    }
}

TEST_F(FrmRazdTest, EveryProgramIntroductionFitsTheMainWindowWithItsParagraphsApart) {
    OpenMainWindow();
    QMdiArea* area = forms.mdiArea();
    for (int program = 1; program <= 5; ++program) {
        SetProgram(program, program * 10 + 1, program * 10 + 2);
        const std::string name = "frmRazd" + std::to_string(program);
        QWidget* screen = forms.Show(name);
        ASSERT_NE(screen, nullptr) << name;
        ProcessEvents();
        auto* frame = qobject_cast<QMdiSubWindow*>(screen->parentWidget());
        ASSERT_NE(frame, nullptr) << name;
        // Nothing of it below or right of what the main window shows at its start size, and no
        // empty band between its text and its buttons.
        EXPECT_TRUE(area->rect().contains(frame->geometry())) << name;
        QWidget* text = Find<QWidget>(screen, "Label2");
        const int blank = Find<QWidget>(screen, "cmdContinue")->y() - text->geometry().bottom();
        EXPECT_LT(blank, 2 * text->fontMetrics().height()) << name;
        const QString body = Find<QLabel>(screen, "Label2")->text();
        EXPECT_GE(body.count(QStringLiteral("\n\n")), 2) << name;
        EXPECT_EQ(body.count(QStringLiteral("\n")), 2 * body.count(QStringLiteral("\n\n"))) << name;
        SaveShot(*forms.Find("frmMDI"), QString::fromStdString(name));
        forms.Unload(name);
        ProcessEvents();
    }
}

TEST_F(FrmRazdTest, EnterGoesOnFromEachIntroduction) {
    SetProgram(3, 35, 37);
    QWidget* program = forms.Show("frmRazd3");
    ASSERT_NE(program, nullptr);
    ASSERT_EQ(program->focusWidget(), Find<QWidget>(program, "cmdContinue"));
    QTest::keyClick(program->focusWidget(), Qt::Key_Return);
    ProcessEvents();
    QWidget* test = Screen("frmRazd");
    ASSERT_NE(test, nullptr);
    ASSERT_EQ(test->focusWidget(), Find<QWidget>(test, "cmdContinue"));
    QTest::keyClick(test->focusWidget(), Qt::Key_Return);
    ProcessEvents();
    EXPECT_TRUE(forms.IsLoaded("frmAnketa"));
}

TEST_F(FrmRazdTest, AManStartingProgramFourHasTheWomenOnlyQuestionsSetAside) {
    SetProgram(4, 41, 47, "m");
    forms.Show("frmRazd4");
    for (int q : {2, 6, 10, 16}) EXPECT_EQ(sharedState.answers(4, 7, q), 0) << q;
    EXPECT_EQ(sharedState.answers(4, 7, 1), -1);
    forms.Unload("frmRazd4");

    SetProgram(4, 41, 47, "f");
    forms.Show("frmRazd4");
    for (int q : {2, 6, 10, 16}) EXPECT_EQ(sharedState.answers(4, 7, q), -1) << q;
}

TEST_F(FrmRazdTest, ReturnFromTheFirstTestOpensTheProgramIntroduction) {
    SetProgram(3, 35, 37);
    forms.Show("frmRazd");
    Click("frmRazd", "cmdReturn");
    EXPECT_FALSE(forms.IsLoaded("frmRazd"));
    EXPECT_TRUE(forms.IsLoaded("frmRazd3"));
    EXPECT_FALSE(forms.IsLoaded("frmAnketa"));
    EXPECT_EQ(sharedState.curTest, 35);
}

TEST_F(FrmRazdTest, ReturnFromALaterTestOpensThePreviousTestAtItsEnd) {
    SetProgram(1, 11, 14);
    const int answers[] = {1, 3, 2, 1, 2, 3, 1, 2, 2, 1};
    for (int q = 1; q <= 10; ++q)
        sharedState.answers(1, 2, q) = static_cast<int16_t>(answers[q - 1]);
    sharedState.curTest = 13;
    forms.Show("frmRazd");
    Click("frmRazd", "cmdReturn");
    EXPECT_FALSE(forms.IsLoaded("frmRazd"));
    auto* anketa = qobject_cast<questionnaire::frmAnketa*>(Screen("frmAnketa"));
    ASSERT_NE(anketa, nullptr);
    EXPECT_TRUE(sharedState.enterAtEnd);
    EXPECT_EQ(sharedState.curTest, 12);
    // Stepping back shows every earlier answer selected in turn.
    for (int q = 10; q >= 1; --q) {
        ASSERT_EQ(anketa->questionnaire().curQuestion(), q);
        auto* option =
            anketa->findChild<QAbstractButton*>(QStringLiteral("Option1(%1)").arg(answers[q - 1]));
        EXPECT_TRUE(option->isChecked()) << q;
        if (q > 1) Find<QPushButton>(anketa, "cmdReturn")->click();
    }
}

TEST_F(FrmRazdTest, CloseAsksAndOnlyAYesCloses) {
    SetProgram(1, 11, 14);
    forms.Show("frmRazd1");
    forms.Show("frmRazd");
    std::vector<const char*> replies = {"cmdNo", "cmdYes", "cmdNo", "cmdYes"};
    size_t asked = 0;
    forms.SetModalRunner(
        [&](QDialog& dialog) { dialog.findChild<QPushButton*>(replies[asked++])->click(); });
    for (const char* name : {"frmRazd1", "frmRazd"}) {
        Click(name, "cmdClose");
        EXPECT_TRUE(forms.IsLoaded(name));
        EXPECT_EQ(Text(name, "Label1").empty(), false);
        Screen(name)->close();  // the close box asks too
        ProcessEvents();
        EXPECT_FALSE(forms.IsLoaded(name));
    }
    EXPECT_EQ(asked, 4u);
    EXPECT_EQ(sharedState.curTest, 11);
}

}  // namespace
