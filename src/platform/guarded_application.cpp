#include "platform/guarded_application.h"

#include <exception>

#include "base/failure.h"
#include "text/catalogue.h"

namespace platform {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const base::RuntimeFailure& failure) {
        Report(failure.Message());
    } catch (const std::exception& error) {
        Report(text::FormText("platform", "InternalError") + "\r\n" + error.what());
    }
    return false;
}

void GuardedApplication::Report(const std::string& message) {
    if (messages_) messages_->Show(message, MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
}

}  // namespace platform
