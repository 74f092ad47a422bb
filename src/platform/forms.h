#pragma once
// The loaded screens, by name, like a collection of loaded forms: screens load, show and unload
// one another through it and hand over only through the shared state.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QDialog;
class QMdiArea;

namespace platform {

struct AppContext;

class Forms {
  public:
    using Factory = std::function<QWidget*(AppContext&)>;
    // Runs a modal dialog; the default is QDialog::exec(). Tests put their own in place to answer
    // the dialog by clicking its buttons.
    using ModalRunner = std::function<void(QDialog&)>;

    void SetContext(AppContext* context) { context_ = context; }
    void SetMdiArea(QMdiArea* area) { mdiArea_ = area; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    // An empty factory withdraws the screen: loading it then finds nothing.
    void Register(const std::string& name, Factory factory);
    void SetModalRunner(ModalRunner runner) { modalRunner_ = std::move(runner); }

    // Creates the screen if it is not loaded (a screen's constructor is its Form_Load) and
    // returns it; an already loaded screen is returned as it is.
    QWidget* Load(const std::string& name);
    // Loads and shows a screen non-modally inside the main window.
    QWidget* Show(const std::string& name);
    // Loads and shows a dialog modally; returns when it is closed (and unloaded).
    void ShowModal(const std::string& name);
    // Closes and destroys a screen; nothing when it is not loaded.
    void Unload(const std::string& name);
    QWidget* Find(const std::string& name) const;
    bool IsLoaded(const std::string& name) const { return Find(name) != nullptr; }
    // Names of the loaded screens, in the order they were loaded.
    std::vector<std::string> LoadedNames() const;
    // Places a screen inside the main window, in twips from its top left corner. A dialog is
    // placed the same way over the main window's working area, kept within the main window when
    // it is narrow enough (centred on it otherwise) and on the screen.
    void Place(QWidget* screen, int topTwips, int leftTwips);
    // Registers a widget made elsewhere (the main window) so that screens find it by name.
    void Adopt(const std::string& name, QWidget* widget);

    // The property of a screen's window inside the main window that keeps the place the screen
    // asked for (a QPoint in pixels); the main window centres screens from there when it has
    // room to spare.
    static constexpr const char* kPlaceProperty = "designedPlace";

  private:
    // Room left below a dialog for the title bar the window system adds.
    static constexpr int kTitleBarAllowance = 32;
    QPoint DialogPosition(const QWidget* dialog, QPoint offset) const;
    static void MoveToPlace(QWidget* frame, QPoint place);

    AppContext* context_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    std::map<std::string, Factory> factories_;
    std::vector<std::pair<std::string, QPointer<QWidget>>> loaded_;
    ModalRunner modalRunner_;
};

}  // namespace platform
