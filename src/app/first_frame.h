#pragma once
// The start-up benchmark's probe (bench/startup_bench): with ZORVEK_REPORT_FIRST_FRAME in the
// environment, the program writes one line "frame WIDTHxHEIGHT" to its standard output as soon as
// the frame that shows the named widget has been painted and handed to the screen, and ends.
// Widgets are painted and flushed in one pass, so a zero timer started at the widget's paint
// event fires once the whole frame is out.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace app {

class FirstFrameProbe : public QObject {
  public:
    explicit FirstFrameProbe(QString widgetName) : name_(std::move(widgetName)) {
        if (qEnvironmentVariableIsSet("ZORVEK_REPORT_FIRST_FRAME"))
            QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!reported_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            watched->objectName() == name_) {
            reported_ = true;
            QWidget* window = static_cast<QWidget*>(watched)->window();
            QTimer::singleShot(0, this, [window] {
                std::printf("frame %dx%d\n", window->width(), window->height());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    QString name_;
    bool reported_ = false;
};

}  // namespace app
