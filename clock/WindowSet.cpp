#include "WindowSet.h"

#include "Main.h"

void CreateWindowSet()
{
    // The clock board first: it is the main window, and later windows copy its settings.
    Application->CreateForm(Form1);
}
