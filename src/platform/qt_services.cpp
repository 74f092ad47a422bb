#include "platform/qt_services.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>
#include <algorithm>
#include <memory>

#include "platform/qt_text.h"
#include "text/catalogue.h"

namespace platform {

namespace {

constexpr char kForm[] = "platform";
constexpr int kMinMessageWidth = 260;

QString Text(const char* name) { return ToQt(text::FormText(kForm, name)); }

}  // namespace

MessageBox::Answer QtMessageBox::Show(const std::string& text, Buttons buttons, Icon icon) {
    QMessageBox box(parent_ ? parent_ : QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Zorvek"));
    box.setText(ToQt(text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(icon == Icon::Warning    ? QMessageBox::Warning
                : icon == Icon::Critical ? QMessageBox::Critical
                                         : QMessageBox::NoIcon);
    if (buttons == Buttons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->setText(Text("cmdCancel"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    // The box takes the width its text needs, wraps a longer text at a width that reads well
    // and never grows past the screen. A minimum width put on the text itself would make the
    // box take that width instead of the text's and cut the text off; a short message ("Введите
    // пол") gets its room from an empty row below instead, so that the box is not narrower than
    // its own title bar.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(
            new QSpacerItem(kMinMessageWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

namespace {

constexpr int kPrinterError = 482;  // "printer error", the number users of such programs know

PrintResult NoPrinter() { return {false, kPrinterError, text::FormText(kForm, "NoPrinter")}; }

PrintResult CannotStart(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return {false, kPrinterError,
                text::FormText(kForm, "CannotWrite") + " " +
                    FromQt(QDir::toNativeSeparators(printer.outputFileName())) + "."};
    }
    return {false, kPrinterError,
            text::FormText(kForm, "CannotStart") + " " + FromQt(printer.printerName()) + "."};
}

PrintResult CannotFinish() { return {false, kPrinterError, text::FormText(kForm, "CannotFinish")}; }

QString DocumentName() { return Text("DocumentName") + QDate::currentDate().toString(Qt::ISODate); }

// While the person chooses, the mouse pointer is the ordinary one even if the caller already
// shows the hourglass.
class NormalPointer {
  public:
    NormalPointer() : busy_(QApplication::overrideCursor() != nullptr) {
        if (busy_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalPointer() {
        if (busy_) QApplication::restoreOverrideCursor();
    }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;

  private:
    bool busy_;
};

}  // namespace

QtPrinter::QtPrinter() : chooser_(&QtPrinter::ChooseInDialog) {}

QtPrinter::QtPrinter(Chooser chooser) : chooser_(std::move(chooser)) {}

bool QtPrinter::ChooseInDialog(QPrinter& printer) {
    NormalPointer pointer;
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(Text("PrintTitle"));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

QString QtPrinter::PdfFileFor(const QDate& date, const QString& folder) {
    const QString base = QDir(folder).filePath(Text("DocumentName") + date.toString(Qt::ISODate));
    QString path = base + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n) path = base + QStringLiteral("-%1.pdf").arg(n);
    return path;
}

QtPrinter::Prepared QtPrinter::Prepare(QPrinter& printer, PrintResult& failure) {
    printer.setDocName(DocumentName());
    const bool noPrinter = QPrinterInfo::availablePrinters().isEmpty();
    if (noPrinter && chooser_) {
        // Nothing to print on: offer a PDF file the person can see and change in the dialog.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PdfFileFor(QDate::currentDate(), QDir::homePath()));
    }
    if (chooser_ && !chooser_(printer)) return Prepared::Cancelled;
    if (printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName().isEmpty()
                                                      : !printer.isValid()) {
        failure = NoPrinter();
        return Prepared::Failed;
    }
    if (printer.outputFormat() == QPrinter::NativeFormat && noPrinter) {
        failure = NoPrinter();
        return Prepared::Failed;
    }
    return Prepared::Ready;
}

PrintResult QtPrinter::Print(const std::function<bool(QPrinter&, QPainter&)>& draw) {
    QPrinter printer(QPrinter::HighResolution);
    PrintResult failure;
    switch (Prepare(printer, failure)) {
        case Prepared::Cancelled:
            return {};
        case Prepared::Failed:
            return failure;
        case Prepared::Ready:
            break;
    }
    QPainter painter;
    if (!painter.begin(&printer)) return CannotStart(printer);
    if (!draw(printer, painter) || !painter.end()) return CannotFinish();
    return {};
}

void QtPrinter::DrawWindowOnPaper(QWidget& window, QPainter& painter, const QRect& page) {
    painter.fillRect(page, Qt::white);
    if (window.width() <= 0 || window.height() <= 0) return;
    const double scale =
        std::min(double(page.width()) / window.width(), double(page.height()) / window.height());
    // The window's background colour becomes the paper's for the time of the drawing; parts with
    // colours of their own keep them.
    const QPalette screenPalette = window.palette();
    QPalette paper = screenPalette;
    paper.setColor(QPalette::Window, Qt::white);
    window.setPalette(paper);
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    window.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
    window.setPalette(screenPalette);
}

PrintResult QtPrinter::PrintWidget(QWidget& widget) {
    return Print([&](QPrinter&, QPainter& painter) {
        DrawWindowOnPaper(widget, painter, painter.viewport());
        return true;
    });
}

PrintResult QtPrinter::PrintDocument(QTextDocument& document) {
    return Print([&](QPrinter& printer, QPainter& painter) {
        // A copy laid out for the printer's resolution and page, with margins of its own around
        // the text.
        std::unique_ptr<QTextDocument> copy(document.clone());
        QAbstractTextDocumentLayout* layout = copy->documentLayout();
        layout->setPaintDevice(painter.device());
        QTextFrameFormat frame = copy->rootFrame()->frameFormat();
        frame.setMargin(38);  // one centimetre, in the document's own pixels
        copy->rootFrame()->setFrameFormat(frame);
        const QRectF page(0, 0, painter.viewport().width(), painter.viewport().height());
        copy->setPageSize(page.size());
        const int pages = copy->pageCount();
        for (int i = 0; i < pages; ++i) {
            if (i > 0 && !printer.newPage()) return false;
            painter.save();
            const QRectF view = page.translated(0, i * page.height());
            painter.translate(0, -view.top());
            painter.setClipRect(view);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = view;
            context.palette.setColor(QPalette::Text, Qt::black);
            layout->draw(&painter, context);
            painter.restore();
        }
        return true;
    });
}

bool QtShell::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

std::string QtFileChooser::SaveFileName(const std::string& title, const std::string& suggested,
                                        const std::string& filter, const std::string& suffix) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromStdString(filter));
    // The suffix is added before the dialog checks for a file of that name, so that the person is
    // asked before an existing file is replaced.
    dialog.setDefaultSuffix(QString::fromStdString(suffix));
    const QFileInfo start(QString::fromStdString(suggested));
    dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace platform
