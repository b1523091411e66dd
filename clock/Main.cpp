#include "Main.h"

#include "BoardClock.h"
#include "CitySlots.h"
#include "Settings.h"
#include "about/About.h"
#include "converters/Ondo.h"
#include "converters/Tuka.h"
#include "notes/Bibou.h"
#include "notes/Memo.h"
#include "notes/NotesFiles.h"
#include "reference/Kouku.h"
#include "reference/Taisikan.h"
#include "reference/Tani.h"
#include "reference/Tel1.h"
#include "reference/Tel2.h"
#include "reference/Time1.h"
#include "reference/Time2.h"
#include "settings/Setting.h"
#include "toolkit/DateTime.h"
#include "toolkit/Exceptions.h"
#include "toolkit/NumberText.h"
#include "toolkit/Registry.h"
#include "toolkit/Text.h"

TForm1* Form1;

namespace {

const FormTable<TForm1> form1Table{
    {
        FORM_MEMBER(TForm1, Panela1), FORM_MEMBER(TForm1, Panelb1), FORM_MEMBER(TForm1, Panelc1),
        FORM_MEMBER(TForm1, Paneld1), FORM_MEMBER(TForm1, Panele1), FORM_MEMBER(TForm1, Panelf1),
        FORM_MEMBER(TForm1, Panela2), FORM_MEMBER(TForm1, Panelb2), FORM_MEMBER(TForm1, Panelc2),
        FORM_MEMBER(TForm1, Paneld2), FORM_MEMBER(TForm1, Panele2), FORM_MEMBER(TForm1, Panelf2),
        FORM_MEMBER(TForm1, Panela3), FORM_MEMBER(TForm1, Panelb3), FORM_MEMBER(TForm1, Panelc3),
        FORM_MEMBER(TForm1, Paneld3), FORM_MEMBER(TForm1, Panele3), FORM_MEMBER(TForm1, Panelf3),
        FORM_MEMBER(TForm1, Timer1),
        FORM_MEMBER(TForm1, PopupMenu1), FORM_MEMBER(TForm1, About1), FORM_MEMBER(TForm1, N2),
        FORM_MEMBER(TForm1, Setting1), FORM_MEMBER(TForm1, N3), FORM_MEMBER(TForm1, Zisa),
        FORM_MEMBER(TForm1, Zisa1), FORM_MEMBER(TForm1, Zisa2), FORM_MEMBER(TForm1, N1),
        FORM_MEMBER(TForm1, Tel1), FORM_MEMBER(TForm1, Tel2), FORM_MEMBER(TForm1, N4),
        FORM_MEMBER(TForm1, Kanzan), FORM_MEMBER(TForm1, Tani), FORM_MEMBER(TForm1, Tuka),
        FORM_MEMBER(TForm1, Ondo), FORM_MEMBER(TForm1, N6), FORM_MEMBER(TForm1, Memo),
        FORM_MEMBER(TForm1, Bibou), FORM_MEMBER(TForm1, N7), FORM_MEMBER(TForm1, sankou),
        FORM_MEMBER(TForm1, Kouku), FORM_MEMBER(TForm1, Taisikan),
    },
    {
        FORM_HANDLER(TForm1, Timer1Timer), FORM_HANDLER(TForm1, About1Click),
        FORM_HANDLER(TForm1, Setting1Click), FORM_HANDLER(TForm1, Zisa1Click),
        FORM_HANDLER(TForm1, Zisa2Click), FORM_HANDLER(TForm1, Tel1Click),
        FORM_HANDLER(TForm1, Tel2Click), FORM_HANDLER(TForm1, TaniClick),
        FORM_HANDLER(TForm1, KoukuClick), FORM_HANDLER(TForm1, TaisikanClick),
        FORM_HANDLER(TForm1, TukaClick), FORM_HANDLER(TForm1, OndoClick),
        FORM_HANDLER(TForm1, MemoClick), FORM_HANDLER(TForm1, BibouClick),
        FORM_HANDLER(TForm1, Close1), FORM_HANDLER(TForm1, FormEndSession),
    },
};

} // namespace

