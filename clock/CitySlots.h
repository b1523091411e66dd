#pragma once
// The six city slots a to f: the clock board's members, their store values
// and their factory defaults, in one table for every reader and writer.
#include "Main.h"

struct CitySlot {
    std::string TForm1::*city;
    int TForm1::*zisa;
    bool TForm1::*dst; // nullptr for slot a, the home city, which keeps no summer time
    const char* cityValue;
    const char* zisaValue;
    const char* dstValue;
    const char* defaultCity;
    int defaultZisa;
};

inline const CitySlot CitySlots[6] = {
    {&TForm1::citya, &TForm1::zisaa, nullptr, "cityaHV", "zisaaHV", nullptr, "東京", 0},
    {&TForm1::cityb, &TForm1::zisab, &TForm1::dstb, "citybHV", "zisabHV", "dstbHV", "ロンドン", -9},
    {&TForm1::cityc, &TForm1::zisac, &TForm1::dstc, "citycHV", "zisacHV", "dstcHV", "パリ", -8},
    {&TForm1::cityd, &TForm1::zisad, &TForm1::dstd, "citydHV", "zisadHV", "dstdHV", "ﾆｭｰﾖｰｸ", -14},
    {&TForm1::citye, &TForm1::zisae, &TForm1::dste, "cityeHV", "zisaeHV", "dsteHV", "ｻﾝﾌﾗﾝｼｽｺ", -17},
    {&TForm1::cityf, &TForm1::zisaf, &TForm1::dstf, "cityfHV", "zisafHV", "dstfHV", "シカゴ", -15},
};

// The clock board's place on the screen until the user saves another.
inline constexpr int DefaultStartX = 390;
inline constexpr int DefaultStartY = 360;
