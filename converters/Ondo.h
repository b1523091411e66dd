#pragma once
// The temperature converter: degrees Fahrenheit and Celsius, cut toward zero
// to tenths of a degree.
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

class TForm11 : public TForm {
public:
    TLabel *Label1, *Label2;
    TEdit *Edit1, *Edit2;
    TButton *Button1, *Button2, *Button3, *Button4;

    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    void Button4Click(TObject* Sender);

    explicit TForm11(TComponent* Owner);

    // The last result in tenths of a degree, and the same in single
    // precision, from which the shown result is computed.
    int iondo = 0;
    float fondo = 0;
};

extern TForm11* Form11;
