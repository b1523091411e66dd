#pragma once
// The city settings dialog: names, offsets and summer-time flags of the six
// city slots, the factory defaults and the board's saved position.
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

class TForm3 : public TForm {
public:
    TLabel *Label1, *Label2;
    TEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
    TEdit *Edit7, *Edit8, *Edit9, *Edit10, *Edit11, *Edit12;
    TCheckBox *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6;
    TButton *Button1, *Button2, *Button3, *Button4;

    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    void Button4Click(TObject* Sender);

    explicit TForm3(TComponent* Owner);
};

extern TForm3* Form3;
