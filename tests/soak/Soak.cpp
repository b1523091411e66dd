// Runs the real window set with the clock board's timer sped up, opens and
// closes the tool windows now and then, and samples the process's GDI
// objects, USER objects, handles and private bytes. Fails when any of them
// grows after the warm-up. Wine answers 0 for all four, so under Wine
// tools/soak watches the Linux process's memory from outside as well.
// Usage: horavel_soak.exe [ticks, default 600]
#include "clock/Main.h"
#include "clock/WindowSet.h"
#include "toolkit/Forms.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Sample {
    int tick;
    DWORD gdi;
    DWORD user;
    DWORD handles;
    SIZE_T privateBytes;
};

Sample sample(int tick)
{
    HANDLE self = GetCurrentProcess();
    Sample s{tick, GetGuiResources(self, GR_GDIOBJECTS), GetGuiResources(self, GR_USEROBJECTS), 0, 0};
    GetProcessHandleCount(self, &s.handles);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    s.privateBytes = memory.PrivateUsage;
    return s;
}

// Dispatches messages until the board has ticked `ticks` more times.
void runTicks(int ticks)
{
    static int ticked = 0;
    int until = ticked + ticks;
    TNotifyEvent tick = Form1->Timer1->OnTimer;
    Form1->Timer1->OnTimer = [&](TObject* sender) {
        tick(sender);
        ++ticked;
    };
    MSG message;
    while (ticked < until && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    Form1->Timer1->OnTimer = tick;
}

} // namespace

int main(int argc, char** argv)
{
    const int ticks = argc > 1 ? std::max(300, std::atoi(argv[1])) : 600;
    const int every = 20;
    Application->Initialize();
    Application->SetTitle("Horavel");
    CreateWindowSet();
    Form1->Show();
    Form1->Timer1->SetInterval(20); fprintf(stderr, "visible %d\n", IsWindowVisible(Form1->Handle()));

    std::vector<TForm*> tools;
    for (TComponent* component : Application->Components())
        if (auto* form = dynamic_cast<TForm*>(component); form && form != Form1)
            tools.push_back(form);

    std::vector<Sample> samples;
    for (int done = 0; done < ticks; done += every) {
        runTicks(every);
        // One tool window shown and closed in every round.
        TForm* tool = tools[(done / every) % tools.size()];
        tool->Show();
        runTicks(1);
        Application->DispatchEvent([tool] { tool->Close(); });
        samples.push_back(sample(done + every));
    }

    std::printf("%8s %8s %8s %8s %14s\n", "tick", "GDI", "USER", "handles", "private bytes");
    for (const Sample& s : samples)
        std::printf("%8d %8lu %8lu %8lu %14lu\n", s.tick, s.gdi, s.user, s.handles,
                    static_cast<unsigned long>(s.privateBytes));
    // The first rounds warm up: caches, fonts, the first showing of each window.
    const Sample& warm = samples[std::min<std::size_t>(samples.size() - 1, tools.size())];
    const Sample& last = samples.back();
    bool grew = last.gdi > warm.gdi || last.user > warm.user || last.handles > warm.handles ||
                last.privateBytes > warm.privateBytes + 256 * 1024;
    std::printf("after warm-up (tick %d) to tick %d: %s\n", warm.tick, last.tick, grew ? "GROWS" : "no growth");
    return grew ? 1 : 0;
}
