#include "Tani.h"

TForm9* Form9;

namespace {

const FormTable<TForm9> form9Table{
    {
        FORM_MEMBER(TForm9, Label1), FORM_MEMBER(TForm9, Label2), FORM_MEMBER(TForm9, Label3),
        FORM_MEMBER(TForm9, Label4), FORM_MEMBER(TForm9, Label5), FORM_MEMBER(TForm9, Label6),
        FORM_MEMBER(TForm9, Label7), FORM_MEMBER(TForm9, Label8), FORM_MEMBER(TForm9, Label9),
        FORM_MEMBER(TForm9, Label10), FORM_MEMBER(TForm9, Label11), FORM_MEMBER(TForm9, Panel1),
        FORM_MEMBER(TForm9, Panel2), FORM_MEMBER(TForm9, Panel3), FORM_MEMBER(TForm9, Panel4),
        FORM_MEMBER(TForm9, Panel5), FORM_MEMBER(TForm9, Panel6), FORM_MEMBER(TForm9, Panel7),
        FORM_MEMBER(TForm9, Panel8), FORM_MEMBER(TForm9, Panel9), FORM_MEMBER(TForm9, Panel10),
        FORM_MEMBER(TForm9, Panel11), FORM_MEMBER(TForm9, Panel12), FORM_MEMBER(TForm9, Panel13),
        FORM_MEMBER(TForm9, Panel14), FORM_MEMBER(TForm9, Panel15), FORM_MEMBER(TForm9, Panel16),
        FORM_MEMBER(TForm9, Panel17), FORM_MEMBER(TForm9, Panel18), FORM_MEMBER(TForm9, Panel19),
        FORM_MEMBER(TForm9, Panel20), FORM_MEMBER(TForm9, Panel21), FORM_MEMBER(TForm9, Panel22),
        FORM_MEMBER(TForm9, Panel23), FORM_MEMBER(TForm9, Panel24), FORM_MEMBER(TForm9, Panel25),
        FORM_MEMBER(TForm9, Panel26), FORM_MEMBER(TForm9, Panel27), FORM_MEMBER(TForm9, Bevel1),
    },
    {},
};

} // namespace

TForm9::TForm9(TComponent* Owner) : TForm(Owner)
{
    LoadForm("Tani", form9Table);
}
