#include "platform/widgets/print_screen.h"

#include <QApplication>
#include <QWidget>
#include <exception>
#include <functional>

#include "base/failure.h"

namespace widgets {
namespace {

void ReportFailure(platform::AppContext& context, int number, const std::string& description) {
    context.messages.Show(std::to_string(number) + " " + description,
                          platform::MessageBox::Buttons::Ok, platform::MessageBox::Icon::Critical);
}

// Runs one step; a failure is reported and the procedure goes on.
void Step(platform::AppContext& context, const std::function<void()>& step) {
    try {
        step();
    } catch (const base::RuntimeFailure& failure) {
        ReportFailure(context, failure.number(), failure.description());
    } catch (const std::exception& error) {
        ReportFailure(context, 0, error.what());
    }
}

}  // namespace

void PrintScreen(platform::AppContext& context, QWidget& screen,
                 const std::vector<QWidget*>& buttons) {
    std::vector<bool> wasVisible;
    for (QWidget* button : buttons) {
        wasVisible.push_back(button && !button->isHidden());
        Step(context, [button] {
            if (button) button->hide();
        });
    }
    Step(context, [&] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const platform::PrintResult result = context.printer.PrintWidget(screen);
        QApplication::restoreOverrideCursor();
        if (!result.ok) ReportFailure(context, result.errorNumber, result.description);
    });
    for (size_t i = 0; i < buttons.size(); ++i) {
        Step(context, [&, i] {
            if (buttons[i] && wasVisible[i]) buttons[i]->show();
        });
    }
}

}  // namespace widgets
