// CPU time of the clock board's tick against the bare program's, in one
// process: the real window set, the board shown, its tick run a number of
// times with the messages it causes, then a bare window whose caption changes
// as often.
// Usage: horavel_ticks.exe [ticks, default 600]
#include "clock/Main.h"
#include "clock/WindowSet.h"
#include "toolkit/Forms.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

// The process's user and kernel time, in microseconds.
double processCpuMicroseconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto micro = [](const FILETIME& time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
               10.0;
    };
    return micro(kernel) + micro(user);
}

// CPU microseconds per tick: the tick, then the messages it leaves, painting
// included, as the message loop would dispatch them.
double perTick(int ticks, const std::function<void(int)>& tick)
{
    double start = processCpuMicroseconds();
    MSG message;
    for (int count = 0; count < ticks; ++count) {
        tick(count);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    return (processCpuMicroseconds() - start) / ticks;
}

} // namespace

int main(int argc, char** argv)
{
    const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 600;
    Application->Initialize();
    Application->SetTitle("Horavel");
    CreateWindowSet();
    Form1->Show();
    double horavel = perTick(ticks, [](int) { Form1->Timer1Timer(Form1->Timer1); });

    HWND bare = CreateWindowW(L"STATIC", L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 250, 92, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    double plain = perTick(ticks, [bare](int count) { SetWindowTextW(bare, std::to_wstring(count).c_str()); });

    std::printf("%-26s horavel %10.1f   bare %10.1f   ratio %.2f\n", "CPU per tick (us)", horavel, plain,
                horavel / plain);
    return 0;
}
