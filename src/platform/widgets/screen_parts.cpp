#include "platform/widgets/screen_parts.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTimer>

#include "platform/qt_text.h"
#include "text/catalogue.h"

namespace widgets {
namespace {

class SelectAllFilter : public QObject {
  public:
    explicit SelectAllFilter(QLineEdit* box) : QObject(box), box_(box) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == box_ && event->type() == QEvent::FocusIn) {
            box_->selectAll();
            // A mouse click places the cursor after the focus arrived; select again after it.
            QTimer::singleShot(0, box_, [box = box_] {
                if (box->hasFocus()) box->selectAll();
            });
        }
        return false;
    }

  private:
    QLineEdit* box_;
};

class StarStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

QLabel* ScreenParts::Label(const std::string& name) const {
    auto* label = new QLabel(screen_);
    label->setObjectName(QString::fromStdString(name));
    if (text::HasFormText(form_, name)) label->setText(platform::ToQt(text::FormText(form_, name)));
    return label;
}

QLabel* ScreenParts::Heading(const std::string& name) const {
    QLabel* label = Label(name);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QLabel* ScreenParts::Paragraph(const std::string& name) const {
    QLabel* label = Label(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* ScreenParts::Box(const std::string& name, int maxLength) const {
    auto* box = new QLineEdit(screen_);
    box->setObjectName(QString::fromStdString(name));
    if (text::HasFormText(form_, name)) box->setText(platform::ToQt(text::FormText(form_, name)));
    if (maxLength > 0) box->setMaxLength(maxLength);
    SelectAllOnFocus(box);
    return box;
}

QPushButton* ScreenParts::Button(const std::string& name) const {
    auto* button = new QPushButton(platform::ToQt(text::FormText(form_, name)), screen_);
    button->setObjectName(QString::fromStdString(name));
    button->setMinimumWidth(120);
    return button;
}

void SelectAllOnFocus(QLineEdit* box) { box->installEventFilter(new SelectAllFilter(box)); }

void EchoStars(QLineEdit* box) {
    auto* style = new StarStyle;
    style->setParent(box);
    box->setStyle(style);
    box->setEchoMode(QLineEdit::Password);
}

}  // namespace widgets
