#include "platform/widgets/clickable_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace widgets {
namespace {

// A screen reader hears the label as a link named by its text, which it can also press.
class AccessibleLink : public QAccessibleWidget {
  public:
    explicit AccessibleLink(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Link) {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = static_cast<const QLabel*>(widget())->text();
        return text;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled())
            emit static_cast<ClickableLabel*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* LinkFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("widgets::ClickableLabel") && object && object->isWidgetType())
        return new AccessibleLink(static_cast<ClickableLabel*>(object));
    return nullptr;
}

}  // namespace

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(LinkFactory);
        return true;
    }();
    (void)factoryInstalled;
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    setStyleSheet(QStringLiteral("color: #1a4fb0;"));
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!event->isAutoRepeat()) emit clicked();
            event->accept();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // The keyboard's place is seen around the link's text.
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = contentsRect();
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

}  // namespace widgets
