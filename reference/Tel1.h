#pragma once
// How to place an international call: the order of the parts of a number, two
// worked examples, the access codes of ten countries and their country codes.
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

class TForm7 : public TForm {
public:
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    TPanel *Panel1, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6, *Panel7, *Panel8, *Panel9, *Panel10, *Panel11,
        *Panel12, *Panel13, *Panel14, *Panel15, *Panel16, *Panel17, *Panel18, *Panel19, *Panel20, *Panel21,
        *Panel22, *Panel23, *Panel24, *Panel25, *Panel26, *Panel27, *Panel28, *Panel29, *Panel30, *Panel31,
        *Panel32, *Panel33, *Panel34, *Panel35, *Panel36, *Panel37, *Panel38, *Panel39, *Panel40, *Panel41,
        *Panel42, *Panel43, *Panel44, *Panel45, *Panel52, *Panel53, *Panel54, *Panel55, *Panel56, *Panel57;

    explicit TForm7(TComponent* Owner);
};

extern TForm7* Form7;
