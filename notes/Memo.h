#pragma once
// The memo pad: one yellow text box, kept in the memo file.
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

class TForm12 : public TForm {
public:
    TMemo* Memo1;

    void Close1(TObject* Sender, TCloseAction& Action);

    explicit TForm12(TComponent* Owner);
};

extern TForm12* Form12;
