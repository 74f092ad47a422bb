#include "platform/widgets/wrapping_radio_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace widgets {
namespace {

constexpr int kMargin = 2;
constexpr int kPreferredTextWidth = 420;
constexpr Qt::Alignment kTextFlags = Qt::AlignLeft | Qt::AlignTop;

}  // namespace

WrappingRadioButton::WrappingRadioButton(QWidget* parent) : QRadioButton(parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrappingRadioButton::Indent() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this) +
           style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
}

int WrappingRadioButton::IndicatorHeight() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return std::max(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this),
                    fontMetrics().height());
}

QRect WrappingRadioButton::TextRect(int width) const {
    const int textWidth = std::max(width - Indent() - 2 * kMargin, 1);
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, textWidth, 100000),
                                                    int(kTextFlags) | Qt::TextWordWrap, text());
    return QRect(Indent() + kMargin, kMargin, textWidth, bounds.height());
}

int WrappingRadioButton::heightForWidth(int width) const {
    return std::max(TextRect(width).height(), IndicatorHeight()) + 2 * kMargin;
}

QSize WrappingRadioButton::sizeHint() const {
    const int natural = fontMetrics().horizontalAdvance(text()) + Indent() + 2 * kMargin + 1;
    const int width = std::min(natural, kPreferredTextWidth + Indent());
    return QSize(width, heightForWidth(width));
}

QSize WrappingRadioButton::minimumSizeHint() const {
    return QSize(Indent() + 8 * fontMetrics().averageCharWidth(), IndicatorHeight() + 2 * kMargin);
}

void WrappingRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    // The indicator stands beside the first line of the caption.
    option.rect = QRect(kMargin, kMargin, Indent(), IndicatorHeight());
    painter.drawControl(QStyle::CE_RadioButton, option);

    const QRect textRect = TextRect(width());
    painter.drawItemText(textRect, int(kTextFlags) | Qt::TextWordWrap, palette(), isEnabled(),
                         text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect.adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void WrappingRadioButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
    const bool ahead = key == Qt::Key_Down || key == Qt::Key_Right;
    if ((!back && !ahead) || !parentWidget()) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    // The neighbour in the order the options stand, without choosing it.
    QList<WrappingRadioButton*> group;
    for (auto* option : parentWidget()->findChildren<WrappingRadioButton*>(
             QString(), Qt::FindDirectChildrenOnly)) {
        if (option == this || (option->isVisibleTo(parentWidget()) && option->isEnabled()))
            group.append(option);
    }
    const auto at = group.indexOf(this);
    const auto next = back ? at - 1 : at + 1;
    if (next >= 0 && next < group.size())
        group[next]->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    event->accept();
}

}  // namespace widgets
