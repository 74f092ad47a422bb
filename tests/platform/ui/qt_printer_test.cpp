#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QLabel>
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
