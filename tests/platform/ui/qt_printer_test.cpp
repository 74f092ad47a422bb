#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <filesystem>

#include "platform/qt_services.h"
#include "support/temp_dir.h"

namespace {

// A document of several pages, so that paging is exercised.
void FillDocument(QTextDocument& document) {
    QTextCursor cursor(&document);
    for (int i = 0; i < 200; ++i)
        cursor.insertText(QStringLiteral("Строка %1 документа для печати.\n").arg(i));
}

QString Pdf(const testsupport::TempDir& dir, const char* name) {
    return QString::fromStdString((dir.path() / name).string());
}

TEST(QtPrinter, PrintsToTheFileThePersonChose) {
    testsupport::TempDir dir;
    const QString file = Pdf(dir, "Зорвек.pdf");
    platform::QtPrinter printer([&](QPrinter& chosen) {
        chosen.setOutputFormat(QPrinter::PdfFormat);
        chosen.setOutputFileName(file);
        return true;
    });
    QTextDocument document;
    FillDocument(document);
    const platform::PrintResult result = printer.PrintDocument(document);
    EXPECT_TRUE(result.ok) << result.description;
    EXPECT_GT(QFile(file).size(), 1000);

    QFile::remove(file);
    QLabel screen(QStringLiteral("Результаты"));
    screen.resize(300, 200);
    EXPECT_TRUE(printer.PrintWidget(screen).ok);
    EXPECT_GT(QFile(file).size(), 100);
}

TEST(QtPrinter, AWindowIsDrawnOnWhitePaperAtThePagesResolution) {
    // A grey window with a line of text and a coloured cell, 300 pixels wide.
    QWidget screen;
    QPalette grey = screen.palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    screen.setPalette(grey);
    screen.setAutoFillBackground(true);
    auto* text = new QLabel(QStringLiteral("Оценка: хорошо"), &screen);
    auto* cell = new QLabel(&screen);
    cell->setAutoFillBackground(true);
    QPalette red = cell->palette();
    red.setColor(QPalette::Window, Qt::red);
    cell->setPalette(red);
    auto* layout = new QVBoxLayout(&screen);
    layout->addWidget(text);
    layout->addWidget(cell);
    screen.resize(300, 150);
    layout->activate();

    std::cerr << "cell " << cell->geometry().x() << "," << cell->geometry().y() << " " << cell->geometry().width() << "x" << cell->geometry().height() << "\n";
    // An A4 page at 150 dots per inch.
    QImage page(1240, 1754, QImage::Format_RGB32);
    page.fill(Qt::black);
    QPainter painter(&page);
    platform::QtPrinter::DrawWindowOnPaper(screen, painter, page.rect());
    painter.end();

    EXPECT_EQ(page.pixelColor(2, 2), QColor(Qt::white)) << "the window's grey is not the paper's";
    EXPECT_EQ(page.pixelColor(1200, 1700), QColor(Qt::white)) << "the page below is blank paper";
    // Scaled to the page's width: the coloured cell, which ends 11 pixels before the window's
    // right edge, ends as far before the page's.
    const double scale = double(page.width()) / screen.width();
    const int cellRow = int(cell->geometry().center().y() * scale);
    EXPECT_EQ(page.pixelColor(int((cell->geometry().right() - 2) * scale), cellRow),
              QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(int((cell->geometry().right() + 4) * scale), cellRow),
              QColor(Qt::white));
    // The text drawn at the page's resolution has dark strokes.
    bool dark = false;
    const QRect textArea(0, 0, page.width(), (text->geometry().bottom() * page.width()) / 300);
    for (int y = textArea.top(); y < textArea.bottom() && !dark; ++y)
        for (int x = 0; x < page.width() && !dark; x += 2) dark = page.pixelColor(x, y).value() < 80;
    EXPECT_TRUE(dark);
    // The window on screen is as it was.
    EXPECT_EQ(screen.palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST(QtPrinter, OutputThatCannotStartIsAFailureWithADescription) {
    testsupport::TempDir dir;
    // PDF output without a file name: what Qt falls back to when no printer is installed.
    platform::QtPrinter noFile([](QPrinter& chosen) {
        chosen.setOutputFormat(QPrinter::PdfFormat);
        chosen.setOutputFileName(QString());
        return true;
    });
    QTextDocument document;
    FillDocument(document);
    platform::PrintResult result = noFile.PrintDocument(document);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorNumber, 482);
    EXPECT_EQ(result.description, "Принтер не найден. Установите принтер и повторите печать.");

    const QString unwritable = Pdf(dir, "no/such/folder/x.pdf");
    platform::QtPrinter badFile([&](QPrinter& chosen) {
        chosen.setOutputFormat(QPrinter::PdfFormat);
        chosen.setOutputFileName(unwritable);
        return true;
    });
    result = badFile.PrintDocument(document);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.description.find("Не удалось записать файл"), std::string::npos);
    QLabel screen(QStringLiteral("Результаты"));
    EXPECT_FALSE(badFile.PrintWidget(screen).ok);
}

TEST(QtPrinter, ACancelledChoicePrintsNothingAndIsNoFailure) {
    testsupport::TempDir dir;
    const QString file = Pdf(dir, "x.pdf");
    platform::QtPrinter printer([&](QPrinter& chosen) {
        chosen.setOutputFormat(QPrinter::PdfFormat);
        chosen.setOutputFileName(file);
        return false;
    });
    QTextDocument document;
    FillDocument(document);
    EXPECT_TRUE(printer.PrintDocument(document).ok);
    EXPECT_FALSE(QFile::exists(file));
}

TEST(QtPrinter, WithoutAPrinterAndWithoutAChoiceNothingIsReportedAsPrinted) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this machine has a printer";
    platform::QtPrinter printer{platform::QtPrinter::Chooser{}};
    QTextDocument document;
    FillDocument(document);
    const platform::PrintResult result = printer.PrintDocument(document);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorNumber, 482);
    QLabel screen(QStringLiteral("Результаты"));
    EXPECT_FALSE(printer.PrintWidget(screen).ok);
}

TEST(QtPrinter, OfferedPdfFileNeverOverwritesAnEarlierOne) {
    testsupport::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    const QDate date(2026, 12, 8);
    const QString first = platform::QtPrinter::PdfFileFor(date, folder);
    EXPECT_EQ(first, folder + QStringLiteral("/Зорвек-2026-12-08.pdf"));
    QFile(first).open(QIODevice::WriteOnly);
    EXPECT_EQ(platform::QtPrinter::PdfFileFor(date, folder),
              folder + QStringLiteral("/Зорвек-2026-12-08-2.pdf"));
}

}  // namespace
