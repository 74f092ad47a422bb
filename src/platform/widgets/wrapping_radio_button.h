#pragma once
// An option button whose caption wraps onto as many lines as it needs, with the round indicator
// beside its first line. The whole row takes the click. On the keyboard an option is chosen with
// Space or Enter; the arrows only move among the options of its group, so that a person can hear
// them all before choosing (an answer is taken as soon as it is chosen).
#include <QRadioButton>

namespace widgets {

class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit WrappingRadioButton(QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

  private:
    int Indent() const;  // indicator and the space after it
    int IndicatorHeight() const;
    QRect TextRect(int width) const;
};

}  // namespace widgets
