#pragma once
// The small interfaces through which the screens reach the outside: message boxes, the printer,
// the web browser and the choice of a file to save. Tests put scripted fakes in their place.
#include <string>

class QWidget;
class QTextDocument;

namespace platform {

class MessageBox {
  public:
    enum class Buttons { Ok, OkCancel };
    enum class Icon { None, Warning, Critical };
    enum class Answer { Ok, Cancel };

    virtual ~MessageBox() = default;
    virtual Answer Show(const std::string& text, Buttons buttons = Buttons::Ok,
                        Icon icon = Icon::None) = 0;
};

struct PrintResult {
    bool ok = true;
    int errorNumber = 0;
    std::string description;
};

class Printer {
  public:
    virtual ~Printer() = default;
    // The image of a window as it is drawn on screen.
    virtual PrintResult PrintWidget(QWidget& widget) = 0;
    // A rich-text document with its own formatting.
    virtual PrintResult PrintDocument(QTextDocument& document) = 0;
};

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens a web address in the system's browser; false when that failed.
    virtual bool OpenUrl(const std::string& url) = 0;
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The path under which the user wants a file saved, starting from suggested (a full path);
    // a name typed without an extension gets suffix ("pdf"). "" when they cancelled.
    virtual std::string SaveFileName(const std::string& title, const std::string& suggested,
                                     const std::string& filter, const std::string& suffix) = 0;
};

}  // namespace platform
