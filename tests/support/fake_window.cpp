#include "tests/support/fake_window.h"

#include <array>
#include <deque>
#include <mutex>
#include <utility>

namespace test_support {

namespace {

struct ControlState {
    std::string text;
    bool checked = false;
    bool disabled = false;
    std::deque<std::string> queued_texts;
};

struct WindowState {
    std::array<ControlState, names::kControlCount> controls;
    std::vector<std::string> calls;
    std::function<void(const std::string&)> before_each_call;
    WorkerMode worker_mode = WorkerMode::kRunAtOnce;
    std::vector<void (*)()> started_workers;
};

std::mutex window_lock;
WindowState window;

ControlState& StateOf(Control control) {
    return window.controls[static_cast<std::size_t>(control)];
}

const char* FlagName(names::Flag flag) {
    return flag == names::Flag::kChecked ? "checked" : "disabled";
}

// Runs the hook outside the lock, so that it can change the controls, then takes the lock and
// logs the call; the caller carries the call out under the same lock, so the log's order is the
// order in which the calls took effect. A hook that throws leaves no trace of the call.
std::unique_lock<std::mutex> Enter(std::string entry) {
    std::function<void(const std::string&)> hook;
    {
        std::lock_guard<std::mutex> hold(window_lock);
        hook = window.before_each_call;
    }
    if (hook) {
        hook(entry);
    }
    std::unique_lock<std::mutex> hold(window_lock);
    window.calls.push_back(std::move(entry));
    return hold;
}

}  // namespace

std::string ControlName(Control control) {
    static constexpr std::array<const char*, names::kControlCount> kNames = {
        "分组框1", "标签2", "编辑框3", "选择框1", "标签3",   "编辑框4", "标签1",
        "编辑框1", "按钮1", "分组框2", "编辑框2", "分组框3", "按钮2",
    };
    return kNames[static_cast<std::size_t>(control)];
}

void ResetFakeWindow() {
    std::lock_guard<std::mutex> hold(window_lock);
    window = WindowState{};
}

void SetText(Control control, std::string_view gbk_bytes) {
    std::lock_guard<std::mutex> hold(window_lock);
    StateOf(control).text.assign(gbk_bytes);
}
std::string Text(Control control) {
    std::lock_guard<std::mutex> hold(window_lock);
    return StateOf(control).text;
}
void SetChecked(Control control, bool checked) {
    std::lock_guard<std::mutex> hold(window_lock);
    StateOf(control).checked = checked;
}
bool Checked(Control control) {
    std::lock_guard<std::mutex> hold(window_lock);
    return StateOf(control).checked;
}
void SetDisabled(Control control, bool disabled) {
    std::lock_guard<std::mutex> hold(window_lock);
    StateOf(control).disabled = disabled;
}
bool Disabled(Control control) {
    std::lock_guard<std::mutex> hold(window_lock);
    return StateOf(control).disabled;
}

void QueueTexts(Control control, std::vector<std::string> gbk_texts) {
    std::lock_guard<std::mutex> hold(window_lock);
    auto& queue = StateOf(control).queued_texts;
    for (std::string& text : gbk_texts) {
        queue.push_back(std::move(text));
    }
}

void SetBeforeEachCall(std::function<void(const std::string& entry)> hook) {
    std::lock_guard<std::mutex> hold(window_lock);
    window.before_each_call = std::move(hook);
}

void SetWorkerMode(WorkerMode mode) {
    std::lock_guard<std::mutex> hold(window_lock);
    window.worker_mode = mode;
}

std::vector<void (*)()> TakeStartedWorkers() {
    std::lock_guard<std::mutex> hold(window_lock);
    return std::exchange(window.started_workers, {});
}

std::vector<std::string> Calls() {
    std::lock_guard<std::mutex> hold(window_lock);
    return window.calls;
}

int CountCalls(std::string_view entry) {
    std::lock_guard<std::mutex> hold(window_lock);
    int count = 0;
    for (const std::string& call : window.calls) {
        count += call == entry ? 1 : 0;
    }
    return count;
}

int CountCallsStartingWith(std::string_view prefix) {
    std::lock_guard<std::mutex> hold(window_lock);
    int count = 0;
    for (const std::string& call : window.calls) {
        count += std::string_view(call).substr(0, prefix.size()) == prefix ? 1 : 0;
    }
    return count;
}

std::vector<std::string> AppendedTexts(Control control) {
    const std::string prefix = "append " + ControlName(control) + " ";
    std::lock_guard<std::mutex> hold(window_lock);
    std::vector<std::string> texts;
    for (const std::string& call : window.calls) {
        if (call.compare(0, prefix.size(), prefix) == 0) {
            texts.push_back(call.substr(prefix.size()));
        }
    }
    return texts;
}

}  // namespace test_support

namespace names {

using test_support::ControlName;

int ReadProperty(Control control, Flag flag) {
    const auto hold =
        test_support::Enter("read " + ControlName(control) + " " + test_support::FlagName(flag));
    const auto& state = test_support::StateOf(control);
    return (flag == Flag::kChecked ? state.checked : state.disabled) ? 1 : 0;
}

GbkText ReadProperty(Control control, TextProperty) {
    const auto hold = test_support::Enter("read " + ControlName(control) + " text");
    auto& state = test_support::StateOf(control);
    if (!state.queued_texts.empty()) {
        state.text = std::move(state.queued_texts.front());
        state.queued_texts.pop_front();
    }
    return GbkText(std::string_view(state.text));
}

void WriteProperty(Control control, Flag flag, bool value) {
    const auto hold = test_support::Enter("write " + ControlName(control) + " " +
                                          test_support::FlagName(flag) + (value ? " 1" : " 0"));
    auto& state = test_support::StateOf(control);
    (flag == Flag::kChecked ? state.checked : state.disabled) = value;
}

void WriteProperty(Control control, TextProperty, const GbkText& value) {
    const auto hold =
        test_support::Enter("write " + ControlName(control) + " text " + std::string(value.view()));
    test_support::StateOf(control).text.assign(value.view());
}

void AppendText(Control edit_box, const GbkText& text) {
    const auto hold =
        test_support::Enter("append " + ControlName(edit_box) + " " + std::string(text.view()));
    test_support::StateOf(edit_box).text.append(text.view());
}

void ShowInfoBox(const GbkText& text) {
    const auto hold = test_support::Enter("info " + std::string(text.view()));
}

bool StartWorker(void (*routine)()) {
    test_support::WorkerMode mode;
    {
        const auto hold = test_support::Enter("start worker");
        mode = test_support::window.worker_mode;
        if (mode == test_support::WorkerMode::kRecord) {
            test_support::window.started_workers.push_back(routine);
        }
    }
    if (mode == test_support::WorkerMode::kRunAtOnce) {
        routine();
    }
    return mode != test_support::WorkerMode::kFail;
}

void PumpEvents() {
    const auto hold = test_support::Enter("pump");
}

}  // namespace names
