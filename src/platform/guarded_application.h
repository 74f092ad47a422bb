#pragma once
// The application with one guard at the top of the event loop: a run-time failure inside any
// handler is reported ("Error N", the description) and the program keeps running.
#include <QApplication>

#include "platform/services.h"

namespace platform {

class GuardedApplication : public QApplication {
  public:
    GuardedApplication(int& argc, char** argv);
    void SetMessageBox(MessageBox* messages) { messages_ = messages; }
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    void Report(const std::string& message);
    MessageBox* messages_ = nullptr;
};

}  // namespace platform
