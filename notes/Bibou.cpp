#include "Bibou.h"

#include "NotesFiles.h"

TForm13* Form13;

namespace {

const FormTable<TForm13> form13Table{
    {
        FORM_MEMBER(TForm13, Panel1),  FORM_MEMBER(TForm13, Panel2),  FORM_MEMBER(TForm13, Panel3),
        FORM_MEMBER(TForm13, Panel4),  FORM_MEMBER(TForm13, Panel5),  FORM_MEMBER(TForm13, Panel6),
        FORM_MEMBER(TForm13, Panel7),  FORM_MEMBER(TForm13, Panel8),  FORM_MEMBER(TForm13, Panel9),
        FORM_MEMBER(TForm13, Panel10), FORM_MEMBER(TForm13, Panel11), FORM_MEMBER(TForm13, Edit1),
        FORM_MEMBER(TForm13, Edit2),   FORM_MEMBER(TForm13, Edit3),   FORM_MEMBER(TForm13, Edit4),
        FORM_MEMBER(TForm13, Edit5),   FORM_MEMBER(TForm13, Edit6),   FORM_MEMBER(TForm13, Edit7),
        FORM_MEMBER(TForm13, Edit8),   FORM_MEMBER(TForm13, Edit9),   FORM_MEMBER(TForm13, Edit10),
        FORM_MEMBER(TForm13, Edit11),  FORM_MEMBER(TForm13, Edit12),  FORM_MEMBER(TForm13, Edit13),
        FORM_MEMBER(TForm13, Edit14),  FORM_MEMBER(TForm13, Edit15),  FORM_MEMBER(TForm13, Edit16),
        FORM_MEMBER(TForm13, Edit17),  FORM_MEMBER(TForm13, Edit18),  FORM_MEMBER(TForm13, Edit19),
        FORM_MEMBER(TForm13, Edit24),  FORM_MEMBER(TForm13, Edit25),
    },
    {FORM_HANDLER(TForm13, Close2)},
};

} // namespace

TForm13::TForm13(TComponent* Owner) : TForm(Owner)
{
    LoadForm("Bibou", form13Table);
    TravelFields fields = LoadTravelRecord();
    std::array<TEdit*, TravelFieldCount> edits = FieldsInFileOrder();
    for (int line = 0; line < TravelFieldCount; ++line)
        edits[line]->SetText(fields[line]);
}

// A failed write keeps the window open with its texts.
void TForm13::Close2(TObject*, TCloseAction&)
{
    SaveTravelRecord(FileFields());
}

TravelFields TForm13::FileFields() const
{
    TravelFields fields;
    std::array<TEdit*, TravelFieldCount> edits = FieldsInFileOrder();
    for (int line = 0; line < TravelFieldCount; ++line)
        fields[line] = edits[line]->Text();
    return fields;
}

std::array<TEdit*, TravelFieldCount> TForm13::FieldsInFileOrder() const
{
    return {Edit1,  Edit2,  Edit3,  Edit4,  Edit5,  Edit6,  Edit7,  Edit8,  Edit9,  Edit10, Edit11,
            Edit12, Edit13, Edit14, Edit15, Edit16, Edit17, Edit18, Edit19, Edit24, Edit25};
}
