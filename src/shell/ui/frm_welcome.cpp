#include "shell/ui/frm_welcome.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/forms.h"
#include "platform/qt_text.h"
#include "text/catalogue.h"

namespace shell {

namespace {

constexpr char kForm[] = "frmWelcome";
constexpr int kPictureSize = 150;

// The screen's width is fixed, so each text gets a width known in advance. A word-wrapped QLabel
// lays its text out three or four times over at widths it guesses before it is shown; this one
// lays it out once at the width it gets and keeps the height (the screen's start took most of the
// program's start before).
class WrappedLabel : public QLabel {
  public:
    WrappedLabel(const QString& text, int width, QWidget* parent)
        : QLabel(text, parent), width_(width) {
        setWordWrap(true);
    }
    QSize sizeHint() const override { return {width_, heightForWidth(width_)}; }
    QSize minimumSizeHint() const override { return {width_ / 2, heightForWidth(width_)}; }
    int heightForWidth(int width) const override {
        ensurePolished();
        if (width != laidOutWidth_ || text() != laidOutText_ || font() != laidOutFont_ ||
            contentsMargins() != laidOutMargins_) {
            laidOutWidth_ = width;
            laidOutText_ = text();
            laidOutFont_ = font();
            laidOutMargins_ = contentsMargins();
            height_ = QLabel::heightForWidth(width);
        }
        return height_;
    }

  private:
    const int width_;
    mutable int laidOutWidth_ = -1;
    mutable QString laidOutText_;
    mutable QFont laidOutFont_;
    mutable QMargins laidOutMargins_;
    mutable int height_ = 0;
};

constexpr int kScreenWidth = 560;
constexpr int kMarginX = 18;
constexpr int kPictureGap = 16;
constexpr int kTextWidth = kScreenWidth - 2 * kMarginX;
constexpr int kTitleWidth = kTextWidth - kPictureSize - kPictureGap;

QLabel* MakeLabel(QWidget* parent, const char* name, int width, int pointSize, bool bold,
                  const char* colour) {
    auto* label = new WrappedLabel(platform::ToQt(text::FormText(kForm, name)), width, parent);
    label->setObjectName(name);
    QFont font = label->font();
    if (pointSize > 0) font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    return label;
}

}  // namespace

frmWelcome::frmWelcome(platform::AppContext& context, QWidget* parent)
    : QWidget(parent), ctx_(context) {
    setWindowTitle(QStringLiteral("Welcome"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0xf6, 0xfb, 0xf8));
    setPalette(background);

    const int base = font().pointSize();
    Label1 = MakeLabel(this, "Label1", kTitleWidth, base + 1, false, "#2f6f8f");
    Label2 = MakeLabel(this, "Label2", kTitleWidth, base + 2, false, "#2f6f8f");
    Label3 = MakeLabel(this, "Label3", kTitleWidth, base + 14, true, "#1f5c4f");
    Label4 = MakeLabel(this, "Label4", kTitleWidth, base + 1, false, "#3f7f5f");
    Label5 = MakeLabel(this, "Label5", kTextWidth, 0, false, "#23313a");
    Label8 = MakeLabel(this, "Label8", kTextWidth, 0, false, "#23313a");
    Label7 = MakeLabel(this, "Label7", kTextWidth, 0, false, "#23313a");
    Label6 = MakeLabel(this, "Label6", kTextWidth, 0, true, "#1f4f6f");
    for (QLabel* centred : {Label1, Label2, Label3, Label4, Label6})
        centred->setAlignment(Qt::AlignCenter);
    QFont motto = Label4->font();
    motto.setItalic(true);
    Label4->setFont(motto);
    Label7->setStyleSheet(
        QStringLiteral("color: #23313a; background: #e6f2ec; border: 1px solid #b9dcc8; "
                       "border-radius: 6px; padding: 6px;"));

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(WelcomePicture());
    Image1->setFixedSize(kPictureSize, kPictureSize);

    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addStretch();
    for (QLabel* title : {Label1, Label2, Label3, Label4}) titles->addWidget(title);
    titles->addStretch();
    auto* top = new QHBoxLayout;
    top->setSpacing(kPictureGap);
    top->addWidget(Image1, 0, Qt::AlignVCenter);
    top->addLayout(titles, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMarginX, 14, kMarginX, 16);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addWidget(Label5);
    layout->addWidget(Label8);
    layout->addWidget(Label7);
    layout->addWidget(Label6);
    setFixedWidth(kScreenWidth);

    Form_Load();
}

void frmWelcome::Form_Load() {
    ctx_.forms.Place(this, 20, 300);
    for (QLabel* label : {Label7, Label6}) {
        label->setText(platform::ToQt(text::ReplaceBreaks(platform::FromQt(label->text()))));
    }
}

const QPixmap& WelcomePicture() {
    static const QPixmap picture = [] {
        const bool dense = qApp->devicePixelRatio() > 1.0;
        QPixmap decoded(dense ? QStringLiteral(":/images/welcome@2x.png")
                              : QStringLiteral(":/images/welcome.png"));
        decoded.setDevicePixelRatio(static_cast<qreal>(decoded.width()) / kPictureSize);
        return decoded;
    }();
    return picture;
}

void ShowWelcome(platform::AppContext& context) {
    QWidget* screen = context.forms.Load(kForm);
    if (!screen) return;
    if (auto* picture = screen->findChild<QLabel*>(QStringLiteral("Image1")))
        picture->setVisible(true);
    context.forms.Show(kForm);
}

}  // namespace shell
