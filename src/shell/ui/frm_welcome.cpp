#include "shell/ui/frm_welcome.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/forms.h"
#include "platform/qt_text.h"
#include "text/catalogue.h"

namespace shell {

namespace {

constexpr char kForm[] = "frmWelcome";
// The picture is drawn at twice its size on screen, so it stays sharp on dense screens.
constexpr int kPictureSize = 150;

QLabel* MakeLabel(QWidget* parent, const char* name, int pointSize, bool bold, const char* colour) {
    auto* label = new QLabel(platform::ToQt(text::FormText(kForm, name)), parent);
    label->setObjectName(name);
    label->setWordWrap(true);
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
    Label1 = MakeLabel(this, "Label1", base + 1, false, "#2f6f8f");
    Label2 = MakeLabel(this, "Label2", base + 2, false, "#2f6f8f");
    Label3 = MakeLabel(this, "Label3", base + 14, true, "#1f5c4f");
    Label4 = MakeLabel(this, "Label4", base + 1, false, "#3f7f5f");
    Label5 = MakeLabel(this, "Label5", 0, false, "#23313a");
    Label8 = MakeLabel(this, "Label8", 0, false, "#23313a");
    Label7 = MakeLabel(this, "Label7", 0, false, "#23313a");
    Label6 = MakeLabel(this, "Label6", 0, true, "#1f4f6f");
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
    QPixmap picture(QStringLiteral(":/images/welcome.png"));
    picture.setDevicePixelRatio(static_cast<qreal>(picture.width()) / kPictureSize);
    Image1->setPixmap(picture);
    Image1->setFixedSize(kPictureSize, kPictureSize);
    setWindowIcon(QIcon(picture));

    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addStretch();
    for (QLabel* title : {Label1, Label2, Label3, Label4}) titles->addWidget(title);
    titles->addStretch();
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(Image1, 0, Qt::AlignVCenter);
    top->addLayout(titles, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 16);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addWidget(Label5);
    layout->addWidget(Label8);
    layout->addWidget(Label7);
    layout->addWidget(Label6);
    setFixedWidth(560);

    Form_Load();
}

void frmWelcome::Form_Load() {
    ctx_.forms.Place(this, 20, 300);
    for (QLabel* label : {Label7, Label6}) {
        label->setText(platform::ToQt(text::ReplaceBreaks(platform::FromQt(label->text()))));
    }
}

void ShowWelcome(platform::AppContext& context) {
    QWidget* screen = context.forms.Load(kForm);
    if (!screen) return;
    if (auto* picture = screen->findChild<QLabel*>(QStringLiteral("Image1")))
        picture->setVisible(true);
    context.forms.Show(kForm);
}

}  // namespace shell
