#pragma once
// The currency converter: amounts between yen and one of three currencies,
// at rates in yen per unit kept in the settings store.
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

class TForm10 : public TForm {
public:
    TLabel *Label1, *Label2, *Label3, *Label4;
    TEdit *Edit1, *Edit2;
    TButton *Button1, *Button2, *Button3, *Button4;
    TRadioGroup* RadioGroup1;
    TEdit *tuka1, *tuka2, *tuka3;
    TEdit *rate1, *rate2, *rate3;

    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    void Button4Click(TObject* Sender);

    explicit TForm10(TComponent* Owner);

    // The selected row's rate in thousandths of a yen, recomputed by every
    // conversion before it is used.
    int irate = 0;

private:
    // The rate edit of the row the radio group selects.
    TEdit* SelectedRate() const;
};

extern TForm10* Form10;
