#pragma once
// A time-difference table: for every second hour in Japan, the hour in five
// cities, aqua on the same day as Japan and yellow on the day before, with a
// legend and a close button. The standard-time and summer-time windows share
// this layout and differ only in their descriptions.
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

#include <string>

class TTimeTable : public TForm {
public:
    TPanel *Panel1, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6, *Panel7, *Panel8, *Panel9, *Panel10, *Panel11,
        *Panel12, *Panel13, *Panel14, *Panel15, *Panel16, *Panel17, *Panel18, *Panel19, *Panel20, *Panel21,
        *Panel22, *Panel23, *Panel24, *Panel25, *Panel26, *Panel27, *Panel28, *Panel29, *Panel30, *Panel31,
        *Panel32, *Panel33, *Panel34, *Panel35, *Panel36, *Panel37, *Panel38, *Panel39, *Panel40, *Panel41,
        *Panel42, *Panel43, *Panel44, *Panel45, *Panel46, *Panel47, *Panel48, *Panel49, *Panel50, *Panel51,
        *Panel52, *Panel53, *Panel54, *Panel55, *Panel56, *Panel57, *Panel58, *Panel59, *Panel60, *Panel61,
        *Panel62, *Panel63, *Panel64, *Panel65, *Panel66, *Panel67, *Panel68, *Panel69, *Panel70, *Panel71,
        *Panel72, *Panel73, *Panel74, *Panel75, *Panel76, *Panel77, *Panel78, *Panel79, *Panel80;
    TButton *Button1;

    void Button1Click(TObject* Sender);

protected:
    TTimeTable(TComponent* Owner, const std::string& unitName);
};
