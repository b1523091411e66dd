#include "WindowSet.h"

#include "Main.h"
#include "about/About.h"
#include "converters/Ondo.h"
#include "converters/Tuka.h"
#include "notes/Bibou.h"
#include "notes/Memo.h"
#include "reference/Kouku.h"
#include "reference/Taisikan.h"
#include "reference/Tani.h"
#include "reference/Tel1.h"
#include "reference/Tel2.h"
#include "reference/Time1.h"
#include "reference/Time2.h"
#include "settings/Setting.h"

void CreateWindowSet()
{
    // The clock board first: it is the main window, and later windows copy its
    // settings. The order is fixed: board, About, settings, the two
    // time-difference tables, the two call tables, the unit table, then the
    // currency and temperature converters, the memo and the travel record
    // (Form10 to Form13, in that order), then the airlines and missions tables.
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Form5);
    Application->CreateForm(Form6);
    Application->CreateForm(Form7);
    Application->CreateForm(Form8);
    Application->CreateForm(Form9);
    Application->CreateForm(Form10);
    Application->CreateForm(Form11);
    // The memo before the travel record: each reads its notes file.
    Application->CreateForm(Form12);
    Application->CreateForm(Form13);
    Application->CreateForm(Form14);
    Application->CreateForm(Form15);
}
