#pragma once
// The About window: the program and its version, a word on the reference
// tables and where the notes are kept.
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

class TForm2 : public TForm {
public:
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    TButton *Button1;

    void Button1Click(TObject* Sender);

    explicit TForm2(TComponent* Owner);
};

extern TForm2* Form2;
