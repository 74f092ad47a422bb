#include "platform/widgets/screen_room.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

#include "platform/forms.h"
#include "platform/qt_text.h"

namespace widgets {

void MakeRoomInMainWindow(platform::AppContext& context, const QWidget& screen, int topTwips,
                          int leftTwips) {
    auto* main = qobject_cast<QMainWindow*>(context.forms.Find("frmMDI"));
    QMdiArea* area = context.forms.mdiArea();
    if (!main || !area || main->isMaximized() || main->isFullScreen()) return;
    const QStyle* style = area->style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize hint = screen.sizeHint();
    const int margin = 8;
    const int neededWidth = platform::Twips(leftTwips) + hint.width() + 2 * border + margin;
    const int neededHeight =
        platform::Twips(topTwips) + hint.height() + title + 2 * border + margin;
    const int growWidth = std::max(0, neededWidth - area->width());
    const int growHeight = std::max(0, neededHeight - area->height());
    if (growWidth == 0 && growHeight == 0) return;
    QSize target = main->size() + QSize(growWidth, growHeight);
    if (const QScreen* desktop = main->screen()) {
        const QSize available = desktop->availableGeometry().size();
        // The window frame of the main window itself takes some room as well.
        const QSize frame = main->frameGeometry().size() - main->size();
        target = target.boundedTo(available - frame);
    }
    main->resize(target.expandedTo(main->size()));
}

}  // namespace widgets
