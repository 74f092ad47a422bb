#include "platform/qt_services.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
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

namespace platform {

namespace {
constexpr int kMinMessageWidth = 260;
}

MessageBox::Answer QtMessageBox::Show(const std::string& text, Buttons buttons, Icon icon) {
    QMessageBox box(parent_ ? parent_ : QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Zorvek"));
    box.setText(ToQt(text));
    // A short message ("Введите пол") would give a box narrower than its own title bar.
    box.setStyleSheet(
        QStringLiteral("QLabel#qt_msgbox_label { min-width: %1px; }").arg(kMinMessageWidth));
    box.setIcon(icon == Icon::Warning    ? QMessageBox::Warning
                : icon == Icon::Critical ? QMessageBox::Critical
                                         : QMessageBox::NoIcon);
    if (buttons == Buttons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

namespace {

constexpr int kPrinterError = 482;  // "printer error", the number users of such programs know

PrintResult NoPrinter() {
    return {false, kPrinterError, "Принтер не найден. Установите принтер и повторите печать."};
}

PrintResult CannotStart(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return {false, kPrinterError,
                "Не удалось записать файл " +
                    FromQt(QDir::toNativeSeparators(printer.outputFileName())) + "."};
    }
    return {false, kPrinterError,
            "Не удалось начать печать на принтере " + FromQt(printer.printerName()) + "."};
}

PrintResult CannotFinish() { return {false, kPrinterError, "Не удалось завершить печать."}; }

QString DocumentName() {
    return QStringLiteral("Зорвек-") + QDate::currentDate().toString(Qt::ISODate);
}

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
    dialog.setWindowTitle(QStringLiteral("Печать"));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

QString QtPrinter::PdfFileFor(const QDate& date, const QString& folder) {
    const QString base =
        QDir(folder).filePath(QStringLiteral("Зорвек-") + date.toString(Qt::ISODate));
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

PrintResult QtPrinter::PrintWidget(QWidget& widget) {
    const QPixmap image = widget.grab();
    return Print([&](QPrinter&, QPainter& painter) {
        const QRect page = painter.viewport();
        // The window as large as the page allows, keeping its proportions.
        const double scale =
            std::min(double(page.width()) / image.width(), double(page.height()) / image.height());
        painter.scale(scale, scale);
        painter.drawPixmap(0, 0, image);
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

}  // namespace platform
