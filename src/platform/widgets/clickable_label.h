#pragma once
// A label that reacts to a click like a link: the web addresses of the recommendation screens.
// It is a link for the keyboard and for screen readers too: Tab reaches it, Space or Enter opens
// it, and it is announced as a link with its text.
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
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace widgets
