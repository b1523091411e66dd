#include "Tuka.h"

#include "ConverterMath.h"
#include "clock/Settings.h"
#include "toolkit/Registry.h"

TForm10* Form10;

namespace {

const FormTable<TForm10> form10Table{
    {
        FORM_MEMBER(TForm10, Label1), FORM_MEMBER(TForm10, Label2), FORM_MEMBER(TForm10, Label3),
        FORM_MEMBER(TForm10, Label4), FORM_MEMBER(TForm10, Edit1), FORM_MEMBER(TForm10, Edit2),
        FORM_MEMBER(TForm10, Button1), FORM_MEMBER(TForm10, Button2), FORM_MEMBER(TForm10, Button3),
        FORM_MEMBER(TForm10, Button4), FORM_MEMBER(TForm10, RadioGroup1),
        FORM_MEMBER(TForm10, tuka1), FORM_MEMBER(TForm10, tuka2), FORM_MEMBER(TForm10, tuka3),
        FORM_MEMBER(TForm10, rate1), FORM_MEMBER(TForm10, rate2), FORM_MEMBER(TForm10, rate3),
    },
    {
        FORM_HANDLER(TForm10, Button1Click), FORM_HANDLER(TForm10, Button2Click),
        FORM_HANDLER(TForm10, Button3Click), FORM_HANDLER(TForm10, Button4Click),
    },
};

// The three rows: their edits and their store values with the defaults.
struct CurrencyRow {
    TEdit* TForm10::*tuka;
    TEdit* TForm10::*rate;
    const char* tukaValue;
    const char* rateValue;
    const char* defaultTuka;
};

const CurrencyRow currencyRows[3] = {
    {&TForm10::tuka1, &TForm10::rate1, "tuka1HV", "rate1HV", "＄"},
    {&TForm10::tuka2, &TForm10::rate2, "tuka2HV", "rate2HV", "￡"},
    {&TForm10::tuka3, &TForm10::rate3, "tuka3HV", "rate3HV", "フラン"},
};

const char* const defaultRate = "1";

} // namespace

TForm10::TForm10(TComponent* Owner) : TForm(Owner)
{
    LoadForm("Tuka", form10Table);

    TRegIniFile store(SettingsKey);
    for (const CurrencyRow& row : currencyRows)
        (this->*row.tuka)->SetText(store.ReadString(row.tukaValue, row.defaultTuka));
    for (const CurrencyRow& row : currencyRows)
        (this->*row.rate)->SetText(store.ReadString(row.rateValue, defaultRate));
}

TEdit* TForm10::SelectedRate() const
{
    return this->*currencyRows[RadioGroup1->ItemIndex()].rate;
}

// >>: the other currency to yen.
void TForm10::Button1Click(TObject*)
{
    irate = RateThousandths(SelectedRate()->Text());
    Edit2->SetText(YenText(Edit1->Text(), irate));
}

// <<: yen to the other currency.
void TForm10::Button2Click(TObject*)
{
    irate = RateThousandths(SelectedRate()->Text());
    Edit1->SetText(OtherCurrencyText(Edit2->Text(), irate));
}

void TForm10::Button3Click(TObject*)
{
    Edit1->SetText("");
    Edit2->SetText("");
}

// Close: the six rows to the store as they stand, then hide. A refused write
// stops it there and the window stays open.
void TForm10::Button4Click(TObject*)
{
    {
        TRegIniFile store(SettingsKey);
        for (const CurrencyRow& row : currencyRows)
            store.WriteString(row.tukaValue, (this->*row.tuka)->Text());
        for (const CurrencyRow& row : currencyRows)
            store.WriteString(row.rateValue, (this->*row.rate)->Text());
    }
    Close();
}
