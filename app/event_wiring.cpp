#include "app/event_wiring.h"

#include <atomic>

#include "app/handlers.h"
#include "names/name_job.h"

namespace app {

namespace {

struct EventBinding {
    std::optional<names::Control> source;  // empty: the window itself
    Event event;
    void (*handler)();
};

using names::Control;

constexpr EventBinding kMainWindowEvents[] = {
    {{}, Event::kCreated, &ApplyWindowSkin},
    {{}, Event::kWillBeDestroyed, &SaveNamesOnClose},
    {Control::按钮1, Event::kClicked, &names::StartGeneration},
    {Control::按钮2, Event::kClicked, &OpenAuthorPage},
    {Control::选择框1, Event::kClicked, &names::ToggleAutoRandom},
};

std::atomic<bool> events_held{true};
std::atomic<bool> program_ending{false};

}  // namespace

void RaiseEvent(std::optional<names::Control> source, Event event) {
    if (events_held || program_ending) {
        return;
    }
    for (const EventBinding& binding : kMainWindowEvents) {
        if (binding.source == source && binding.event == event) {
            binding.handler();
            return;
        }
    }
}

void HoldEvents() {
    events_held = true;
}
void ReleaseEvents() {
    events_held = false;
}
void StopEventsForGood() {
    program_ending = true;
}
bool ProgramIsEnding() {
    return program_ending;
}

}  // namespace app