TForm1::TForm1(TComponent* Owner) : TForm(Owner)
{
    LoadForm("Main", form1Table);

    TRegIniFile store(SettingsKey);
    startx = store.ReadInteger("startxHV", DefaultStartX);
    starty = store.ReadInteger("startyHV", DefaultStartY);
    for (const CitySlot& slot : CitySlots)
        this->*slot.city = store.ReadString(slot.cityValue, slot.defaultCity);
    for (const CitySlot& slot : CitySlots)
        this->*slot.zisa = store.ReadInteger(slot.zisaValue, slot.defaultZisa);
    for (const CitySlot& slot : CitySlots)
        if (slot.dst)
            this->*slot.dst = store.ReadBool(slot.dstValue, false);

    SetBounds(startx, starty, Width(), Height());
}

void TForm1::About1Click(TObject*)
{
    Form2->Show();
}

void TForm1::Setting1Click(TObject*)
{
    Form3->Show();
}

void TForm1::MemoClick(TObject*)
{
    Form12->Show();
}

void TForm1::BibouClick(TObject*)
{
    Form13->Show();
}

// Closing the board saves both notes, the memo first. A failure shows its
// message and keeps the board open, so that nothing typed is lost.
void TForm1::Close1(TObject*, TCloseAction&)
{
    SaveNotes();
}

// Logging off or shutting down saves the notes as closing the board would,
// but each file on its own: no one is left to read a message, so a memo that
// cannot be written must not cost the travel record its save.
void TForm1::FormEndSession(TObject*)
{
    try {
        SaveMemo(Form12->Memo1->Text());
    } catch (const Exception&) {
    }
    SaveTravelRecord(Form13->FileFields());
}

void TForm1::SaveNotes()
{
    SaveMemo(Form12->Memo1->Text());
    SaveTravelRecord(Form13->FileFields());
}

void TForm1::TukaClick(TObject*)
{
    Form10->Show();
}

void TForm1::OndoClick(TObject*)
{
    Form11->Show();
}

void TForm1::Zisa1Click(TObject*)
{
    Form5->Show();
}

void TForm1::Zisa2Click(TObject*)
{
    Form6->Show();
}

void TForm1::Tel1Click(TObject*)
{
    Form7->Show();
}

void TForm1::Tel2Click(TObject*)
{
    Form8->Show();
}

void TForm1::TaniClick(TObject*)
{
    Form9->Show();
}

void TForm1::KoukuClick(TObject*)
{
    Form14->Show();
}

void TForm1::TaisikanClick(TObject*)
{
    Form15->Show();
}

void TForm1::Timer1Timer(TObject*)
{
    TDateTime today = Date();
    TDateTime now = Time();

    Panela1->SetCaption(citya);
    Panelb1->SetCaption(cityb);
    Panelc1->SetCaption(cityc);
    Paneld1->SetCaption(cityd);
    Panele1->SetCaption(citye);
    Panelf1->SetCaption(cityf);

    dsthb = dstb ? 1 : 0;
    dsthc = dstc ? 1 : 0;
    dsthd = dstd ? 1 : 0;
    dsthe = dste ? 1 : 0;
    dsthf = dstf ? 1 : 0;

    datea = HomeDate(DateToStr(today));
    timea = HomeTime(TimeToStr(now));
    Panela2->SetCaption(datea);
    Panela3->SetCaption(timea);

    ShowSlot(zisab, dsthb, hourb, Panelb2, Panelb3);
    ShowSlot(zisac, dsthc, hourc, Panelc2, Panelc3);
    ShowSlot(zisad, dsthd, hourd, Paneld2, Paneld3);
    ShowSlot(zisae, dsthe, houre, Panele2, Panele3);
    ShowSlot(zisaf, dsthf, hourf, Panelf2, Panelf3);
}

void TForm1::ShowSlot(int zisa, int dsth, std::string& hourText, TPanel* datePanel, TPanel* timePanel)
{
    datePanel->SetCaption(datea);
    houra = Copy(timea, 1, 2);
    // A home hour that is not a number (a time format with the day period in
    // front) stops the tick here; the next tick tries again.
    DayWrap wrapped = WrapDay(StrToInt(houra) + zisa - zisaa + dsth);
    hour = wrapped.hour;
    if (!wrapped.mark.empty())
        datePanel->SetCaption(wrapped.mark);
    hourText = IntToStr(hour);
    timePanel->SetCaption(hourText + Copy(timea, 3, 3));
}
