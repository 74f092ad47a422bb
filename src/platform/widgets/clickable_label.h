#pragma once
// A label that reacts to a click like a link: the web addresses of the recommendation screens.
#include <QLabel>

namespace widgets {

class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickableLabel(QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace widgets
