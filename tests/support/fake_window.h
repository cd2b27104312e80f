// The unit tests' window: a fake of every window service that scripts the controls and records
// each call in order. All functions may be called from any thread.
//
// Log entries, one per call, texts as their GBK bytes:
//   "read 编辑框4 text"  "read 选择框1 checked"  "read 编辑框3 disabled"
//   "write 编辑框3 disabled 1"  "write 选择框1 checked 0"  "write 编辑框3 text <bytes>"
//   "append 编辑框2 <bytes>"  "info <bytes>"  "start worker"  "pump"
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "names/window_services.h"

namespace test_support {

using names::Control;

// What StartWorker does with its routine.
enum class WorkerMode {
    kRunAtOnce,  // runs it on the calling thread before returning true
    kRecord,     // keeps it for TakeStartedWorkers and returns true
    kFail,       // returns false, as when no thread can be created
};

// Every control empty, unticked and enabled; no log, no hook, no queued text; kRunAtOnce.
void ResetFakeWindow();

// Resets the fake window on entry and on exit.
class FakeWindowScope {
  public:
    FakeWindowScope() { ResetFakeWindow(); }
    ~FakeWindowScope() { ResetFakeWindow(); }
    FakeWindowScope(const FakeWindowScope&) = delete;
    FakeWindowScope& operator=(const FakeWindowScope&) = delete;
};

void SetText(Control control, std::string_view gbk_bytes);
std::string Text(Control control);
void SetChecked(Control control, bool checked);
bool Checked(Control control);
void SetDisabled(Control control, bool disabled);
bool Disabled(Control control);

// Texts that the control's next text reads find, one per read, as if the user had typed each
// just before that read; after the last one the control keeps it.
void QueueTexts(Control control, std::vector<std::string> gbk_texts);

// Called before every service call is carried out, with the entry it adds to the log. It may
// change the controls, or throw as the real services do once the window is gone; a call whose
// hook throws is neither carried out nor logged.
void SetBeforeEachCall(std::function<void(const std::string& entry)> hook);

void SetWorkerMode(WorkerMode mode);
// The routines recorded under kRecord since the last take.
std::vector<void (*)()> TakeStartedWorkers();

std::vector<std::string> Calls();
// The number of log entries equal to the entry, or beginning with the prefix.
int CountCalls(std::string_view entry);
int CountCallsStartingWith(std::string_view prefix);
// The texts of the append calls to the control, in order.
std::vector<std::string> AppendedTexts(Control control);

// The control's name as the log writes it, in GBK.
std::string ControlName(Control control);

}  // namespace test_support
