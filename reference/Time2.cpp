#include "Time2.h"

TForm6* Form6;

TForm6::TForm6(TComponent* Owner) : TTimeTable(Owner, "Time2") {}
