#pragma once
// Major airlines: their codes and their numbers at Narita and Kansai.
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"

class TForm14 : public TForm {
public:
    TPanel *Panel1, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6, *Panel7, *Panel8, *Panel9, *Panel10, *Panel11,
        *Panel12, *Panel13, *Panel14, *Panel15, *Panel16, *Panel17, *Panel18, *Panel19, *Panel20, *Panel21,
        *Panel22, *Panel23, *Panel24, *Panel25, *Panel26, *Panel27, *Panel28, *Panel29, *Panel30, *Panel31,
        *Panel32, *Panel33, *Panel34, *Panel35, *Panel36, *Panel37, *Panel38, *Panel39, *Panel40, *Panel41,
        *Panel42, *Panel43, *Panel44, *Panel45, *Panel46, *Panel47, *Panel48;

    explicit TForm14(TComponent* Owner);
};

extern TForm14* Form14;
