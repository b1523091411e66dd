// Start-up and memory of horavel.exe against the bare window program, in the
// same run: time to the window, time to the first tick, peak working set and
// peak private bytes,
// each the median of several starts, and their ratios.
#include "tests/e2e/Driver.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

struct Start {
    double windowMs;
    double tickMs;
    double peakKiB;
    double peakPrivateKiB;
};

double millisecondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Starts a program, waits for its window and its first tick, then closes it.
bool measure(const wchar_t* exe, const wchar_t* className, const wchar_t* caption,
             const std::function<bool(HWND)>& ticked, Start& result)
{
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    Program program(exe);
    HWND window = WaitForWindow(program.Id(), className, caption, 20000);
    if (!window)
        return false;
    result.windowMs = millisecondsSince(start);
    while (!ticked(window)) {
        if (millisecondsSince(start) > 20000)
            return false;
        Sleep(1);
    }
    result.tickMs = millisecondsSince(start);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(program.Process(), &memory, sizeof memory);
    result.peakKiB = static_cast<double>(memory.PeakWorkingSetSize) / 1024.0;
    // The peak commit charge: the private bytes of the process at their highest.
    result.peakPrivateKiB = static_cast<double>(memory.PeakPagefileUsage) / 1024.0;
    PostMessageW(window, WM_CLOSE, 0, 0);
    program.WaitForExit(5000);
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    auto horavelTicked = [](HWND board) {
        HWND homeTime = ChildAt(ChildWindows(board, L"TPanel"), 40, 16);
        return homeTime && !WindowText(homeTime).empty();
    };
    auto bareTicked = [](HWND window) { return WindowText(window) == L"ticked"; };

    std::vector<Start> horavel, bare;
    for (int round = 0; round < rounds; ++round) {
        Start h{}, b{};
        if (!measure(L"horavel.exe", L"TForm1", L"Horavel V1.1", horavelTicked, h) ||
            !measure(L"bare.exe", L"Bare", L"bare", bareTicked, b)) {
            std::printf("a program did not start or tick\n");
            return 1;
        }
        horavel.push_back(h);
        bare.push_back(b);
    }
    auto report = [&](const char* what, double Start::*field) {
        std::vector<double> h, b;
        for (const Start& s : horavel)
            h.push_back(s.*field);
        for (const Start& s : bare)
            b.push_back(s.*field);
        double hm = median(h), bm = median(b);
        std::printf("%-26s horavel %10.1f   bare %10.1f   ratio %.2f\n", what, hm, bm, hm / bm);
    };
    std::printf("median of %d starts each\n", rounds);
    report("window shown (ms)", &Start::windowMs);
    report("first tick (ms)", &Start::tickMs);
    report("peak working set (KiB)", &Start::peakKiB);
    report("peak private bytes (KiB)", &Start::peakPrivateKiB);
    return 0;
}
