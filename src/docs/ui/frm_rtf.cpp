#include "docs/ui/frm_rtf.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "docs/ui/rtf_builder.h"
#include "platform/forms.h"
#include "platform/qt_text.h"
#include "text/catalogue.h"

namespace docs {

namespace {
constexpr const char* kForm = "frmRTF";
}

frmRTF::frmRTF(platform::AppContext& context) : ctx_(context) {
    setWindowTitle(platform::ToQt(text::FormText(kForm, kForm)));

    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);
    // Read, not edited: no text caret blinks in the title, and the arrow and page keys scroll.
    RichTextBox1->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdPrint = new QPushButton(platform::ToQt(text::FormText(kForm, "cmdPrint")), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setAutoDefault(false);
    cmdPrint->hide();
    cmdClose = new QPushButton(platform::ToQt(text::FormText(kForm, "cmdClose")), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RichTextBox1, 1);
    layout->addLayout(buttons);

    connect(cmdPrint, &QPushButton::clicked, this, &frmRTF::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmRTF::cmdClose_Click);

    // Wide enough for a page of text, never larger than the screen.
    QSize size(820, 660);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    }
    resize(size);
    Render();
}

bool frmRTF::LoadFile(const std::filesystem::path& path) {
    if (content_.LoadFile(path) != RichText::LoadResult::Loaded) return false;
    Render();
    return true;
}

const std::string& frmRTF::RtfText() const { return content_.RtfText(); }

void frmRTF::SetRtfText(const std::string& rtfText) {
    content_.SetRtfText(rtfText);
    Render();
}

void frmRTF::Clear() {
    content_.Clear();
    Render();
}

std::string frmRTF::PlainText() const { return content_.PlainText(); }

int frmRTF::Find(const std::string& text, int from) const { return content_.Find(text, from); }

void frmRTF::SetSelection(int start, int length) {
    content_.SetSelection(start, length);
    ShowSelection();
}

int frmRTF::SelectionStart() const { return content_.SelectionStart(); }
int frmRTF::SelectionLength() const { return content_.SelectionLength(); }
std::string frmRTF::SelectedText() const { return content_.SelectedText(); }

void frmRTF::ReplaceSelection(const std::string& text) {
    content_.ReplaceSelection(text);
    Render();
}

void frmRTF::SetPrintButtonVisible(bool visible) { cmdPrint->setVisible(visible); }
bool frmRTF::PrintButtonVisible() const { return !cmdPrint->isHidden(); }

QTextDocument& frmRTF::Document() const { return *RichTextBox1->document(); }

void frmRTF::Render() {
    // Built apart from the text box, so that it is laid out once, not after every paragraph.
    auto* document = new QTextDocument(RichTextBox1);
    document->setUndoRedoEnabled(false);
    BuildTextDocument(content_.Document(), *document);
    // The text box deletes a document it made itself; the ones made here go when replaced.
    QPointer<QTextDocument> previous = RichTextBox1->document();
    RichTextBox1->setDocument(document);
    if (previous && previous->parent() == RichTextBox1) delete previous.data();
    // A screen reader names the text by the document's title, its first line.
    QString title = windowTitle();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (const QString line = block.text().simplified(); !line.isEmpty()) {
            title = line;
            break;
        }
    }
    RichTextBox1->setAccessibleName(title);
    ShowSelection();
}

void frmRTF::ShowSelection() {
    QTextCursor cursor(RichTextBox1->document());
    const int start = content_.SelectionStart();
    cursor.setPosition(content_.Utf16Position(start));
    cursor.setPosition(content_.Utf16Position(start + content_.SelectionLength()),
                       QTextCursor::KeepAnchor);
    RichTextBox1->setTextCursor(cursor);
}

void frmRTF::cmdPrint_Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const platform::PrintResult result = ctx_.printer.PrintDocument(Document());
    QApplication::restoreOverrideCursor();
    if (!result.ok) {
        ctx_.messages.Show(std::to_string(result.errorNumber) + " " + result.description,
                           platform::MessageBox::Buttons::Ok, platform::MessageBox::Icon::Critical);
    }
}

void frmRTF::cmdClose_Click() {
    if (ctx_.forms.Find(kForm) == this) {
        ctx_.forms.Unload(kForm);
    } else {
        close();
    }
}

}  // namespace docs
