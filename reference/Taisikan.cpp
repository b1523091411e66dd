#include "Taisikan.h"

TForm15* Form15;

namespace {

const FormTable<TForm15> form15Table{
    {
        FORM_MEMBER(TForm15, Panel1), FORM_MEMBER(TForm15, Panel2), FORM_MEMBER(TForm15, Panel3),
        FORM_MEMBER(TForm15, Panel4), FORM_MEMBER(TForm15, Panel5), FORM_MEMBER(TForm15, Panel6),
        FORM_MEMBER(TForm15, Panel7), FORM_MEMBER(TForm15, Panel8), FORM_MEMBER(TForm15, Panel9),
        FORM_MEMBER(TForm15, Panel10), FORM_MEMBER(TForm15, Panel11), FORM_MEMBER(TForm15, Panel12),
        FORM_MEMBER(TForm15, Panel13), FORM_MEMBER(TForm15, Panel14), FORM_MEMBER(TForm15, Panel15),
        FORM_MEMBER(TForm15, Panel16), FORM_MEMBER(TForm15, Panel17), FORM_MEMBER(TForm15, Panel18),
        FORM_MEMBER(TForm15, Panel19), FORM_MEMBER(TForm15, Panel20), FORM_MEMBER(TForm15, Panel21),
        FORM_MEMBER(TForm15, Panel22), FORM_MEMBER(TForm15, Panel23), FORM_MEMBER(TForm15, Panel24),
        FORM_MEMBER(TForm15, Panel25), FORM_MEMBER(TForm15, Panel26),
    },
    {},
};

} // namespace

TForm15::TForm15(TComponent* Owner) : TForm(Owner)
{
    LoadForm("Taisikan", form15Table);
}
