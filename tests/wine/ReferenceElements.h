#pragma once
// What the reference tables and the About window show: every window, and every
// element of it in the order it is declared. The hour cells of the two
// time-difference tables follow one rule and are checked against it in
// TimeTableTest.cpp; they are not listed here.
#include "toolkit/Graphics.h"

#include <vector>

namespace reference {

enum class Kind { Cell, Label, Rule, Button };

struct Element {
    const char* parent; // "" for the window itself
    const char* name;
    Kind kind;
    int left, top;
    int width, height; // 0 for a free text, whose size follows its text
    TColor fill;       // a cell's colour; 0 where there is none
    TColor ink;        // the text colour; 0 for the rule
    int fontHeight;    // character height in pixels; 0 for the rule
    bool bold;
    const char* caption;
};

struct Window {
    const char* name;
    const char* caption;
    int width, height;
    bool centred;
    int left, top; // the designed screen position of a window that is not centred
    int cellsByRule;
    std::vector<Element> elements;
};

constexpr TColor lime = 0x00FF00, aqua = 0xFFFF00, yellow = 0x00FFFF, blue = 0xFF0000;
constexpr TColor ink = clWindowText;
constexpr Kind cell = Kind::Cell, label = Kind::Label, rule = Kind::Rule, button = Kind::Button;

// The two time-difference tables differ only in their title and hour cells.
inline const std::vector<Element>& TimeTableElements()
{
    static const std::vector<Element> elements = {
        {"", "Panel1", cell, 0, 0, 49, 17, lime, ink, 11, false, "日  本"},
        {"", "Panel14", cell, 48, 0, 49, 17, lime, ink, 11, false, "ﾆｭｰﾖｰｸ"},
        {"", "Panel27", cell, 96, 0, 49, 17, lime, ink, 11, false, "シカゴ"},
        {"", "Panel40", cell, 144, 0, 49, 17, lime, ink, 11, false, "ﾛｻﾝｾﾞﾙｽ"},
        {"", "Panel53", cell, 192, 0, 49, 17, lime, ink, 11, false, "ロンドン"},
        {"", "Panel66", cell, 240, 0, 49, 17, lime, ink, 11, false, "パリ"},
        {"", "Panel79", cell, 0, 216, 105, 17, aqua, ink, 11, false, "日本時間に対し当日"},
        {"", "Panel80", cell, 112, 216, 105, 17, yellow, ink, 11, false, "日本時間に対し前日"},
        {"", "Button1", button, 224, 216, 65, 25, 0, ink, 12, false, "閉じる"},
    };
    return elements;
}

inline const std::vector<Window>& Windows()
{
    static const std::vector<Window> windows = {
        {"Form5", "時差早見表", 298, 273, true, 0, 0, 72, TimeTableElements()},
        {"Form6", "時差早見表（DST: サマータイム）", 298, 273, true, 0, 0, 72, TimeTableElements()},
        {"Form7", "国際電話のかけ方", 298, 368, true, 0, 0, 0,
         {
             {"", "Label3", label, 152, 280, 0, 0, 0, ink, 11, false, "*日本の場合、市外局番の"},
             {"", "Label4", label, 152, 296, 0, 0, 0, ink, 11, false, "  『0』を除く"},
             {"", "Label5", label, 152, 312, 0, 0, 0, ink, 11, false, "*電話番号は変更される"},
             {"", "Label6", label, 152, 328, 0, 0, 0, ink, 11, false, "  可能性があります"},
             {"", "Panel1", cell, 0, 0, 289, 41, yellow, ink, 12, false,
              "国際識別番号 － 国番号 － 市外局番 － 電話番号"},
             {"Panel1", "Label1", label, 8, 26, 0, 0, 0, ink, 11, false, "（自分のいる国）"},
             {"Panel1", "Label2", label, 98, 26, 0, 0, 0, ink, 11, false, "（相手の国）"},
             {"", "Panel54", cell, 0, 40, 73, 25, aqua, ink, 12, false, "日本→米国"},
             {"", "Panel55", cell, 72, 40, 217, 25, yellow, ink, 12, false, "001-1-（市外局番）-（電話番号）"},
             {"", "Panel56", cell, 0, 64, 73, 25, aqua, ink, 12, false, "米国→日本"},
             {"", "Panel57", cell, 72, 64, 217, 25, yellow, ink, 12, false, "011-81-（市外局番*）-（電話番号）"},
             {"", "Panel2", cell, 0, 96, 137, 17, lime, ink, 12, false, "国際電話識別番号"},
             {"", "Panel3", cell, 0, 112, 57, 81, aqua, ink, 12, false, "日本"},
             {"", "Panel4", cell, 56, 112, 81, 17, yellow, ink, 12, false, "001"},
             {"", "Panel5", cell, 56, 128, 81, 17, yellow, ink, 12, false, "0041"},
             {"", "Panel6", cell, 56, 144, 81, 17, yellow, ink, 12, false, "0061"},
             {"", "Panel7", cell, 56, 160, 81, 17, yellow, ink, 12, false, "0078"},
             {"", "Panel8", cell, 0, 192, 57, 17, aqua, ink, 12, false, "アメリカ"},
             {"", "Panel9", cell, 56, 176, 81, 17, yellow, ink, 12, false, "0033"},
             {"", "Panel10", cell, 56, 192, 81, 17, yellow, ink, 12, false, "011"},
             {"", "Panel11", cell, 0, 208, 57, 17, aqua, ink, 12, false, "グアム"},
             {"", "Panel12", cell, 56, 208, 81, 17, yellow, ink, 12, false, "011"},
             {"", "Panel13", cell, 0, 224, 57, 17, aqua, ink, 12, false, "イギリス"},
             {"", "Panel14", cell, 56, 224, 81, 17, yellow, ink, 12, false, "00"},
             {"", "Panel15", cell, 0, 240, 57, 17, aqua, ink, 12, false, "フランス"},
             {"", "Panel16", cell, 56, 240, 81, 17, yellow, ink, 12, false, "00"},
             {"", "Panel17", cell, 0, 256, 57, 17, aqua, ink, 12, false, "ドイツ"},
             {"", "Panel18", cell, 56, 256, 81, 17, yellow, ink, 12, false, "00"},
             {"", "Panel19", cell, 0, 272, 57, 17, aqua, ink, 12, false, "ｵｰｽﾄﾗﾘｱ"},
             {"", "Panel20", cell, 56, 272, 81, 17, yellow, ink, 12, false, "0011"},
             {"", "Panel21", cell, 0, 288, 57, 17, aqua, ink, 12, false, "中国"},
             {"", "Panel22", cell, 56, 288, 81, 17, yellow, ink, 12, false, "00"},
             {"", "Panel23", cell, 0, 304, 57, 17, aqua, ink, 12, false, "台湾"},
             {"", "Panel24", cell, 56, 304, 81, 17, yellow, ink, 12, false, "002"},
             {"", "Panel25", cell, 152, 96, 137, 17, lime, ink, 12, false, "国番号"},
             {"", "Panel26", cell, 152, 112, 57, 17, aqua, ink, 12, false, "日本"},
             {"", "Panel27", cell, 208, 112, 81, 17, yellow, ink, 12, false, "81"},
             {"", "Panel28", cell, 152, 128, 57, 17, aqua, ink, 12, false, "アメリカ"},
             {"", "Panel29", cell, 208, 128, 81, 17, yellow, ink, 12, false, "1"},
             {"", "Panel30", cell, 152, 144, 57, 17, aqua, ink, 12, false, "グアム"},
             {"", "Panel31", cell, 208, 144, 81, 17, yellow, ink, 12, false, "671"},
             {"", "Panel32", cell, 152, 160, 57, 17, aqua, ink, 12, false, "イギリス"},
             {"", "Panel33", cell, 208, 160, 81, 17, yellow, ink, 12, false, "44"},
             {"", "Panel34", cell, 152, 176, 57, 17, aqua, ink, 12, false, "フランス"},
             {"", "Panel35", cell, 208, 176, 81, 17, yellow, ink, 12, false, "33"},
             {"", "Panel36", cell, 152, 192, 57, 17, aqua, ink, 12, false, "ドイツ"},
             {"", "Panel37", cell, 208, 192, 81, 17, yellow, ink, 12, false, "49"},
             {"", "Panel38", cell, 152, 208, 57, 17, aqua, ink, 12, false, "ｵｰｽﾄﾗﾘｱ"},
             {"", "Panel39", cell, 208, 208, 81, 17, yellow, ink, 12, false, "61"},
             {"", "Panel40", cell, 152, 224, 57, 17, aqua, ink, 12, false, "中国"},
             {"", "Panel41", cell, 208, 224, 81, 17, yellow, ink, 12, false, "86"},
             {"", "Panel42", cell, 152, 240, 57, 17, aqua, ink, 12, false, "台湾"},
             {"", "Panel43", cell, 208, 240, 81, 17, yellow, ink, 12, false, "886"},
             {"", "Panel44", cell, 152, 256, 57, 17, aqua, ink, 12, false, "香港"},
             {"", "Panel45", cell, 208, 256, 81, 17, yellow, ink, 12, false, "852"},
             {"", "Panel52", cell, 0, 320, 57, 17, aqua, ink, 12, false, "香港"},
             {"", "Panel53", cell, 56, 320, 81, 17, yellow, ink, 12, false, "001"},
         }},
        {"Form8", "国際電話のかけ方－２", 298, 228, false, 249, 204, 0,
         {
             {"", "Panel1", cell, 0, 0, 289, 49, yellow, ink, 12, false,
              "ｽｰﾊﾟｰﾀﾞｲﾚｸﾄｼﾞｬﾊﾟﾝ 番号→ カード番号＃， 暗証番号＃"},
             {"Panel1", "Label1", label, 152, 34, 0, 0, 0, ink, 12, false, "→ 市外局番＋電話番号＃"},
             {"Panel1", "Label2", label, 5, 5, 0, 0, 0, blue, 12, true, "海外から日本へ"},
             {"", "Panel2", cell, 0, 48, 289, 17, lime, ink, 12, false, "KDDスーパーダイレクトジャパン番号"},
             {"", "Panel3", cell, 0, 64, 49, 49, aqua, ink, 12, false, "アメリカ"},
             {"", "Panel4", cell, 48, 64, 97, 17, yellow, ink, 12, false, "1-800-433-0081"},
             {"", "Panel5", cell, 48, 80, 97, 17, yellow, ink, 12, false, "1-800-753-0055"},
             {"", "Panel6", cell, 48, 96, 97, 17, yellow, ink, 12, false, "1-800-659-0055"},
             {"", "Panel8", cell, 144, 64, 57, 17, aqua, ink, 12, false, "イギリス"},
             {"", "Panel9", cell, 200, 64, 89, 17, yellow, ink, 12, false, "0800-89-0181"},
             {"", "Panel10", cell, 144, 80, 57, 17, aqua, ink, 12, false, "フランス"},
             {"", "Panel11", cell, 200, 80, 89, 17, yellow, ink, 12, false, "0800-99-0281"},
             {"", "Panel12", cell, 144, 96, 57, 17, aqua, ink, 12, false, "ドイツ"},
             {"", "Panel13", cell, 200, 96, 89, 17, yellow, ink, 12, false, "0800-180-0981"},
             {"", "Panel14", cell, 0, 112, 49, 17, aqua, ink, 12, false, "中国"},
             {"", "Panel15", cell, 48, 112, 97, 17, yellow, ink, 12, false, "108-810"},
             {"", "Panel16", cell, 0, 128, 49, 17, aqua, ink, 12, false, "香港"},
             {"", "Panel17", cell, 48, 128, 97, 17, yellow, ink, 12, false, "800-96-1081"},
             {"", "Panel18", cell, 144, 112, 57, 17, aqua, ink, 12, false, "ｵｰｽﾄﾗﾘｱ"},
             {"", "Panel19", cell, 200, 112, 89, 17, yellow, ink, 12, false, "1800-881-811"},
             {"", "Panel20", cell, 144, 128, 57, 17, aqua, ink, 12, false, "台湾"},
             {"", "Panel21", cell, 200, 128, 89, 17, yellow, ink, 12, false, "0080-81-0055"},
             {"", "Panel7", cell, 0, 152, 289, 49, yellow, ink, 12, false,
              "0055 → カード番号＃， 暗証番号＃→"
              "                     "}, // 21 blanks
             {"Panel7", "Label3", label, 160, 34, 0, 0, 0, ink, 12, false, "市外局番＋電話番号＃"},
             {"Panel7", "Label4", label, 5, 5, 0, 0, 0, blue, 12, true, "日本から海外へ"},
         }},
        {"Form9", "単位換算表", 298, 332, true, 0, 0, 0,
         {
             {"", "Panel21", cell, 0, 0, 289, 17, lime, ink, 12, false, "長さ"},
             {"", "Panel1", cell, 0, 16, 145, 17, yellow, ink, 12, false, "1フィート ＝約 30.5 cm"},
             {"", "Panel2", cell, 0, 32, 145, 17, yellow, ink, 12, false, "1インチ ＝約 2.5 cm"},
             {"", "Panel3", cell, 0, 48, 145, 17, yellow, ink, 12, false, "1ヤード ＝約 0.914 m"},
             {"", "Panel4", cell, 0, 64, 145, 17, yellow, ink, 12, false, "1マイル ＝約 1.609 km"},
             {"", "Panel5", cell, 144, 16, 145, 17, yellow, ink, 12, false, "1 m ＝約 3.281フィート"},
             {"", "Panel6", cell, 144, 32, 145, 17, yellow, ink, 12, false, "1cm ＝約 0.3937インチ"},
             {"", "Panel7", cell, 144, 48, 145, 17, yellow, ink, 12, false, "1 m ＝約 1.094ヤード"},
             {"", "Panel8", cell, 144, 64, 145, 17, yellow, ink, 12, false, "1km ＝約 0.621マイル"},
             {"", "Panel22", cell, 0, 80, 289, 17, lime, ink, 12, false, "体積"},
             {"", "Panel9", cell, 144, 96, 145, 17, yellow, ink, 12, false, "1ﾘｯﾄﾙ ＝約 0.264ｶﾞﾛﾝ"},
             {"", "Panel10", cell, 0, 96, 145, 17, yellow, ink, 12, false, "1ｶﾞﾛﾝ ＝約 3.785ﾘｯﾄﾙ"},
             {"", "Panel11", cell, 144, 112, 145, 17, yellow, ink, 12, false, "1ﾘｯﾄﾙ ＝約 1.056ｸｫｰﾄ"},
             {"", "Panel12", cell, 0, 112, 145, 17, yellow, ink, 12, false, "1ｸｫｰﾄ ＝約 0.946ﾘｯﾄﾙ"},
             {"", "Panel23", cell, 0, 128, 289, 17, lime, ink, 12, false, "重さ"},
             {"", "Panel13", cell, 0, 144, 145, 17, yellow, ink, 12, false, "1ｵﾝｽ ＝約 28.349 g"},
             {"", "Panel14", cell, 144, 144, 145, 17, yellow, ink, 12, false, "1 g ＝約 0.035ｵﾝｽ"},
             {"", "Panel15", cell, 0, 160, 145, 17, yellow, ink, 12, false, "1ｵﾝｽ ＝約 0.028 kg"},
             {"", "Panel16", cell, 144, 160, 145, 17, yellow, ink, 12, false, "1kg ＝約 35.274ｵﾝｽ"},
             {"", "Panel17", cell, 0, 176, 145, 17, yellow, ink, 12, false, "1ﾎﾟﾝﾄﾞ ＝約 453.592 g"},
             {"", "Panel18", cell, 144, 176, 145, 17, yellow, ink, 12, false, "1 g ＝約 0.002ﾎﾟﾝﾄﾞ"},
             {"", "Panel19", cell, 0, 192, 145, 17, yellow, ink, 12, false, "1ﾎﾟﾝﾄﾞ ＝約 0.453 kg"},
             {"", "Panel20", cell, 144, 192, 145, 17, yellow, ink, 12, false, "1kg ＝約 2.205ﾎﾟﾝﾄﾞ"},
             {"", "Panel24", cell, 0, 208, 289, 17, lime, ink, 12, false, "温度"},
             {"", "Panel25", cell, 0, 224, 289, 17, yellow, ink, 12, false, "華氏（F） ＝摂氏（℃）×1.8+32"},
             {"", "Panel26", cell, 0, 240, 289, 17, yellow, ink, 12, false, "摂氏（℃） ＝（華氏（F）‐32）/1.8"},
             {"", "Panel27", cell, 0, 256, 289, 49, yellow, ink, 12, false, ""},
             {"Panel27", "Label1", label, 240, 6, 0, 0, 0, ink, 11, false, "華氏（F)"},
             {"Panel27", "Label2", label, 240, 30, 0, 0, 0, ink, 11, false, "摂氏（℃)"},
             {"Panel27", "Bevel1", rule, 8, 22, 265, 3, 0, 0, 0, false, ""},
             {"Panel27", "Label3", label, 88, 6, 0, 0, 0, ink, 11, false, "90"},
             {"Panel27", "Label4", label, 144, 6, 0, 0, 0, ink, 11, false, "110"},
             {"Panel27", "Label5", label, 112, 6, 0, 0, 0, ink, 11, false, "100"},
             {"Panel27", "Label6", label, 80, 30, 0, 0, 0, ink, 11, false, "30"},
             {"Panel27", "Label7", label, 22, 30, 0, 0, 0, ink, 11, false, "0"},
             {"Panel27", "Label8", label, 128, 30, 0, 0, 0, ink, 11, false, "40"},
             {"Panel27", "Label9", label, 216, 30, 0, 0, 0, ink, 11, false, "100"},
             {"Panel27", "Label10", label, 8, 6, 0, 0, 0, ink, 11, false, "30"},
             {"Panel27", "Label11", label, 208, 6, 0, 0, 0, ink, 11, false, "200"},
         }},
        {"Form14", "主要航空会社", 298, 220, true, 0, 0, 0,
         {
             {"", "Panel45", cell, 0, 0, 33, 17, lime, ink, 12, false, "略号"},
             {"", "Panel46", cell, 32, 0, 97, 17, lime, ink, 12, false, "航空会社"},
             {"", "Panel47", cell, 128, 0, 81, 17, lime, ink, 12, false, "成  田"},
             {"", "Panel48", cell, 208, 0, 81, 17, lime, ink, 12, false, "関  空"},
             {"", "Panel1", cell, 0, 16, 33, 17, aqua, ink, 12, false, "AAL"},
             {"", "Panel2", cell, 32, 16, 97, 17, aqua, ink, 12, false, "アメリカ航空"},
             {"", "Panel3", cell, 128, 16, 81, 17, yellow, ink, 12, false, "03-3214-2111"},
             {"", "Panel4", cell, 0, 32, 33, 17, aqua, ink, 12, false, "AFR"},
             {"", "Panel5", cell, 32, 32, 97, 17, aqua, ink, 12, false, "エールフランス"},
             {"", "Panel6", cell, 128, 32, 81, 17, yellow, ink, 12, false, " 0476-32-7710"},
             {"", "Panel7", cell, 0, 48, 33, 17, aqua, ink, 12, false, "BAW"},
             {"", "Panel8", cell, 32, 48, 97, 17, aqua, ink, 12, false, "ﾌﾞﾘﾃｨｼｭ・ｴｱｳｴｲｽﾞ"},
             {"", "Panel9", cell, 128, 48, 81, 17, yellow, ink, 12, false, "0476-32-7222"},
             {"", "Panel10", cell, 0, 64, 33, 17, aqua, ink, 12, false, "CPA"},
             {"", "Panel11", cell, 32, 64, 97, 17, aqua, ink, 12, false, "ｷｬｾｲﾊﾟｼﾌｨｯｸ"},
             {"", "Panel12", cell, 128, 64, 81, 17, yellow, ink, 12, false, " 0476-32-7650"},
             {"", "Panel13", cell, 0, 80, 33, 17, aqua, ink, 12, false, "KAL"},
             {"", "Panel14", cell, 32, 80, 97, 17, aqua, ink, 12, false, "大韓航空"},
             {"", "Panel15", cell, 128, 80, 81, 17, yellow, ink, 12, false, " 0476-32-7561"},
             {"", "Panel16", cell, 0, 96, 33, 17, aqua, ink, 12, false, "KLM"},
             {"", "Panel17", cell, 32, 96, 97, 17, aqua, ink, 12, false, "KLMｵﾗﾝﾀﾞ航空"},
             {"", "Panel18", cell, 128, 96, 81, 17, yellow, ink, 12, false, " 0476-32-5720"},
             {"", "Panel19", cell, 0, 112, 33, 17, aqua, ink, 12, false, "NWA"},
             {"", "Panel20", cell, 32, 112, 97, 17, aqua, ink, 12, false, "ﾉｰｽｳｴｽﾄ航空"},
             {"", "Panel21", cell, 128, 112, 81, 17, yellow, ink, 12, false, " 0476-32-7411"},
             {"", "Panel22", cell, 0, 128, 33, 17, aqua, ink, 12, false, "SIA"},
             {"", "Panel23", cell, 32, 128, 97, 17, aqua, ink, 12, false, "ｼﾝｶﾞﾎﾟｰﾙ航空"},
             {"", "Panel24", cell, 128, 128, 81, 17, yellow, ink, 12, false, "0476-32-7591"},
             {"", "Panel25", cell, 0, 144, 33, 17, aqua, ink, 12, false, "ULA"},
             {"", "Panel26", cell, 32, 144, 97, 17, aqua, ink, 12, false, "ﾕﾅｲﾃｨﾄﾞ航空"},
             {"", "Panel27", cell, 128, 144, 81, 17, yellow, ink, 12, false, "0120-114-466"},
             {"", "Panel28", cell, 0, 160, 33, 17, aqua, ink, 12, false, "JAL"},
             {"", "Panel29", cell, 32, 160, 97, 17, aqua, ink, 12, false, "日本航空"},
             {"", "Panel30", cell, 128, 160, 81, 17, yellow, ink, 12, false, "0120-25-5931"},
             {"", "Panel31", cell, 0, 176, 33, 17, aqua, ink, 12, false, "ANA"},
             {"", "Panel32", cell, 32, 176, 97, 17, aqua, ink, 12, false, "全日空"},
             {"", "Panel33", cell, 128, 176, 81, 17, yellow, ink, 12, false, "0120-029-333"},
             {"", "Panel34", cell, 208, 16, 81, 17, yellow, ink, 12, false, "0120-000-860"},
             {"", "Panel35", cell, 208, 32, 81, 17, yellow, ink, 12, false, "06-6641-1271"},
             {"", "Panel36", cell, 208, 48, 81, 17, yellow, ink, 12, false, "03-3593-8811"},
             {"", "Panel37", cell, 208, 64, 81, 17, yellow, ink, 12, false, "06-6245-6731"},
             {"", "Panel38", cell, 208, 80, 81, 17, yellow, ink, 12, false, "06-6264-3311"},
             {"", "Panel39", cell, 208, 96, 81, 17, yellow, ink, 12, false, "06-6345-6691"},
             {"", "Panel40", cell, 208, 112, 81, 17, yellow, ink, 12, false, "03-3533-6000"},
             {"", "Panel41", cell, 208, 128, 81, 17, yellow, ink, 12, false, "03-3213-3431"},
             {"", "Panel42", cell, 208, 144, 81, 17, yellow, ink, 12, false, "03-3817-4411"},
             {"", "Panel43", cell, 208, 160, 81, 17, yellow, ink, 12, false, "06-6223-2345"},
             {"", "Panel44", cell, 208, 176, 81, 17, yellow, ink, 12, false, "06-6372-1212"},
         }},
        {"Form15", "日本の在外公館", 298, 238, true, 0, 0, 0,
         {
             {"", "Panel1", cell, 0, 0, 145, 17, aqua, ink, 12, false, "在アメリカ大使館"},
             {"", "Panel12", cell, 144, 0, 145, 17, yellow, ink, 12, false, "(1-202) 238-6700"},
             {"", "Panel23", cell, 0, 16, 145, 17, aqua, ink, 12, false, "在ﾆｭｰﾖｰｸ総領事館"},
             {"", "Panel24", cell, 0, 32, 145, 17, aqua, ink, 12, false, "在ｻﾝﾌﾗﾝｼｽｺ総領事館"},
             {"", "Panel25", cell, 144, 16, 145, 17, yellow, ink, 12, false, "(1-212) 371-8222"},
             {"", "Panel26", cell, 144, 32, 145, 17, yellow, ink, 12, false, "(1-415) 777-3533"},
             {"", "Panel10", cell, 0, 48, 145, 17, aqua, ink, 12, false, "在ホノルル総領事館"},
             {"", "Panel2", cell, 0, 64, 145, 17, aqua, ink, 12, false, "在カナダ大使館"},
             {"", "Panel3", cell, 0, 80, 145, 17, aqua, ink, 12, false, "在イギリス大使館"},
             {"", "Panel4", cell, 0, 96, 145, 17, aqua, ink, 12, false, "在フランス大使館"},
             {"", "Panel5", cell, 0, 112, 145, 17, aqua, ink, 12, false, "在ドイツ大使館"},
             {"", "Panel6", cell, 0, 128, 145, 17, aqua, ink, 12, false, "在イタリア大使館"},
             {"", "Panel7", cell, 0, 144, 145, 17, aqua, ink, 12, false, "在オーストラリア大使館"},
             {"", "Panel8", cell, 0, 160, 145, 17, aqua, ink, 12, false, "在中華人民共和国大使館"},
             {"", "Panel9", cell, 0, 176, 145, 17, aqua, ink, 12, false, "在上海総領事館"},
             {"", "Panel11", cell, 0, 192, 145, 17, aqua, ink, 12, false, "在香港総領事館"},
             {"", "Panel21", cell, 144, 48, 145, 17, yellow, ink, 12, false, "(1-808) 543-3111"},
             {"", "Panel13", cell, 144, 64, 145, 17, yellow, ink, 12, false, "(1-613) 241-8541"},
             {"", "Panel14", cell, 144, 80, 145, 17, yellow, ink, 12, false, "(44-171） 465-6500"},
             {"", "Panel15", cell, 144, 96, 145, 17, yellow, ink, 12, false, "(33-1） 4888-6200"},
             {"", "Panel16", cell, 144, 112, 145, 17, yellow, ink, 12, false, "(49-30） 210940"},
             {"", "Panel17", cell, 144, 128, 145, 17, yellow, ink, 12, false, "(39） 06487991"},
             {"", "Panel18", cell, 144, 144, 145, 17, yellow, ink, 12, false, "(61-2) 6273-3244"},
             {"", "Panel19", cell, 144, 160, 145, 17, yellow, ink, 12, false, "(86-10) 6532-2361"},
             {"", "Panel20", cell, 144, 176, 145, 17, yellow, ink, 12, false, "(86-21) 6278-0788"},
             {"", "Panel22", cell, 144, 192, 145, 17, yellow, ink, 12, false, "(852) 25221184"},
         }},
        {"Form2", "このソフトに関して", 338, 371, true, 0, 0, 0,
         {
             {"", "Label1", label, 8, 8, 0, 0, 0, blue, 16, true, "Horavel"},
             {"", "Label2", label, 8, 32, 0, 0, 0, blue, 11, true, " V1.1  2000.01.15"},
             {"", "Label3", label, 8, 200, 0, 0, 0, ink, 12, false,
              "参考情報等に関しては、ホームページ等の情報で調べた情報"},
             {"", "Label4", label, 8, 216, 0, 0, 0, ink, 12, false, "ですが必ず最新の情報を確認の上、ご利用ください。"},
             {"", "Label5", label, 8, 240, 0, 0, 0, ink, 12, false,
              "なお、メモや備忘録のデータは『Windows』フォルダの下の"},
             {"", "Label6", label, 8, 256, 0, 0, 0, ink, 12, false,
              "『HRVmemo1.txt』、『HRVmemo2.txt』というファイルに登録"},
             {"", "Label7", label, 8, 272, 0, 0, 0, ink, 12, false,
              "されます。データをPCから消去したい場合や、何らかの事情"},
             {"", "Label8", label, 8, 288, 0, 0, 0, ink, 12, false,
              "でファイルが壊れてソフトの動作がおかしい場合など、この"},
             {"", "Label9", label, 8, 304, 0, 0, 0, ink, 12, false, "ファイルを消去してください。"},
             {"", "Button1", button, 264, 312, 57, 25, 0, ink, 12, false, "閉じる"},
         }},
    };
    return windows;
}

} // namespace reference
