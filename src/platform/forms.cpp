#include "platform/forms.h"

#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <algorithm>

#include "platform/qt_text.h"

namespace platform {

void Forms::Register(const std::string& name, Factory factory) {
    factories_[name] = std::move(factory);
}

QWidget* Forms::Find(const std::string& name) const {
    for (const auto& [loadedName, widget] : loaded_) {
        if (loadedName == name && widget) return widget;
    }
    return nullptr;
}

QWidget* Forms::Load(const std::string& name) {
    if (QWidget* existing = Find(name)) return existing;
    const auto factory = factories_.find(name);
    if (factory == factories_.end() || !factory->second || !context_) return nullptr;
    // Drop entries of screens that have been destroyed meanwhile.
    loaded_.erase(
        std::remove_if(loaded_.begin(), loaded_.end(), [](const auto& e) { return !e.second; }),
        loaded_.end());
    QWidget* widget = factory->second(*context_);
    widget->setObjectName(QString::fromStdString(name));
    // A dialog belongs to the main window: it stays above it, is centred on it and goes with it.
    if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && !dialog->parentWidget() && mdiArea_)
        dialog->setParent(mdiArea_->window(), dialog->windowFlags() | Qt::Dialog);
    loaded_.emplace_back(name, widget);
    return widget;
}

QWidget* Forms::Show(const std::string& name) {
    QWidget* widget = Load(name);
    if (!widget) return nullptr;
    if (auto* dialog = qobject_cast<QDialog*>(widget)) {
        dialog->show();
        return widget;
    }
    if (mdiArea_ && !widget->parentWidget()) {
        QMdiSubWindow* window = mdiArea_->addSubWindow(widget);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(QString::fromStdString(name) + "_window");
        window->setWindowTitle(widget->windowTitle());
        window->adjustSize();
        // A position asked for while the screen loaded, before it had its window.
        const QVariant top = widget->property("placeTopTwips");
        const QVariant left = widget->property("placeLeftTwips");
        if (top.isValid() && left.isValid())
            MoveToPlace(window, QPoint(Twips(left.toInt()), Twips(top.toInt())));
    }
    if (auto* window = qobject_cast<QMdiSubWindow*>(widget->parentWidget())) {
        window->show();
        window->raise();
        if (mdiArea_) mdiArea_->setActiveSubWindow(window);
    }
    widget->show();
    return widget;
}

void Forms::ShowModal(const std::string& name) {
    QWidget* widget = Load(name);
    auto* dialog = qobject_cast<QDialog*>(widget);
    if (!dialog) return;
    if (modalRunner_) {
        dialog->setModal(true);
        dialog->show();
        modalRunner_(*dialog);
    } else {
        dialog->exec();
    }
    Unload(name);
}

void Forms::Unload(const std::string& name) {
    for (auto it = loaded_.begin(); it != loaded_.end(); ++it) {
        if (it->first != name) continue;
        QPointer<QWidget> widget = it->second;
        loaded_.erase(it);
        if (!widget) return;
        widget->hide();
        QWidget* frame = qobject_cast<QMdiSubWindow*>(widget->parentWidget());
        if (frame) {
            frame->hide();
            frame->deleteLater();
        } else {
            widget->deleteLater();
        }
        return;
    }
}

std::vector<std::string> Forms::LoadedNames() const {
    std::vector<std::string> names;
    for (const auto& [name, widget] : loaded_) {
        if (widget) names.push_back(name);
    }
    return names;
}

void Forms::Place(QWidget* screen, int topTwips, int leftTwips) {
    if (QWidget* frame = qobject_cast<QMdiSubWindow*>(screen->parentWidget())) {
        MoveToPlace(frame, QPoint(Twips(leftTwips), Twips(topTwips)));
    } else if (qobject_cast<QDialog*>(screen)) {
        screen->move(DialogPosition(screen, QPoint(Twips(leftTwips), Twips(topTwips))));
    } else {
        screen->setProperty("placeTopTwips", topTwips);
        screen->setProperty("placeLeftTwips", leftTwips);
    }
}

QPoint Forms::DialogPosition(const QWidget* dialog, QPoint offset) const {
    QWidget* mainWindow = mdiArea_ ? mdiArea_->window() : nullptr;
    if (!mainWindow || !mainWindow->isVisible()) return offset;
    // Counted from the main window's working area, as the screens inside it are, so that the
    // dialog opens over the program and not in a corner of the desktop.
    QPoint at = mdiArea_->mapToGlobal(QPoint(0, 0)) + offset;
    const QSize size = dialog->testAttribute(Qt::WA_Resized) ? dialog->size() : dialog->sizeHint();
    const QRect frame = mainWindow->frameGeometry();
    if (size.width() <= frame.width()) {
        at.setX(std::clamp(at.x(), frame.left(), frame.right() + 1 - size.width()));
    } else {
        at.setX(frame.center().x() -
                size.width() / 2);  // wider than the main window: centred on it
    }
    // Never past the edges of the screen the main window is on.
    if (const QScreen* screen = mainWindow->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
        at.setY(std::max(area.top(),
                         std::min(at.y(), area.bottom() + 1 - size.height() - kTitleBarAllowance)));
    }
    return at;
}

void Forms::MoveToPlace(QWidget* frame, QPoint place) {
    frame->setProperty(kPlaceProperty, place);
    frame->move(place);
}

void Forms::Adopt(const std::string& name, QWidget* widget) {
    widget->setObjectName(QString::fromStdString(name));
    loaded_.emplace_back(name, widget);
}

}  // namespace platform
