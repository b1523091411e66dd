#include "Tel1.h"

TForm7* Form7;

namespace {

const FormTable<TForm7> form7Table{
    {
        FORM_MEMBER(TForm7, Label1), FORM_MEMBER(TForm7, Label2), FORM_MEMBER(TForm7, Label3),
        FORM_MEMBER(TForm7, Label4), FORM_MEMBER(TForm7, Label5), FORM_MEMBER(TForm7, Label6),
        FORM_MEMBER(TForm7, Panel1), FORM_MEMBER(TForm7, Panel2), FORM_MEMBER(TForm7, Panel3),
        FORM_MEMBER(TForm7, Panel4), FORM_MEMBER(TForm7, Panel5), FORM_MEMBER(TForm7, Panel6),
        FORM_MEMBER(TForm7, Panel7), FORM_MEMBER(TForm7, Panel8), FORM_MEMBER(TForm7, Panel9),
        FORM_MEMBER(TForm7, Panel10), FORM_MEMBER(TForm7, Panel11), FORM_MEMBER(TForm7, Panel12),
        FORM_MEMBER(TForm7, Panel13), FORM_MEMBER(TForm7, Panel14), FORM_MEMBER(TForm7, Panel15),
        FORM_MEMBER(TForm7, Panel16), FORM_MEMBER(TForm7, Panel17), FORM_MEMBER(TForm7, Panel18),
        FORM_MEMBER(TForm7, Panel19), FORM_MEMBER(TForm7, Panel20), FORM_MEMBER(TForm7, Panel21),
        FORM_MEMBER(TForm7, Panel22), FORM_MEMBER(TForm7, Panel23), FORM_MEMBER(TForm7, Panel24),
        FORM_MEMBER(TForm7, Panel25), FORM_MEMBER(TForm7, Panel26), FORM_MEMBER(TForm7, Panel27),
        FORM_MEMBER(TForm7, Panel28), FORM_MEMBER(TForm7, Panel29), FORM_MEMBER(TForm7, Panel30),
        FORM_MEMBER(TForm7, Panel31), FORM_MEMBER(TForm7, Panel32), FORM_MEMBER(TForm7, Panel33),
        FORM_MEMBER(TForm7, Panel34), FORM_MEMBER(TForm7, Panel35), FORM_MEMBER(TForm7, Panel36),
        FORM_MEMBER(TForm7, Panel37), FORM_MEMBER(TForm7, Panel38), FORM_MEMBER(TForm7, Panel39),
        FORM_MEMBER(TForm7, Panel40), FORM_MEMBER(TForm7, Panel41), FORM_MEMBER(TForm7, Panel42),
        FORM_MEMBER(TForm7, Panel43), FORM_MEMBER(TForm7, Panel44), FORM_MEMBER(TForm7, Panel45),
        FORM_MEMBER(TForm7, Panel52), FORM_MEMBER(TForm7, Panel53), FORM_MEMBER(TForm7, Panel54),
        FORM_MEMBER(TForm7, Panel55), FORM_MEMBER(TForm7, Panel56), FORM_MEMBER(TForm7, Panel57),
    },
    {},
};

} // namespace

TForm7::TForm7(TComponent* Owner) : TForm(Owner)
{
    LoadForm("Tel1", form7Table);
}
