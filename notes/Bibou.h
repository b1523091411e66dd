#pragma once
// The travel record: 21 one-line fields, kept in the travel record file.
#include "NotesLayout.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

class TForm13 : public TForm {
public:
    TPanel *Panel1, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6, *Panel7, *Panel8, *Panel9, *Panel10, *Panel11;
    TEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10, *Edit11, *Edit12,
        *Edit13, *Edit14, *Edit15, *Edit16, *Edit17, *Edit18, *Edit19, *Edit24, *Edit25;

    void Close2(TObject* Sender, TCloseAction& Action);

    explicit TForm13(TComponent* Owner);

    // The fields' texts in the order of the file: Edit1 to Edit19, Edit24, Edit25.
    TravelFields FileFields() const;

private:
    std::array<TEdit*, TravelFieldCount> FieldsInFileOrder() const;
};

extern TForm13* Form13;
