// The process entry: no arguments, no environment; 0 whether start-up worked or not.
#include "WindowSet.h"
#include "toolkit/Forms.h"

int main()
{
    try {
        Application->Initialize();
        Application->SetTitle("Horavel");
        CreateWindowSet();
        Application->Run();
    } catch (const Exception& error) {
        Application->ShowException(error);
    }
    return 0;
}
