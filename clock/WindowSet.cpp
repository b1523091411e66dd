#include "WindowSet.h"

#include "Main.h"
#include "settings/Setting.h"

void CreateWindowSet()
{
    // The clock board first: it is the main window, and later windows copy its settings.
    Application->CreateForm(Form1);
    Application->CreateForm(Form3);
}
