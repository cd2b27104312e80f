// Window services for the benchmarks: a window whose controls hold fixed texts and answer at
// once, so that a measurement shows the cost of the job itself.
#include "bench/instant_window.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "names/fatal_error.h"
#include "names/window_services.h"

namespace bench_support {

namespace {
bool random_surname = false;
const char* length_text = "3";
const char* count_text = "1";
std::atomic<std::size_t> appended_bytes{0};
}  // namespace

void SetUpInstantWindow(bool random, const char* length, const char* count) {
    random_surname = random;
    length_text = length;
    count_text = count;
}

std::size_t AppendedBytes() {
    return appended_bytes;
}

}  // namespace bench_support

namespace names {

int ReadProperty(Control control, Flag flag) {
    return control == Control::选择框1 && flag == Flag::kChecked && bench_support::random_surname;
}

GbkText ReadProperty(Control control, TextProperty) {
    switch (control) {
        case Control::编辑框4:
            return bench_support::length_text;
        case Control::编辑框1:
            return bench_support::count_text;
        case Control::编辑框3:
            return "王";
        default:
            return {};
    }
}

void WriteProperty(Control, Flag, bool) {}
void WriteProperty(Control, TextProperty, const GbkText&) {}

void AppendText(Control, const GbkText& text) {
    bench_support::appended_bytes.fetch_add(text.size(), std::memory_order_relaxed);
}

void ShowInfoBox(const GbkText&) {}

bool StartWorker(void (*routine)()) {
    routine();
    return true;
}

void PumpEvents() {}

void ReportFatalError(std::string_view gbk_message) {
    std::fprintf(stderr, "fatal: %.*s\n", static_cast<int>(gbk_message.size()), gbk_message.data());
    std::abort();
}

}  // namespace names
