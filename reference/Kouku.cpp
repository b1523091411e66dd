#include "Kouku.h"

TForm14* Form14;

namespace {

const FormTable<TForm14> form14Table{
    {
        FORM_MEMBER(TForm14, Panel1), FORM_MEMBER(TForm14, Panel2), FORM_MEMBER(TForm14, Panel3),
        FORM_MEMBER(TForm14, Panel4), FORM_MEMBER(TForm14, Panel5), FORM_MEMBER(TForm14, Panel6),
        FORM_MEMBER(TForm14, Panel7), FORM_MEMBER(TForm14, Panel8), FORM_MEMBER(TForm14, Panel9),
        FORM_MEMBER(TForm14, Panel10), FORM_MEMBER(TForm14, Panel11), FORM_MEMBER(TForm14, Panel12),
        FORM_MEMBER(TForm14, Panel13), FORM_MEMBER(TForm14, Panel14), FORM_MEMBER(TForm14, Panel15),
        FORM_MEMBER(TForm14, Panel16), FORM_MEMBER(TForm14, Panel17), FORM_MEMBER(TForm14, Panel18),
        FORM_MEMBER(TForm14, Panel19), FORM_MEMBER(TForm14, Panel20), FORM_MEMBER(TForm14, Panel21),
        FORM_MEMBER(TForm14, Panel22), FORM_MEMBER(TForm14, Panel23), FORM_MEMBER(TForm14, Panel24),
        FORM_MEMBER(TForm14, Panel25), FORM_MEMBER(TForm14, Panel26), FORM_MEMBER(TForm14, Panel27),
        FORM_MEMBER(TForm14, Panel28), FORM_MEMBER(TForm14, Panel29), FORM_MEMBER(TForm14, Panel30),
        FORM_MEMBER(TForm14, Panel31), FORM_MEMBER(TForm14, Panel32), FORM_MEMBER(TForm14, Panel33),
        FORM_MEMBER(TForm14, Panel34), FORM_MEMBER(TForm14, Panel35), FORM_MEMBER(TForm14, Panel36),
        FORM_MEMBER(TForm14, Panel37), FORM_MEMBER(TForm14, Panel38), FORM_MEMBER(TForm14, Panel39),
        FORM_MEMBER(TForm14, Panel40), FORM_MEMBER(TForm14, Panel41), FORM_MEMBER(TForm14, Panel42),
        FORM_MEMBER(TForm14, Panel43), FORM_MEMBER(TForm14, Panel44), FORM_MEMBER(TForm14, Panel45),
        FORM_MEMBER(TForm14, Panel46), FORM_MEMBER(TForm14, Panel47), FORM_MEMBER(TForm14, Panel48),
    },
    {},
};

} // namespace

TForm14::TForm14(TComponent* Owner) : TForm(Owner)
{
    LoadForm("Kouku", form14Table);
}
