#include "TimeTable.h"

namespace {

const FormTable<TTimeTable> timeTableTable{
    {
        FORM_MEMBER(TTimeTable, Panel1), FORM_MEMBER(TTimeTable, Panel2), FORM_MEMBER(TTimeTable, Panel3),
        FORM_MEMBER(TTimeTable, Panel4), FORM_MEMBER(TTimeTable, Panel5), FORM_MEMBER(TTimeTable, Panel6),
        FORM_MEMBER(TTimeTable, Panel7), FORM_MEMBER(TTimeTable, Panel8), FORM_MEMBER(TTimeTable, Panel9),
        FORM_MEMBER(TTimeTable, Panel10), FORM_MEMBER(TTimeTable, Panel11), FORM_MEMBER(TTimeTable, Panel12),
        FORM_MEMBER(TTimeTable, Panel13), FORM_MEMBER(TTimeTable, Panel14), FORM_MEMBER(TTimeTable, Panel15),
        FORM_MEMBER(TTimeTable, Panel16), FORM_MEMBER(TTimeTable, Panel17), FORM_MEMBER(TTimeTable, Panel18),
        FORM_MEMBER(TTimeTable, Panel19), FORM_MEMBER(TTimeTable, Panel20), FORM_MEMBER(TTimeTable, Panel21),
        FORM_MEMBER(TTimeTable, Panel22), FORM_MEMBER(TTimeTable, Panel23), FORM_MEMBER(TTimeTable, Panel24),
        FORM_MEMBER(TTimeTable, Panel25), FORM_MEMBER(TTimeTable, Panel26), FORM_MEMBER(TTimeTable, Panel27),
        FORM_MEMBER(TTimeTable, Panel28), FORM_MEMBER(TTimeTable, Panel29), FORM_MEMBER(TTimeTable, Panel30),
        FORM_MEMBER(TTimeTable, Panel31), FORM_MEMBER(TTimeTable, Panel32), FORM_MEMBER(TTimeTable, Panel33),
        FORM_MEMBER(TTimeTable, Panel34), FORM_MEMBER(TTimeTable, Panel35), FORM_MEMBER(TTimeTable, Panel36),
        FORM_MEMBER(TTimeTable, Panel37), FORM_MEMBER(TTimeTable, Panel38), FORM_MEMBER(TTimeTable, Panel39),
        FORM_MEMBER(TTimeTable, Panel40), FORM_MEMBER(TTimeTable, Panel41), FORM_MEMBER(TTimeTable, Panel42),
        FORM_MEMBER(TTimeTable, Panel43), FORM_MEMBER(TTimeTable, Panel44), FORM_MEMBER(TTimeTable, Panel45),
        FORM_MEMBER(TTimeTable, Panel46), FORM_MEMBER(TTimeTable, Panel47), FORM_MEMBER(TTimeTable, Panel48),
        FORM_MEMBER(TTimeTable, Panel49), FORM_MEMBER(TTimeTable, Panel50), FORM_MEMBER(TTimeTable, Panel51),
        FORM_MEMBER(TTimeTable, Panel52), FORM_MEMBER(TTimeTable, Panel53), FORM_MEMBER(TTimeTable, Panel54),
        FORM_MEMBER(TTimeTable, Panel55), FORM_MEMBER(TTimeTable, Panel56), FORM_MEMBER(TTimeTable, Panel57),
        FORM_MEMBER(TTimeTable, Panel58), FORM_MEMBER(TTimeTable, Panel59), FORM_MEMBER(TTimeTable, Panel60),
        FORM_MEMBER(TTimeTable, Panel61), FORM_MEMBER(TTimeTable, Panel62), FORM_MEMBER(TTimeTable, Panel63),
        FORM_MEMBER(TTimeTable, Panel64), FORM_MEMBER(TTimeTable, Panel65), FORM_MEMBER(TTimeTable, Panel66),
        FORM_MEMBER(TTimeTable, Panel67), FORM_MEMBER(TTimeTable, Panel68), FORM_MEMBER(TTimeTable, Panel69),
        FORM_MEMBER(TTimeTable, Panel70), FORM_MEMBER(TTimeTable, Panel71), FORM_MEMBER(TTimeTable, Panel72),
        FORM_MEMBER(TTimeTable, Panel73), FORM_MEMBER(TTimeTable, Panel74), FORM_MEMBER(TTimeTable, Panel75),
        FORM_MEMBER(TTimeTable, Panel76), FORM_MEMBER(TTimeTable, Panel77), FORM_MEMBER(TTimeTable, Panel78),
        FORM_MEMBER(TTimeTable, Panel79), FORM_MEMBER(TTimeTable, Panel80), FORM_MEMBER(TTimeTable, Button1),
    },
    {FORM_HANDLER(TTimeTable, Button1Click)},
};

} // namespace

TTimeTable::TTimeTable(TComponent* Owner, const std::string& unitName) : TForm(Owner)
{
    LoadForm(unitName, timeTableTable);
}

void TTimeTable::Button1Click(TObject*)
{
    Close();
}
