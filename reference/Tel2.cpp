#include "Tel2.h"

TForm8* Form8;

namespace {

const FormTable<TForm8> form8Table{
    {
        FORM_MEMBER(TForm8, Label1), FORM_MEMBER(TForm8, Label2), FORM_MEMBER(TForm8, Label3),
        FORM_MEMBER(TForm8, Label4), FORM_MEMBER(TForm8, Panel1), FORM_MEMBER(TForm8, Panel2),
        FORM_MEMBER(TForm8, Panel3), FORM_MEMBER(TForm8, Panel4), FORM_MEMBER(TForm8, Panel5),
        FORM_MEMBER(TForm8, Panel6), FORM_MEMBER(TForm8, Panel7), FORM_MEMBER(TForm8, Panel8),
        FORM_MEMBER(TForm8, Panel9), FORM_MEMBER(TForm8, Panel10), FORM_MEMBER(TForm8, Panel11),
        FORM_MEMBER(TForm8, Panel12), FORM_MEMBER(TForm8, Panel13), FORM_MEMBER(TForm8, Panel14),
        FORM_MEMBER(TForm8, Panel15), FORM_MEMBER(TForm8, Panel16), FORM_MEMBER(TForm8, Panel17),
        FORM_MEMBER(TForm8, Panel18), FORM_MEMBER(TForm8, Panel19), FORM_MEMBER(TForm8, Panel20),
        FORM_MEMBER(TForm8, Panel21),
    },
    {},
};

} // namespace

TForm8::TForm8(TComponent* Owner) : TForm(Owner)
{
    LoadForm("Tel2", form8Table);
}
