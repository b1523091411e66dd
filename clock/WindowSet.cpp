#include "WindowSet.h"

#include "Main.h"
#include "converters/Ondo.h"
#include "converters/Tuka.h"
#include "settings/Setting.h"

void CreateWindowSet()
{
    // The clock board first: it is the main window, and later windows copy its settings.
    Application->CreateForm(Form1);
    Application->CreateForm(Form3);
    Application->CreateForm(Form10);
    Application->CreateForm(Form11);
}
