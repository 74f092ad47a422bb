#pragma once
// frmRTF, the document viewer: one rich-text document, a close button and, when the opener shows
// it, a print button. Opening screens load it through platform::Forms, use its text operations,
// then show it modally (or call docs::ShowDocument).
#include <QDialog>
#include <filesystem>
#include <string>

#include "docs/rich_text.h"
#include "platform/app_context.h"

class QPushButton;
class QTextDocument;
class QTextEdit;

namespace docs {

class frmRTF : public QDialog {
    Q_OBJECT

  public:
    // Form_Load: caption "Info", an empty document, the print button hidden.
    explicit frmRTF(platform::AppContext& context);

    // Loads a file as RTF. False when it cannot be read; the content is then unchanged.
    bool LoadFile(const std::filesystem::path& path);

    // The whole RTF text, UTF-8: as loaded (bytes 128..255 a file holds unescaped written as \'hh,
    // so a placeholder such as \'ff\'ff\'ff is found however the file was written) or as set, or
    // the edited document written out again after ReplaceSelection. Text set may hold any
    // character as itself; it shows as that character.
    const std::string& RtfText() const;
    // Replaces the whole content and shows it; the selection goes to the start.
    void SetRtfText(const std::string& rtfText);
    // An empty document.
    void Clear();

    // Text operations; positions count the characters of PlainText() from 0 (see rich_text.h).
    std::string PlainText() const;
    int Find(const std::string& text, int from = 0) const;  // -1 when absent
    void SetSelection(int start, int length);
    int SelectionStart() const;
    int SelectionLength() const;
    std::string SelectedText() const;
    void ReplaceSelection(const std::string& text);

    // The print button: hidden unless the opener shows it.
    void SetPrintButtonVisible(bool visible);
    bool PrintButtonVisible() const;

    // The document as shown (and printed).
    QTextDocument& Document() const;

    // Controls
    QTextEdit* RichTextBox1 = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;

    void cmdPrint_Click();
    void cmdClose_Click();

  private:
    void Render();
    void ShowSelection();

    platform::AppContext& ctx_;
    RichText content_;
};

}  // namespace docs
