#include "docs/ui/show_document.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QTextEdit>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "docs/ui/frm_rtf.h"
#include "shell/ui/frm_mdi.h"
#include "support/ui_fixture.h"
#include "support/test_data.h"

namespace {

class ShowDocumentTest : public testsupport::UiFixture {
  protected:
    std::string Fixture(const char* name) {
        return testsupport::ReadTestData(std::string("rtf/") + name);
    }
};

TEST_F(ShowDocumentTest, AMissingDocumentIsReportedWithItsFullPathAndNothingIsShown) {
    bool shown = false;
    forms.SetModalRunner([&](QDialog&) { shown = true; });
    docs::ShowDocument(context, "\\DOC\\DZ-1-r.rtf");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Отсутствует файл " + (dir.path() / "DOC" / "DZ-1-r.rtf").string());
    EXPECT_EQ(messages.shown[0].buttons, platform::MessageBox::Buttons::Ok);
    EXPECT_FALSE(shown);
    EXPECT_FALSE(forms.IsLoaded("frmRTF"));
}

TEST_F(ShowDocumentTest, ShowsTheDocumentModallyPlacedWithoutPrintButtonThenUnloadsIt) {
    dir.Write("Doc/G-J-000.rtf", Fixture("word_cp1251.rtf"));
    std::string text;
    bool printVisible = true;
    bool modal = false;
    QPoint position;
    forms.SetModalRunner([&](QDialog& dialog) {
        modal = dialog.isModal() && dialog.isVisible();
        position = dialog.pos();
        text = dialog.findChild<QTextEdit*>("RichTextBox1")->toPlainText().toStdString();
        printVisible = dialog.findChild<QPushButton*>("cmdPrint")->isVisible();
        dialog.findChild<QPushButton*>("cmdClose")->click();
    });
    docs::ShowDocument(context, "\\Doc\\G-J-000.rtf");
    ProcessEvents();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(modal);
    EXPECT_TRUE(text.starts_with("Здоровье и питание\nОбычный абзац: жирный")) << text;
    EXPECT_FALSE(printVisible);
    EXPECT_EQ(position, QPoint(400 / 15, 50 / 15));
    EXPECT_FALSE(forms.IsLoaded("frmRTF"));
}

TEST_F(ShowDocumentTest, ADocumentOfTheMenuOpensWithoutPrintButton) {
    dir.Write("DOC/DZ-1-r.rtf", Fixture("libreoffice_article.rtf"));
    shell::frmMDI& window = OpenMainWindow();
    std::string text;
    bool printVisible = true;
    forms.SetModalRunner([&](QDialog& dialog) {
        text = dialog.findChild<QTextEdit*>("RichTextBox1")->toPlainText().toStdString();
        printVisible = dialog.findChild<QPushButton*>("cmdPrint")->isVisible();
        dialog.findChild<QPushButton*>("cmdClose")->click();
    });
    window.findChild<QAction*>("mInfo161")->trigger();
    ProcessEvents();
    EXPECT_EQ(sharedState.menuChoice, 161);
    EXPECT_TRUE(text.starts_with("Памятка о здоровом питании")) << text;
    EXPECT_FALSE(printVisible);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ShowDocumentTest, TheOpenersPrintButtonStaysForItsDocumentButNotForTheNext) {
    dir.Write("Doc/ZRV-Rec-1.rtf", "{\\rtf1 use\\par}");
    std::vector<bool> printVisible;
    forms.SetModalRunner([&](QDialog& dialog) {
        printVisible.push_back(dialog.findChild<QPushButton*>("cmdPrint")->isVisible());
        dialog.findChild<QPushButton*>("cmdClose")->click();
    });
    // An opener shows the print button, then asks for its document.
    qobject_cast<docs::frmRTF*>(forms.Load("frmRTF"))->SetPrintButtonVisible(true);
    docs::ShowDocument(context, "\\Doc\\ZRV-Rec-1.rtf");
    ProcessEvents();
    // The same for a document that is missing: afterwards a menu document has no print button.
    qobject_cast<docs::frmRTF*>(forms.Load("frmRTF"))->SetPrintButtonVisible(true);
    docs::ShowDocument(context, "\\Doc\\ZRV-Rec-.rtf");
    ProcessEvents();
    docs::ShowDocument(context, "\\Doc\\ZRV-Rec-1.rtf");
    ProcessEvents();
    EXPECT_EQ(printVisible, (std::vector<bool>{true, false}));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(ShowDocumentTest, MalformedDocumentsShowWhatCanBeRead) {
    dir.Write("Doc/cut.rtf", Fixture("word_cp1251.rtf").substr(0, 1500));
    dir.Write("Doc/garbage.rtf",
              std::string("\x00\x01{\\rtf1 \xff\xfe{{{{\\b\\fs999999999999 \xcf\xf0\xe8", 26));
    std::vector<std::string> texts;
    forms.SetModalRunner([&](QDialog& dialog) {
        texts.push_back(dialog.findChild<QTextEdit*>("RichTextBox1")->toPlainText().toStdString());
        dialog.reject();
    });
    docs::ShowDocument(context, "\\Doc\\cut.rtf");
    ProcessEvents();
    docs::ShowDocument(context, "\\Doc\\garbage.rtf");
    ProcessEvents();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_TRUE(texts[0].starts_with("Здоровье и питание")) << texts[0];
    EXPECT_FALSE(texts[1].empty());
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
