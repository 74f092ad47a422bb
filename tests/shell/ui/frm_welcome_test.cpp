#include "shell/ui/frm_welcome.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"

namespace {

class FrmWelcomeTest : public testsupport::UiFixture {
  protected:
    QLabel* Label(const char* name) { return Find<QLabel>(Screen("frmWelcome"), name); }
    // The paragraphs of a label's text as shown, one per line, blank lines left out.
    QStringList Paragraphs(const char* name) {
        return Label(name)->text().split(QChar('\n'), Qt::SkipEmptyParts);
    }
};

TEST_F(FrmWelcomeTest, StartUpShowsTheWelcomeScreenWithItsPictureAtItsPlace) {
    shell::frmMDI& window = OpenMainWindow();
    ProcessEvents();
    QWidget* screen = Screen("frmWelcome");
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->isVisible());
    auto* frame = qobject_cast<QMdiSubWindow*>(screen->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle().toStdString(), "Welcome");
    // Top 20, left 300 twips.
    EXPECT_EQ(frame->pos(), QPoint(20, 1));
    // The picture compiled into the program, visible and sharp: decoded once, at the size it is
    // shown on this screen (one device pixel per pixel here), and the windows' icon is the same.
    QLabel* picture = Label("Image1");
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->isVisible());
    ASSERT_FALSE(picture->pixmap().isNull());
    EXPECT_EQ(qApp->devicePixelRatio(), 1.0);
    EXPECT_EQ(picture->pixmap().size(), QSize(150, 150));
    EXPECT_EQ(picture->pixmap().devicePixelRatio(), 1.0);
    EXPECT_EQ(picture->size(), QSize(150, 150));
    EXPECT_EQ(picture->pixmap().cacheKey(), shell::WelcomePicture().cacheKey());
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), QList<QSize>{QSize(150, 150)});
    // The whole screen fits inside the main window, nothing cut off.
    EXPECT_TRUE(window.mdiArea()->viewport()->rect().contains(frame->geometry()))
        << frame->geometry().height() << " of " << window.mdiArea()->viewport()->height();
}

TEST_F(FrmWelcomeTest, ShowsItsTextsWithTheBreakTokensTurnedIntoLineBreaks) {
    shell::frmMDI& window = OpenMainWindow();
    ASSERT_NE(Screen("frmWelcome"), nullptr);
    for (const char* name :
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"}) {
        ASSERT_NE(Label(name), nullptr) << name;
        const std::string shown = Label(name)->text().toStdString();
        EXPECT_FALSE(shown.empty()) << name;
        EXPECT_EQ(shown.find("¤"), std::string::npos) << name;
        EXPECT_EQ(shown.find('?'), std::string::npos) << name << ": " << shown;  // a missing text
        EXPECT_TRUE(Label(name)->isVisible()) << name;
    }
    EXPECT_EQ(Label("Label2")->text().toStdString(), "Оздоровительная программа");
    EXPECT_EQ(Label("Label3")->text().toStdString(), "«Зорвек»");
    EXPECT_EQ(Paragraphs("Label7").size(), 3);
    // The guidance names the two menus exactly as the menu bar shows them.
    const QStringList guidance = Paragraphs("Label6");
    ASSERT_EQ(guidance.size(), 2);
    const QString info = window.findChild<QAction*>("mInfo")->text();
    const QString programs = window.findChild<QAction*>("mProgram")->text();
    EXPECT_TRUE(guidance[0].contains("«" + info + "»")) << guidance[0].toStdString();
    EXPECT_TRUE(guidance[1].contains("«" + programs + "»")) << guidance[1].toStdString();
}

TEST_F(FrmWelcomeTest, ComesBackWithItsPictureAfterItWasClosed) {
    OpenMainWindow();
    forms.Unload("frmWelcome");
    ProcessEvents();
    ASSERT_EQ(Screen("frmWelcome"), nullptr);

    shell::ShowWelcome(context);
    ProcessEvents();
    QWidget* screen = Screen("frmWelcome");
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(Label("Image1")->isVisible());
    EXPECT_EQ(Paragraphs("Label7").size(), 3);
    EXPECT_EQ(mainWindow->mdiArea()->subWindowList().size(), 1);

    // Opening it while it is open shows the same screen, not a second one.
    shell::ShowWelcome(context);
    ProcessEvents();
    EXPECT_EQ(Screen("frmWelcome"), screen);
    EXPECT_EQ(mainWindow->mdiArea()->subWindowList().size(), 1);
}

}  // namespace
