#include "Time1.h"

TForm5* Form5;

TForm5::TForm5(TComponent* Owner) : TTimeTable(Owner, "Time1") {}
