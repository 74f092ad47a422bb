#include "conclusions/ui/danger_notice.h"

#include <QLabel>
#include <QVBoxLayout>

#include "conclusions/danger_signs.h"
#include "platform/qt_text.h"

namespace conclusions {

DangerNotice::DangerNotice(const state::SharedState& state, QWidget* parent) : QFrame(parent) {
    setObjectName("FrameDanger");
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    // A dark red frame that also prints clearly on a black-and-white printer.
    QPalette look = palette();
    look.setColor(QPalette::WindowText, QColor(0x9b, 0x1c, 0x1c));
    setPalette(look);

    lblDanger = new QLabel(this);
    lblDanger->setObjectName("lblDanger");
    lblDanger->setWordWrap(true);
    lblDanger->setTextFormat(Qt::PlainText);
    QFont bold = lblDanger->font();
    bold.setBold(true);
    lblDanger->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addWidget(lblDanger);

    const std::string notice = DangerNoticeText(DangerSignsOfRun(state));
    lblDanger->setText(platform::ToQt(notice));
    setVisible(!notice.empty());
}

}  // namespace conclusions
