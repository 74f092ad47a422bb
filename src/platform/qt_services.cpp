#include "platform/qt_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>

#include "platform/qt_text.h"

namespace platform {

MessageBox::Answer QtMessageBox::Show(const std::string& text, Buttons buttons, Icon icon) {
    QMessageBox box(parent_ ? parent_ : QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Zorvek"));
    box.setText(ToQt(text));
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

bool HasPrinter() { return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty(); }

}  // namespace

PrintResult QtPrinter::PrintWidget(QWidget& widget) {
    if (!HasPrinter()) return NoPrinter();
    QPrinter printer(QPrinter::HighResolution);
    if (printer.outputFormat() != QPrinter::NativeFormat) return NoPrinter();
    QPainter painter;
    if (!painter.begin(&printer)) return {false, kPrinterError, "Не удалось начать печать."};
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QPixmap image = widget.grab();
    const double scale = std::min(double(page.width()) / image.width(), double(page.height()) / image.height());
    painter.scale(scale, scale);
    painter.drawPixmap(0, 0, image);
    if (!painter.end()) return {false, kPrinterError, "Не удалось завершить печать."};
    return {};
}

PrintResult QtPrinter::PrintDocument(QTextDocument& document) {
    if (!HasPrinter()) return NoPrinter();
    QPrinter printer(QPrinter::HighResolution);
    if (printer.outputFormat() != QPrinter::NativeFormat) return NoPrinter();
    document.print(&printer);
    return {};
}

bool QtShell::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

}  // namespace platform
