#pragma once
// The time-difference table in the cities' summer time.
#include "TimeTable.h"

class TForm6 : public TTimeTable {
public:
    explicit TForm6(TComponent* Owner);
};

extern TForm6* Form6;
