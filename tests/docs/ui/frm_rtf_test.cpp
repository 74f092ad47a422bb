#include "docs/ui/frm_rtf.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "support/ui_fixture.h"

namespace {

class FrmRtfTest : public testsupport::UiFixture {
  protected:
    docs::frmRTF& Viewer() {
        auto* viewer = qobject_cast<docs::frmRTF*>(forms.Load("frmRTF"));
        EXPECT_NE(viewer, nullptr);
        return *viewer;
    }
    std::string Shown(docs::frmRTF& viewer) {
        return viewer.RichTextBox1->toPlainText().toStdString();
    }
};

TEST_F(FrmRtfTest, LoadsEmptyWithCaptionAndNoPrintButton) {
    docs::frmRTF& viewer = Viewer();
    EXPECT_EQ(viewer.windowTitle().toStdString(), "Info");
    auto* print = Find<QPushButton>(&viewer, "cmdPrint");
    auto* close = Find<QPushButton>(&viewer, "cmdClose");
    ASSERT_NE(print, nullptr);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(print->text().toStdString(), "РАСПЕЧАТАТЬ");
    EXPECT_EQ(close->text().toStdString(), "ЗАКРЫТЬ");
    EXPECT_TRUE(print->isHidden());
    EXPECT_FALSE(viewer.PrintButtonVisible());
    auto* box = Find<QTextEdit>(&viewer, "RichTextBox1");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(viewer.PlainText(), "");
}

// What an opening screen does with a template: load it, fill in the RTF text, replace in the
// plain text, and show it with the print button.
TEST_F(FrmRtfTest, OpenerOperationsChangeWhatIsShown) {
    const auto path = dir.Write(
        "Doc/KALEND11.rtf",
        "{\\rtf1\\ansi\\ansicpg1251 {\\b \\'c4\\'eb\\'ff:} \\'ff\\'ff\\'ff\\'ff\\'ff\\'ff\\par "
        "\\'cd\\'e0\\'f7\\'e0\\'eb\\'ee: ^^^^\\par}");
    docs::frmRTF& viewer = Viewer();
    ASSERT_TRUE(viewer.LoadFile(path));
    EXPECT_EQ(Shown(viewer), "Для: яяяяяя\nНачало: ^^^^");

    std::string rtf = viewer.RtfText();
    const std::string placeholder = "\\'ff\\'ff\\'ff\\'ff\\'ff\\'ff";
    ASSERT_NE(rtf.find(placeholder), std::string::npos);
    rtf.replace(rtf.find(placeholder), placeholder.size(),
                "\\'c3-\\'ed \\'c8\\'e2\\'e0\\'ed\\'ee\\'e2 Ёж");
    viewer.SetRtfText(rtf);
    EXPECT_EQ(Shown(viewer), "Для: Г-н Иванов Ёж\nНачало: ^^^^");

    const int at = viewer.Find("^^^^");
    EXPECT_EQ(at, 27);
    viewer.SetSelection(at, 4);
    EXPECT_EQ(viewer.SelectedText(), "^^^^");
    EXPECT_EQ(viewer.RichTextBox1->textCursor().selectedText().toStdString(), "^^^^");
    viewer.ReplaceSelection("08.12.26");
    EXPECT_EQ(Shown(viewer), "Для: Г-н Иванов Ёж\nНачало: 08.12.26");
    EXPECT_EQ(viewer.PlainText(), "Для: Г-н Иванов Ёж\nНачало: 08.12.26");
    EXPECT_EQ(viewer.RichTextBox1->textCursor().position(), 35);
    const QTextCursor bold = viewer.Document().find(QStringLiteral("Для"));
    EXPECT_EQ(bold.charFormat().fontWeight(), QFont::Bold) << "formatting survives the edits";

    viewer.SetSelection(1, 0);
    EXPECT_EQ(viewer.RichTextBox1->textCursor().position(), 1);
    viewer.SetPrintButtonVisible(true);
    EXPECT_TRUE(viewer.PrintButtonVisible());

    viewer.Clear();
    EXPECT_EQ(Shown(viewer), "");
}

TEST_F(FrmRtfTest, AFileThatCannotBeReadLeavesTheContentAsItWas) {
    docs::frmRTF& viewer = Viewer();
    viewer.SetRtfText("{\\rtf1 kept}");
    EXPECT_FALSE(viewer.LoadFile(dir.path() / "missing.rtf"));
    EXPECT_EQ(Shown(viewer), "kept");
}

TEST_F(FrmRtfTest, PrintsTheWholeDocumentAndReportsAFailedPrint) {
    docs::frmRTF& viewer = Viewer();
    viewer.SetRtfText("{\\rtf1 one\\par two}");
    viewer.SetSelection(0, 3);
    viewer.SetPrintButtonVisible(true);
    viewer.cmdPrint->click();
    EXPECT_EQ(printer.documentsPrinted, 1);
    EXPECT_TRUE(messages.shown.empty());

    printer.fail = true;
    printer.errorNumber = 482;
    printer.description = "Принтер не найден";
    viewer.cmdPrint->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "482 Принтер не найден");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::Critical);
    EXPECT_EQ(messages.shown[0].buttons, platform::MessageBox::Buttons::Ok);
    EXPECT_TRUE(forms.IsLoaded("frmRTF")) << "a failed print ends nothing";
    EXPECT_EQ(Shown(viewer), "one\ntwo");
}

TEST_F(FrmRtfTest, CloseUnloadsTheViewer) {
    docs::frmRTF& viewer = Viewer();
    viewer.show();
    viewer.cmdClose->click();
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmRTF"));
}

TEST_F(FrmRtfTest, TheKeysScrollALongDocumentAtOnce) {
    // A document is read, not edited: the arrow and page keys move the text, not a caret that
    // would first walk down the visible lines (and blink in the title).
    std::string rtf = "{\\rtf1\\ansi ";
    for (int i = 1; i <= 120; ++i) rtf += "Line " + std::to_string(i) + "\\par ";
    rtf += "}";
    docs::frmRTF& viewer = Viewer();
    viewer.SetRtfText(rtf);
    viewer.resize(600, 400);
    viewer.show();
    ProcessEvents();
    QScrollBar* bar = viewer.RichTextBox1->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    ASSERT_EQ(bar->value(), 0);
    QTest::keyClick(viewer.RichTextBox1, Qt::Key_Down);
    EXPECT_GT(bar->value(), 0);
    const int afterLine = bar->value();
    QTest::keyClick(viewer.RichTextBox1, Qt::Key_PageDown);
    EXPECT_GT(bar->value(), afterLine);
}

}  // namespace
