#pragma once
// The clock board: six places of the world, redrawn once a second.
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

#include <string>

class TForm1 : public TForm {
public:
    TPanel* Panela1;
    TPanel* Panelb1;
    TPanel* Panelc1;
    TPanel* Paneld1;
    TPanel* Panele1;
    TPanel* Panelf1;
    TPanel* Panela2;
    TPanel* Panelb2;
    TPanel* Panelc2;
    TPanel* Paneld2;
    TPanel* Panele2;
    TPanel* Panelf2;
    TPanel* Panela3;
    TPanel* Panelb3;
    TPanel* Panelc3;
    TPanel* Paneld3;
    TPanel* Panele3;
    TPanel* Panelf3;
    TTimer* Timer1;
    TPopupMenu* PopupMenu1;
    TMenuItem *About1, *N2, *Setting1, *N3, *Zisa, *Zisa1, *Zisa2, *N1, *Tel1, *Tel2, *N4, *Kanzan, *Tani, *Tuka,
        *Ondo, *N6, *Memo, *Bibou, *N7, *sankou, *Kouku, *Taisikan;

    void Timer1Timer(TObject* Sender);
    void About1Click(TObject* Sender);
    void Setting1Click(TObject* Sender);
    void Zisa1Click(TObject* Sender);
    void Zisa2Click(TObject* Sender);
    void Tel1Click(TObject* Sender);
    void Tel2Click(TObject* Sender);
    void TaniClick(TObject* Sender);
    void KoukuClick(TObject* Sender);
    void TaisikanClick(TObject* Sender);
    void MemoClick(TObject* Sender);
    void BibouClick(TObject* Sender);
    void Close1(TObject* Sender, TCloseAction& Action);
    void FormEndSession(TObject* Sender);
    void TukaClick(TObject* Sender);
    void OndoClick(TObject* Sender);

    explicit TForm1(TComponent* Owner);

    // The six city slots a to f, slot a the home city; the settings dialog
    // edits them and the next tick shows the change.
    std::string citya, cityb, cityc, cityd, citye, cityf;
    // The working texts of the tick.
    std::string datea;
    std::string timea;
    std::string hourb, hourc, hourd, houre, hourf;
    std::string houra;
    int hour = 0;
    // Hour offsets on one common scale; a slot shows the home time moved by
    // its offset less slot a's.
    int zisaa, zisab, zisac, zisad, zisae, zisaf;
    // 1 while the slot keeps summer time, recomputed at every tick.
    int dsthb = 0, dsthc = 0, dsthd = 0, dsthe = 0, dsthf = 0;
    // The board's saved left and top, screen pixels.
    int startx, starty;
    bool dstb, dstc, dstd, dste, dstf;

private:
    void SaveNotes();
    // Step 7 of the tick for one of slots b to f.
    void ShowSlot(int zisa, int dsth, std::string& hourText, TPanel* datePanel, TPanel* timePanel);
};

extern TForm1* Form1;
