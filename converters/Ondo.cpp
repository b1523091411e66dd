#include "Ondo.h"

#include "ConverterMath.h"

TForm11* Form11;

namespace {

const FormTable<TForm11> form11Table{
    {
        FORM_MEMBER(TForm11, Label1), FORM_MEMBER(TForm11, Label2), FORM_MEMBER(TForm11, Edit1),
        FORM_MEMBER(TForm11, Edit2), FORM_MEMBER(TForm11, Button1), FORM_MEMBER(TForm11, Button2),
        FORM_MEMBER(TForm11, Button3), FORM_MEMBER(TForm11, Button4),
    },
    {
        FORM_HANDLER(TForm11, Button1Click), FORM_HANDLER(TForm11, Button2Click),
        FORM_HANDLER(TForm11, Button3Click), FORM_HANDLER(TForm11, Button4Click),
    },
};

} // namespace

TForm11::TForm11(TComponent* Owner) : TForm(Owner)
{
    LoadForm("Ondo", form11Table);
}

// >>: Fahrenheit to Celsius.
void TForm11::Button1Click(TObject*)
{
    iondo = CelsiusTenths(Edit1->Text());
    fondo = static_cast<float>(iondo);
    Edit2->SetText(DegreesText(fondo));
}

// <<: Celsius to Fahrenheit.
void TForm11::Button2Click(TObject*)
{
    iondo = FahrenheitTenths(Edit2->Text());
    fondo = static_cast<float>(iondo);
    Edit1->SetText(DegreesText(fondo));
}

void TForm11::Button3Click(TObject*)
{
    Edit1->SetText("");
    Edit2->SetText("");
}

void TForm11::Button4Click(TObject*)
{
    Close();
}
