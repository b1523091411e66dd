#include "WindowSet.h"

#include "Main.h"
#include "converters/Ondo.h"
#include "converters/Tuka.h"
#include "notes/Bibou.h"
#include "notes/Memo.h"
#include "settings/Setting.h"

void CreateWindowSet()
{
    // The clock board first: it is the main window, and later windows copy its settings.
    Application->CreateForm(Form1);
    Application->CreateForm(Form3);
    Application->CreateForm(Form10);
    Application->CreateForm(Form11);
    // The memo before the travel record: each reads its notes file.
    Application->CreateForm(Form12);
    Application->CreateForm(Form13);
}
