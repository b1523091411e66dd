#pragma once
// Japan's embassies and consulates-general abroad and their numbers.
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"

class TForm15 : public TForm {
public:
    TPanel *Panel1, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6, *Panel7, *Panel8, *Panel9, *Panel10, *Panel11,
        *Panel12, *Panel13, *Panel14, *Panel15, *Panel16, *Panel17, *Panel18, *Panel19, *Panel20, *Panel21,
        *Panel22, *Panel23, *Panel24, *Panel25, *Panel26;

    explicit TForm15(TComponent* Owner);
};

extern TForm15* Form15;
