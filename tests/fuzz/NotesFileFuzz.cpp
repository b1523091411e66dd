// Any bytes as a notes file: the memo settles after one save and keeps its
// bytes from then on, and the travel record always writes 21 lines that read
// back as the same fields.
#include "notes/NotesLayout.h"
#include "toolkit/Lines.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string data(reinterpret_cast<const char*>(bytes), size);

    std::string saved = MemoFile(MemoFromFile(data));
    if (MemoFile(MemoFromFile(saved)) != saved)
        std::abort();

    TravelFields fields = TravelFromFile(data);
    std::string written = TravelFile(fields);
    if (SplitLines(written).size() != TravelFieldCount || TravelFromFile(written) != fields)
        std::abort();
    return 0;
}
