#include "shell/ui/frm_end.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/forms.h"
#include "platform/qt_text.h"
#include "platform/widgets/screen_parts.h"
#include "shell/farewell.h"
#include "shell/ui/frm_abort.h"
#include "state/programs.h"
#include "text/catalogue.h"

namespace shell {

using platform::ToQt;

namespace {

constexpr const char* kForm = "frmEnd";

std::string Member(const char* name, int index) {
    return std::string(name) + "(" + std::to_string(index) + ")";
}

QLabel* Picture(QWidget* parent, int index, const char* resource) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromStdString(Member("Image1", index)));
    picture->setPixmap(QPixmap(QString::fromLatin1(resource)));
    picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return picture;
}

QFont Emphasis(QFont font, double scale, bool italic) {
    font.setBold(true);
    font.setItalic(italic);
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

}  // namespace

frmEnd::frmEnd(platform::AppContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName(kForm);
    setWindowTitle(ToQt(text::FormText(kForm, "Caption")));
    widgets::ScreenParts parts(this, kForm);

    for (int index : {0, 3}) {
        FrameEnd[index] = new QFrame(this);
        FrameEnd[index]->setObjectName(QString::fromStdString(Member("FrameEnd", index)));
        FrameEnd[index]->setFrameShape(QFrame::StyledPanel);
    }
    lblName[0] = parts.Heading(Member("lblName", 0));
    LabelT[0] = parts.Paragraph(Member("LabelT", 0));
    Label5[2] = parts.Label(Member("Label5", 2));
    Label3[0] = parts.Label(Member("Label3", 0));
    Image1[0] = Picture(this, 0, ":/farewell/farewell_adult.png");
    LabelT[3] = parts.Paragraph(Member("LabelT", 3));
    Label5[12] = parts.Label(Member("Label5", 12));
    Label5[14] = parts.Paragraph(Member("Label5", 14));
    Label3[1] = parts.Label(Member("Label3", 1));
    Image1[1] = Picture(this, 1, ":/farewell/farewell_child.png");
    cmdReturn = parts.Button("cmdReturn");
    cmdExit = parts.Button("cmdExit");
    connect(cmdReturn, &QPushButton::clicked, this, &frmEnd::cmdReturn_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmEnd::cmdExit_Click);

    for (QLabel* label : {Label5[2], Label3[0], Label5[12], Label3[1]}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
    }
    Label5[2]->setFont(Emphasis(Label5[2]->font(), 1.15, false));
    Label5[12]->setFont(Emphasis(Label5[12]->font(), 1.15, false));
    Label3[0]->setFont(Emphasis(Label3[0]->font(), 1.1, true));
    Label3[1]->setFont(Emphasis(Label3[1]->font(), 1.1, true));
    Label5[14]->setAlignment(Qt::AlignCenter);
    for (QLabel* text : {LabelT[0], LabelT[3], Label5[14], lblName[0]}) text->setFixedWidth(390);

    auto panel = [](QFrame* frame, QLabel* picture, std::initializer_list<QLabel*> texts) {
        auto* column = new QVBoxLayout;
        column->setSpacing(10);
        for (QLabel* text : texts) {
            text->setParent(frame);
            column->addWidget(text);
        }
        column->addStretch();
        picture->setParent(frame);
        auto* row = new QHBoxLayout(frame);
        row->setContentsMargins(14, 14, 14, 14);
        row->setSpacing(16);
        row->addWidget(picture, 0, Qt::AlignTop);
        row->addLayout(column);
    };
    panel(FrameEnd[0], Image1[0], {lblName[0], LabelT[0], Label5[2], Label3[0]});
    panel(FrameEnd[3], Image1[1], {LabelT[3], Label5[12], Label5[14], Label3[1]});

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdReturn);
    buttons->addSpacing(16);
    buttons->addWidget(cmdExit);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(FrameEnd[0]);
    layout->addWidget(FrameEnd[3]);
    layout->addLayout(buttons);

    // Design state: the adults' panel, the farewell words of programs 2 and 5 hidden.
    FrameEnd[3]->hide();
    Label5[2]->hide();
    Form_Load();
}

void frmEnd::Form_Load() {
    ctx_.forms.Place(this, 20, 300);
    const state::SharedState& state = ctx_.state;
    const FarewellModel model = FarewellFor(state.recomForm);
    std::string adultText = text::FormText(kForm, Member("LabelT", 0));
    if (model.farewellItem) adultText = text::GetListItem(text::GetBufText(9), *model.farewellItem);
    if (model.showSeeYou) Label5[2]->show();
    if (model.greeting) {
        lblName[0]->setText(ToQt(Greeting(text::FormText(kForm, Member("lblName", 0)),
                                          state.sex(), state.userLastName, state.userFirstName)));
    }
    if (model.childPanel) {
        FrameEnd[0]->hide();
        FrameEnd[3]->show();
    }
    LabelT[0]->setText(ToQt(text::ReplaceBreaks(adultText)));
    LabelT[3]->setText(ToQt(text::ReplaceBreaks(text::FormText(kForm, Member("LabelT", 3)))));
}

void frmEnd::cmdReturn_Click() {
    const std::string screen = RecomScreenName(ctx_.state.recomForm);
    if (screen.empty() || !ctx_.forms.Load(screen)) return;
    ctx_.forms.Unload(kForm);
    ctx_.forms.Show(screen);
}

void frmEnd::cmdExit_Click() {
    DisableMainMenus(ctx_, state::InfoMenusClosedByFarewell());
    if (QWidget* welcome = ctx_.forms.Load("frmWelcome")) {
        if (auto* picture = welcome->findChild<QWidget*>(QStringLiteral("Image1")))
            picture->setVisible(true);
        ctx_.forms.Show("frmWelcome");
    }
    ctx_.forms.Unload(kForm);
}

}  // namespace shell
