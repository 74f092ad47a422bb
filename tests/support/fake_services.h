#pragma once
// Scripted fakes of the platform services: they record what was asked and answer with what the
// test queued in advance.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace testsupport {

class FakeMessageBox : public platform::MessageBox {
  public:
    struct Shown {
        std::string text;
        Buttons buttons;
        Icon icon;
    };
    std::vector<Shown> shown;
    std::deque<Answer> answers;  // answered in order; Ok when empty

    Answer Show(const std::string& text, Buttons buttons, Icon icon) override {
        shown.push_back({text, buttons, icon});
        if (answers.empty()) return Answer::Ok;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Shown& s : shown) texts.push_back(s.text);
        return texts;
    }
};

class FakePrinter : public platform::Printer {
  public:
    int widgetsPrinted = 0;
    int documentsPrinted = 0;
    bool fail = false;
    int errorNumber = 482;
    std::string description = "Принтер не найден";
    // Called while printing, so a test can look at the screen as it is printed.
    std::function<void(QWidget&)> onPrintWidget;

    platform::PrintResult PrintWidget(QWidget& widget) override {
        if (onPrintWidget) onPrintWidget(widget);
        if (fail) return {false, errorNumber, description};
        ++widgetsPrinted;
        return {};
    }
    platform::PrintResult PrintDocument(QTextDocument&) override {
        if (fail) return {false, errorNumber, description};
        ++documentsPrinted;
        return {};
    }
};

class FakeShell : public platform::Shell {
  public:
    std::vector<std::string> opened;
    bool fail = false;
    bool OpenUrl(const std::string& url) override {
        opened.push_back(url);
        return !fail;
    }
};

class FakeFileChooser : public platform::FileChooser {
  public:
    struct Asked {
        std::string title, suggested, filter, suffix;
    };
    std::vector<Asked> asked;
    std::deque<std::string> answers;  // the paths chosen, in order; "" (cancel) when empty

    std::string SaveFileName(const std::string& title, const std::string& suggested,
                             const std::string& filter, const std::string& suffix) override {
        asked.push_back({title, suggested, filter, suffix});
        if (answers.empty()) return "";
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace testsupport
