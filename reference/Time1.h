#pragma once
// The time-difference table in standard time.
#include "TimeTable.h"

class TForm5 : public TTimeTable {
public:
    explicit TForm5(TComponent* Owner);
};

extern TForm5* Form5;
