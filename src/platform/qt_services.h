#pragma once
// The Qt implementations of the platform services.
#include <functional>

#include "platform/services.h"

class QDate;
class QPainter;
class QPrinter;
class QRect;
class QString;
class QWidget;

namespace platform {

class QtMessageBox : public MessageBox {
  public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    Answer Show(const std::string& text, Buttons buttons, Icon icon) override;

  private:
    QWidget* parent_;
};

// Prints through the system's print dialog, with the default printer chosen; when no printer is
// installed the dialog offers a PDF file in the home folder instead. With no printer and nobody to
// choose, Qt would quietly fall back to PDF output without a file name and print nothing: that is
// reported as a failure, never as success. A person who cancels the dialog gets no message.
class QtPrinter : public Printer {
  public:
    // Lets the person choose a printer or a file for the print about to start; false: cancelled.
    using Chooser = std::function<bool(QPrinter&)>;

    QtPrinter();                          // chooses in the system's print dialog
    explicit QtPrinter(Chooser chooser);  // an empty chooser prints on the default printer directly

    PrintResult PrintWidget(QWidget& widget) override;
    PrintResult PrintDocument(QTextDocument& document) override;

    static bool ChooseInDialog(QPrinter& printer);
    // Paints the window on a page as white paper: its own drawing at the device's resolution (not
    // a screen picture), the window's grey background left out, as large as the page allows with
    // its proportions kept. Coloured parts of the window keep their colours.
    static void DrawWindowOnPaper(QWidget& window, QPainter& painter, const QRect& page);
    // "Зорвек-<yyyy-mm-dd>.pdf" in folder; "-2", "-3", ... added so that no earlier file is
    // overwritten.
    static QString PdfFileFor(const QDate& date, const QString& folder);

  private:
    enum class Prepared { Ready, Cancelled, Failed };
    Prepared Prepare(QPrinter& printer, PrintResult& failure);
    // Prepares a printer, lets draw paint the pages (false: a page could not be started) and
    // reports what went wrong.
    PrintResult Print(const std::function<bool(QPrinter&, QPainter&)>& draw);

    Chooser chooser_;
};

class QtShell : public Shell {
  public:
    bool OpenUrl(const std::string& url) override;
};

// The system's save dialog, over the active window; it asks before a file is overwritten.
class QtFileChooser : public FileChooser {
  public:
    std::string SaveFileName(const std::string& title, const std::string& suggested,
                             const std::string& filter, const std::string& suffix) override;
};

}  // namespace platform
