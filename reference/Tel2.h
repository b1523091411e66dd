#pragma once
// How to place a card-billed international call in both directions, and the
// service's access numbers abroad.
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

class TForm8 : public TForm {
public:
    TLabel *Label1, *Label2, *Label3, *Label4;
    TPanel *Panel1, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6, *Panel7, *Panel8, *Panel9, *Panel10, *Panel11,
        *Panel12, *Panel13, *Panel14, *Panel15, *Panel16, *Panel17, *Panel18, *Panel19, *Panel20, *Panel21;

    explicit TForm8(TComponent* Owner);
};

extern TForm8* Form8;
