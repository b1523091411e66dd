#include "About.h"

TForm2* Form2;

namespace {

const FormTable<TForm2> form2Table{
    {
        FORM_MEMBER(TForm2, Label1), FORM_MEMBER(TForm2, Label2), FORM_MEMBER(TForm2, Label3),
        FORM_MEMBER(TForm2, Label4), FORM_MEMBER(TForm2, Label5), FORM_MEMBER(TForm2, Label6),
        FORM_MEMBER(TForm2, Label7), FORM_MEMBER(TForm2, Label8), FORM_MEMBER(TForm2, Label9),
        FORM_MEMBER(TForm2, Button1),
    },
    {FORM_HANDLER(TForm2, Button1Click)},
};

} // namespace

TForm2::TForm2(TComponent* Owner) : TForm(Owner)
{
    LoadForm("About", form2Table);
}

void TForm2::Button1Click(TObject*)
{
    Close();
}
