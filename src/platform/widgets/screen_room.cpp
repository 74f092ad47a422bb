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
    // The window frame of the main window itself takes some room as well.
    const QSize frame = main->frameGeometry().size() - main->size();
    const QScreen* desktop = main->screen();
    if (desktop) target = target.boundedTo(desktop->availableGeometry().size() - frame);
    target = target.expandedTo(main->size());
    main->resize(target);
    if (!desktop) return;
    // Grown to the right or downwards, the window is moved back as far as it now reaches past
    // the edges of the desktop.
    const QRect available = desktop->availableGeometry();
    const QRect grown(main->frameGeometry().topLeft(), target + frame);
    const int dx =
        std::max(available.left() - grown.left(), std::min(0, available.right() - grown.right()));
    const int dy =
        std::max(available.top() - grown.top(), std::min(0, available.bottom() - grown.bottom()));
    if (dx != 0 || dy != 0) main->move(main->pos() + QPoint(dx, dy));
}

}  // namespace widgets
