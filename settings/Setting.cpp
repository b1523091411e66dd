#include "Setting.h"

#include "clock/CitySlots.h"
#include "clock/Main.h"
#include "clock/Settings.h"
#include "toolkit/NumberText.h"
#include "toolkit/Registry.h"

TForm3* Form3;

namespace {

const FormTable<TForm3> form3Table{
    {
        FORM_MEMBER(TForm3, Label1), FORM_MEMBER(TForm3, Label2),
        FORM_MEMBER(TForm3, Edit1), FORM_MEMBER(TForm3, Edit2), FORM_MEMBER(TForm3, Edit3),
        FORM_MEMBER(TForm3, Edit4), FORM_MEMBER(TForm3, Edit5), FORM_MEMBER(TForm3, Edit6),
        FORM_MEMBER(TForm3, Edit7), FORM_MEMBER(TForm3, Edit8), FORM_MEMBER(TForm3, Edit9),
        FORM_MEMBER(TForm3, Edit10), FORM_MEMBER(TForm3, Edit11), FORM_MEMBER(TForm3, Edit12),
        FORM_MEMBER(TForm3, CheckBox2), FORM_MEMBER(TForm3, CheckBox3), FORM_MEMBER(TForm3, CheckBox4),
        FORM_MEMBER(TForm3, CheckBox5), FORM_MEMBER(TForm3, CheckBox6),
        FORM_MEMBER(TForm3, Button1), FORM_MEMBER(TForm3, Button2), FORM_MEMBER(TForm3, Button3),
        FORM_MEMBER(TForm3, Button4),
    },
    {
        FORM_HANDLER(TForm3, Button1Click), FORM_HANDLER(TForm3, Button2Click),
        FORM_HANDLER(TForm3, Button3Click), FORM_HANDLER(TForm3, Button4Click),
    },
};

// The dialog's controls for each city slot, in the order of CitySlots.
struct SlotControls {
    TEdit* TForm3::*name;
    TEdit* TForm3::*offset;
    TCheckBox* TForm3::*summer; // nullptr for slot a
};

const SlotControls slotControls[6] = {
    {&TForm3::Edit1, &TForm3::Edit7, nullptr},
    {&TForm3::Edit2, &TForm3::Edit8, &TForm3::CheckBox2},
    {&TForm3::Edit3, &TForm3::Edit9, &TForm3::CheckBox3},
    {&TForm3::Edit4, &TForm3::Edit10, &TForm3::CheckBox4},
    {&TForm3::Edit5, &TForm3::Edit11, &TForm3::CheckBox5},
    {&TForm3::Edit6, &TForm3::Edit12, &TForm3::CheckBox6},
};

} // namespace

TForm3::TForm3(TComponent* Owner) : TForm(Owner)
{
    LoadForm("Setting", form3Table);

    for (int slot = 0; slot < 6; ++slot)
        (this->*slotControls[slot].name)->SetText(Form1->*CitySlots[slot].city);
    for (int slot = 0; slot < 6; ++slot)
        (this->*slotControls[slot].offset)->SetText(IntToStr(Form1->*CitySlots[slot].zisa));
    for (int slot = 1; slot < 6; ++slot)
        (this->*slotControls[slot].summer)->SetChecked(Form1->*CitySlots[slot].dst);
}

// OK: every control to the clock board and the store, then close. An offset
// that is not a number stops it there: the names are stored, the offsets
// before it are in the board only, and the dialog stays open as typed.
void TForm3::Button2Click(TObject*)
{
    {
        TRegIniFile store(SettingsKey);
        for (int slot = 0; slot < 6; ++slot)
            Form1->*CitySlots[slot].city = (this->*slotControls[slot].name)->Text();
        for (const CitySlot& slot : CitySlots)
            store.WriteString(slot.cityValue, Form1->*slot.city);
        for (int slot = 0; slot < 6; ++slot)
            Form1->*CitySlots[slot].zisa = StrToInt((this->*slotControls[slot].offset)->Text());
        for (const CitySlot& slot : CitySlots)
            store.WriteInteger(slot.zisaValue, Form1->*slot.zisa);
        for (int slot = 1; slot < 6; ++slot)
            Form1->*CitySlots[slot].dst = (this->*slotControls[slot].summer)->Checked();
        for (int slot = 1; slot < 6; ++slot)
            store.WriteBool(CitySlots[slot].dstValue, Form1->*CitySlots[slot].dst);
    }
    Close();
}

void TForm3::Button1Click(TObject*)
{
    Close();
}

// Initial values: the default table into the controls and the board to its
// default place at once. Nothing is stored until OK or the position setting.
void TForm3::Button3Click(TObject*)
{
    for (int slot = 0; slot < 6; ++slot) {
        (this->*slotControls[slot].name)->SetText(CitySlots[slot].defaultCity);
        (this->*slotControls[slot].offset)->SetText(IntToStr(CitySlots[slot].defaultZisa));
    }
    for (int slot = 1; slot < 6; ++slot)
        (this->*slotControls[slot].summer)->SetChecked(false);
    Form1->startx = DefaultStartX;
    Form1->starty = DefaultStartY;
    Form1->SetBounds(DefaultStartX, DefaultStartY, Form1->Width(), Form1->Height());
}

// Position setting: the board's place now is where the next start puts it.
void TForm3::Button4Click(TObject*)
{
    TRegIniFile store(SettingsKey);
    Form1->startx = Form1->Left();
    Form1->starty = Form1->Top();
    store.WriteInteger("startxHV", Form1->startx);
    store.WriteInteger("startyHV", Form1->starty);
}
