#include "platform/widgets/accessible_names.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

namespace widgets {
namespace {

// Keeps the control's name and description equal to the texts of its labels.
class CaptionFollower : public QObject {
  public:
    CaptionFollower(QWidget* control, QLabel* caption, std::initializer_list<QLabel*> hints)
        : QObject(control),
          control_(control),
          caption_(caption),
          hints_(hints.begin(), hints.end()) {
        for (QLabel* label : Labels()) label->installEventFilter(this);
        Update();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A screen may set a caption's text while it loads: it is read again when shown.
        if (event->type() == QEvent::Show) Update();
        return QObject::eventFilter(watched, event);
    }

    void Update() {
        if (!control_) return;
        if (caption_) control_->setAccessibleName(Spoken(caption_->text()));
        QStringList parts;
        for (const QPointer<QLabel>& hint : hints_) {
            if (hint && !hint->text().isEmpty()) parts << Spoken(hint->text());
        }
        control_->setAccessibleDescription(parts.join(QLatin1Char(' ')));
    }

  private:
    std::vector<QLabel*> Labels() const {
        std::vector<QLabel*> labels;
        if (caption_) labels.push_back(caption_);
        for (const QPointer<QLabel>& hint : hints_) {
            if (hint) labels.push_back(hint);
        }
        return labels;
    }

    QPointer<QWidget> control_;
    QPointer<QLabel> caption_;
    std::vector<QPointer<QLabel>> hints_;
};

}  // namespace

QString Spoken(const QString& shown) {
    QString text = shown;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    static const QRegularExpression hyphenated(QStringLiteral("(\\w)-\\s+(\\w)"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    text.replace(hyphenated, QStringLiteral("\\1\\2"));
    return text.simplified();
}

void NameFromCaption(QWidget* control, QLabel* caption, std::initializer_list<QLabel*> hints) {
    if (!control || !caption) return;
    // A button is announced by its own name; a box or a list also takes the caption as buddy.
    if (!qobject_cast<QAbstractButton*>(control)) caption->setBuddy(control);
    new CaptionFollower(control, caption, hints);
}

}  // namespace widgets
