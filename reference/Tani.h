#pragma once
// Approximate conversions between imperial or US units and metric units, the
// two temperature formulas and a small Fahrenheit-Celsius scale.
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

class TForm9 : public TForm {
public:
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11;
    TPanel *Panel1, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6, *Panel7, *Panel8, *Panel9, *Panel10, *Panel11,
        *Panel12, *Panel13, *Panel14, *Panel15, *Panel16, *Panel17, *Panel18, *Panel19, *Panel20, *Panel21,
        *Panel22, *Panel23, *Panel24, *Panel25, *Panel26, *Panel27;
    TBevel *Bevel1;

    explicit TForm9(TComponent* Owner);
};

extern TForm9* Form9;
