// The events of the main window and its controls, and the handlers wired to them.
#pragma once

#include <optional>

#include "names/window_services.h"

namespace app {

enum class Event {
    kCreated,          // the window and all its controls exist; before the first show
    kWillBeDestroyed,  // the window is going; its controls still exist and can be read
    kClicked,          // a push button was pressed or the check box toggled
};

// Calls the handler wired to the event of the control (or of the window itself when `source`
// is empty), on the calling window thread. Does nothing when no handler is wired, while events
// are held back during loading, and once the program has begun to end.
void RaiseEvent(std::optional<names::Control> source, Event event);

void HoldEvents();
void ReleaseEvents();
// From here on no event handler runs again.
void StopEventsForGood();
bool ProgramIsEnding();

}  // namespace app
