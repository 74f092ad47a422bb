#pragma once
// The Qt implementations of the platform services.
#include "platform/services.h"

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

// Prints on the system's default printer. With no printer installed Qt quietly falls back to PDF
// output without a file name; that is reported as a failure, never as success.
class QtPrinter : public Printer {
public:
    PrintResult PrintWidget(QWidget& widget) override;
    PrintResult PrintDocument(QTextDocument& document) override;
};

class QtShell : public Shell {
public:
    bool OpenUrl(const std::string& url) override;
};

}  // namespace platform
