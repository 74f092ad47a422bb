// Where the screen registry puts dialogs: over the main window, not in a corner of the desktop.
#include <QDialog>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>

#include "docs/ui/frm_rtf.h"
#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"

namespace {

class FormsPlaceTest : public testsupport::UiFixture {
  protected:
    shell::frmMDI& MainWindowAt(QPoint position) {
        shell::frmMDI& window = OpenMainWindow();
        window.move(position);
        ProcessEvents();
        return window;
    }
    static QRect Geometry(const QWidget& dialog) {
        return QRect(dialog.pos(),
                     dialog.testAttribute(Qt::WA_Resized) ? dialog.size() : dialog.sizeHint());
    }
};

TEST_F(FormsPlaceTest, ADialogOpensInsideTheMainWindowWhereverTheMainWindowStands) {
    for (const QPoint corner : {QPoint(0, 0), QPoint(120, 40)}) {
        shell::frmMDI& window = MainWindowAt(corner);
        QWidget* regist = forms.Load("frmRegist");
        ASSERT_NE(regist, nullptr);
        const QRect dialog = Geometry(*regist);
        const QRect frame = window.frameGeometry();
        EXPECT_GE(dialog.left(), frame.left()) << corner.x();
        EXPECT_LE(dialog.right(), frame.right()) << corner.x();
        // Below the menu bar, in the working area of the main window.
        EXPECT_GE(dialog.top(), forms.mdiArea()->mapToGlobal(QPoint(0, 0)).y()) << corner.x();
        forms.Unload("frmRegist");
        ProcessEvents();
        mainWindow.reset();
    }
}

TEST_F(FormsPlaceTest, ADialogWiderThanTheMainWindowIsCentredOnItAndStaysOnTheScreen) {
    shell::frmMDI& window = MainWindowAt(QPoint(60, 0));
    auto* viewer = new docs::frmRTF(context);
    viewer->resize(window.frameGeometry().width() + 100, 300);
    forms.Place(viewer, 50, 400);
    const QRect dialog = Geometry(*viewer);
    EXPECT_NEAR(dialog.center().x(), window.frameGeometry().center().x(), 1);
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_GE(dialog.left(), screen.left());
    EXPECT_LE(dialog.right(), screen.right());
    delete viewer;
}

}  // namespace
