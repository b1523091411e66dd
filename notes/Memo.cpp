#include "Memo.h"

#include "NotesFiles.h"

TForm12* Form12;

namespace {

const FormTable<TForm12> form12Table{
    {FORM_MEMBER(TForm12, Memo1)},
    {FORM_HANDLER(TForm12, Close1)},
};

} // namespace

TForm12::TForm12(TComponent* Owner) : TForm(Owner)
{
    LoadForm("Memo", form12Table);
    Memo1->SetText(LoadMemo());
}

// A failed write keeps the window open with its text.
void TForm12::Close1(TObject*, TCloseAction&)
{
    SaveMemo(Memo1->Text());
}
