#pragma once
// The one place that knows every screen by name.
namespace platform {
class Forms;
struct AppContext;
}  // namespace platform

namespace shell {

class frmMDI;

void RegisterScreens(platform::Forms& forms);
// Wires the main window's program items to the launcher.
void ConnectMainWindow(frmMDI& window, platform::AppContext& context);

}  // namespace shell
