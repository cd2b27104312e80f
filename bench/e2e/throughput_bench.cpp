// End-to-end benchmark of the real program as users get it: started from a fresh directory on
// the display, auto-random surnames, length 3, count N, Start. For each N it measures the time
// from the click until the box holds all N names, how long the window takes to answer a message
// sent to it while the job runs (largest and 99th percentile), how often the output box visibly
// repaints, and afterwards the program's peak private memory. Prints one table.
//   varnelo_throughput_bench [N ...]      (default: 1000 10000 100000)
// With VARNELO_BENCH_NO_SAMPLER set it only times the jobs, to show what the sampling costs.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "tests/gui/program_driver.h"

namespace {

using Clock = std::chrono::steady_clock;
using gui_test::RunningProgram;
using names::Control;

constexpr auto kLatencyInterval = std::chrono::milliseconds(5);
constexpr auto kFrameInterval = std::chrono::milliseconds(20);
constexpr auto kCompletionPoll = std::chrono::milliseconds(20);
constexpr int kCharactersPerName = 4;  // surname, two hanzi, comma

struct JobFigures {
    long count = 0;
    double seconds = 0;
    double largest_latency_ms = 0;
    double p99_latency_ms = 0;
    double repaints_per_second = 0;
    double peak_private_mb = 0;
    bool complete = false;
};

// A cheap fingerprint of what the screen shows of a window.
std::uint64_t PictureOf(HWND window, HDC screen, HDC memory, HBITMAP bitmap, void* pixels) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = std::min<LONG>(rect.right - rect.left, 512);
    const int height = std::min<LONG>(rect.bottom - rect.top, 512);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    GdiFlush();
    std::uint64_t hash = 1469598103934665603ull;
    const auto* bytes = static_cast<const std::uint32_t*>(pixels);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            hash = (hash ^ bytes[y * 512 + x]) * 1099511628211ull;
        }
    }
    return hash;
}

// Samples the window's answer time and the output box's picture until told to stop.
struct Sampler {
    std::atomic<bool> stop{false};
    std::vector<double> latencies_ms;
    long repaints = 0;

    void Run(HWND window, HWND output) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 512;
        info.bmiHeader.biHeight = -512;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* pixels = nullptr;
        const HDC screen = GetDC(nullptr);
        const HDC memory = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        std::uint64_t last_picture = PictureOf(output, screen, memory, bitmap, pixels);
        auto next_frame = Clock::now();
        while (!stop) {
            const auto sent = Clock::now();
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
            latencies_ms.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
            if (Clock::now() >= next_frame) {
                const std::uint64_t picture = PictureOf(output, screen, memory, bitmap, pixels);
                if (picture != last_picture) {
                    ++repaints;
                    last_picture = picture;
                }
                next_frame += kFrameInterval;
            }
            std::this_thread::sleep_for(kLatencyInterval);
        }
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
};

long TextLength(HWND control) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 10000, &length);
    return static_cast<long>(length);
}

JobFigures RunJob(long count) {
    JobFigures figures;
    figures.count = count;
    const gui_test::ScratchDirectory directory;
    RunningProgram program(directory.path());
    const HWND output = program.Control(Control::编辑框2);
    program.PressButton(program.Control(Control::选择框1));
    gui_test::WaitUntil([&] { return !IsWindowEnabled(program.Control(Control::编辑框3)); });
    program.SetText(program.Control(Control::编辑框4), L"3");
    program.SetText(program.Control(Control::编辑框1), std::to_wstring(count));

    Sampler sampler;
    std::thread sampling([&] {
        if (!std::getenv("VARNELO_BENCH_NO_SAMPLER"))
            sampler.Run(program.window(), output);
    });
    const auto clicked = Clock::now();
    program.PressButton(program.Control(Control::按钮1));
    const long expected = count * kCharactersPerName;
    const auto deadline = clicked + std::chrono::seconds(600);
    while (Clock::now() < deadline) {
        if (TextLength(output) >= expected) {
            figures.complete = true;
            break;
        }
        std::this_thread::sleep_for(kCompletionPoll);
    }
    figures.seconds = std::chrono::duration<double>(Clock::now() - clicked).count();
    sampler.stop = true;
    sampling.join();

    std::vector<double>& latencies = sampler.latencies_ms;
    std::sort(latencies.begin(), latencies.end());
    if (!latencies.empty()) {
        figures.largest_latency_ms = latencies.back();
        figures.p99_latency_ms = latencies[latencies.size() * 99 / 100];
    }
    figures.repaints_per_second = sampler.repaints / figures.seconds;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(program.process_handle(), &memory, sizeof memory)) {
        figures.peak_private_mb = static_cast<double>(memory.PeakPagefileUsage) / (1024.0 * 1024.0);
    }
    program.CloseAndWait(std::chrono::seconds(60));
    return figures;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<long> counts;
    for (int i = 1; i < argc; ++i)
        counts.push_back(std::wcstol(argv[i], nullptr, 10));
    if (counts.empty())
        counts = {1000, 10000, 100000};

    std::vector<JobFigures> results;
    for (long count : counts) {
        results.push_back(RunJob(count));
        std::fprintf(stderr, "%ld names: %.2f s\n", count, results.back().seconds);
    }
    std::printf(
        "| names | time (s) | per name (us) | answer max (ms) | answer p99 (ms) | "
        "repaints/s | peak private (MB) |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|---:|\n");
    bool all_complete = true;
    for (const JobFigures& f : results) {
        std::printf("| %ld%s | %.2f | %.1f | %.1f | %.1f | %.1f | %.1f |\n", f.count,
                    f.complete ? "" : " (incomplete)", f.seconds, f.seconds * 1e6 / f.count,
                    f.largest_latency_ms, f.p99_latency_ms, f.repaints_per_second,
                    f.peak_private_mb);
        all_complete = all_complete && f.complete;
    }
    if (results.size() >= 2) {
        const JobFigures& first = results.front();
        const JobFigures& last = results.back();
        std::printf("\nper-name time at %ld against %ld: %.2f times\n", last.count, first.count,
                    (last.seconds / last.count) / (first.seconds / first.count));
    }
    return all_complete ? 0 : 1;
}
