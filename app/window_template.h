// The main window as constant data: its own properties and its thirteen controls. The loader
// builds the window from this table; nothing about the layout lives in code.
#pragma once

#include <optional>
#include <span>

#include "names/window_services.h"

namespace app {

enum class ControlKind { kGroupBox, kLabel, kEdit, kCheckBox, kPushButton };

// What sets single controls apart from the others of their kind.
enum class EditMode {
    kPlain,    // single line, any input
    kInteger,  // single line; digits and minus only, normalised when the focus leaves
    kSpinner,  // single line with up-down arrows beside it
    kOutput,   // multi-line, vertical scroll bar, wraps, Enter starts a new line
};

struct ControlTemplate {
    names::Control name;
    ControlKind kind;
    std::optional<names::Control> parent;  // a group box, or the window itself when empty
    int left;
    int top;
    int width;
    int height;
    const char* caption;  // GBK
    EditMode edit_mode;
    bool focusable;
};

struct WindowTemplate {
    const char* title;  // GBK
    int outer_width;
    int outer_height;
    // Stored in the template but not used: the window is centred on the screen instead.
    int stored_left;
    int stored_top;
    std::span<const ControlTemplate> controls;
};

// The arrows of the spinner box: this wide, as high as the box, right beside it.
inline constexpr int kSpinnerWidth = 18;

// The child-window identifier of each control, and of the spinner's arrows.
constexpr int ControlId(names::Control control) {
    return 1001 + static_cast<int>(control);
}
inline constexpr int kSpinnerArrowsId = 1100;

// The template of the main window, checked for consistency: every control once, in the order
// of the control names, each parent a group box listed before its children. Empty when the
// constant data does not hold a usable template.
std::optional<WindowTemplate> ReadMainWindowTemplate();

// The same check on any template (used by ReadMainWindowTemplate and the tests).
bool IsUsableTemplate(const WindowTemplate& window);

}  // namespace app
