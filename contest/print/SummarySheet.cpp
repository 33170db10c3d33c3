// The summary-sheet layout: band table and figures, entry identity, licensee and station data,
// opinion, oath, date and signature.
#include "print/SummarySheet.h"

#include "common/Cp932.h"
#include "exchange/BandTable.h"
#include "exchange/Scoring.h"
#include "print/SheetFormat.h"

#include <string>

namespace {

using Pen = SheetCanvas::Pen;
using Font = SheetCanvas::Font;

constexpr int kBandRowTop = 375;
constexpr int kBandRowPitch = 48;
constexpr int kTotalsTop = 1210;

// Band table: heading row 298-368, rows down to 1183, totals row to 1272.
constexpr int kTableTop = 298;
constexpr int kHeadingsBottom = 368;
constexpr int kRowsBottom = 1183;
constexpr int kTotalsBottom = 1272;
constexpr int kFirstSeparator = 415;
constexpr int kLastSeparator = 1135;

struct Span {
    int left;
    int right;
};

constexpr Span kBandAndCount{200, 642};
constexpr Span kPoints{689, 910};
constexpr Span kMultipliers{955, 1168};
constexpr int kBandColumnRight = 430;
constexpr int kColumnEdges[] = {430, 642, 689, 910, 955, 1168};

void figure(SheetCanvas& canvas, int x, int y, SheetFigure value, int width) {
    if (!value.isZero()) {
        canvas.text(x, y, sheet_format::figure(value, width));
    }
}

void labelAt(SheetCanvas& canvas, const Font& font, int x, int y, const char* utf8) {
    canvas.selectFont(font);
    canvas.text(x, y, cp932::lit(utf8));
}

void valueAt(SheetCanvas& canvas, const Font& font, int x, int y, const std::string& text) {
    canvas.selectFont(font);
    canvas.text(x, y, text);
}

void drawTexts(SheetCanvas& canvas, const CKorvaneDoc& doc) {
    const Font title{SheetCanvas::gothicFace(), 42, 0, SheetCanvas::kHeavy};
    const Font small{SheetCanvas::minchoFace(), 25, 0, SheetCanvas::kNormal};
    const Font label{SheetCanvas::minchoFace(), 33, 0, SheetCanvas::kNormal};
    const Font value{SheetCanvas::minchoFace(), 33, 0, SheetCanvas::kHeavy};
    const MasterSettings& m = doc.master;
    const ContestSettings& c = doc.contest;

    labelAt(canvas, title, 350, 180, "ＪＡＲＬ主催コンテスト用サマリーシート");
    labelAt(canvas, small, 1648, 130, "整理Ｎｏ．");
    labelAt(canvas, label, 270, 310, "バンド");
    labelAt(canvas, label, 460, 310, "交信局数");
    labelAt(canvas, label, 750, 310, "得  点");
    labelAt(canvas, label, 965, 310, "ﾏﾙﾁﾌﾟﾗｲﾔｰ");
    int y = kBandRowTop;
    for (int band : BandTable::summaryBands()) {
        canvas.text(260, y, BandTable::summaryLabel(band));
        y += kBandRowPitch;
    }
    canvas.text(260, y, BandTable::kExtraSummaryRowLabel);

    labelAt(canvas, label, 1250, 300, "コンテストの名称");
    canvas.fittedText(1250, 370, 670, c.contestName);
    labelAt(canvas, label, 1250, 480, "参加部門および種目など");
    labelAt(canvas, label, 1250, 540, "ｺｰﾄﾞﾅﾝﾊﾞｰ");
    valueAt(canvas, value, 1250, 655, c.categoryCode);
    labelAt(canvas, label, 1580, 540, "名        称");
    canvas.fittedText(1450, 655, 510, c.categoryName);
    labelAt(canvas, label, 1250, 765, "コールサイン");
    valueAt(canvas, value, 1250, 845, m.callSign);
    labelAt(canvas, label, 1250, 925, "運用者のコールサイン");
    labelAt(canvas, small, 1250, 962, "(シングルオペで上記と異なる場合)");
    valueAt(canvas, value, 1250, 1050, m.callSign2);
    labelAt(canvas, label, 1420, 1130, "総得点");
    labelAt(canvas, label, 255, 1210, "合  計");
    labelAt(canvas, label, 915, 1210, "×");
    labelAt(canvas, label, 1185, 1210, "×");
    labelAt(canvas, label, 1350, 1210, "＝");
    labelAt(canvas, small, 1270, 1275, "┗フィールドデーコンテストの場合は、局種係数を記入");

    labelAt(canvas, label, 200, 1350, "連絡先:〒");
    valueAt(canvas, value, 385, 1350, m.postId + " " + m.addr1);
    valueAt(canvas, value, 270, 1432, m.addr2);
    labelAt(canvas, label, 780, 1432, "TEL:");
    valueAt(canvas, value, 870, 1432, m.telNo);
    labelAt(canvas, label, 1370, 1410, "登録クラブ対抗");
    labelAt(canvas, label, 1380, 1465, "登録クラブ");
    labelAt(canvas, label, 1380, 1505, "番      号");
    canvas.fittedText(1580, 1480, 370, m.clubNo);
    labelAt(canvas, label, 1380, 1590, "登録クラブ");
    labelAt(canvas, label, 1380, 1620, "名      称");
    canvas.fittedText(1580, 1580, 370, m.clubName);
    labelAt(canvas, label, 200, 1510, "局免許者の氏名(社団の名称)：");
    valueAt(canvas, value, 750, 1510, m.name);
    labelAt(canvas, label, 200, 1590, "E-mail:");
    valueAt(canvas, value, 320, 1590, m.email);
    labelAt(canvas, label, 200, 1680, "局免許者の無線従事者資格：");
    valueAt(canvas, value, 660, 1680, m.sikaku);

    labelAt(canvas, label, 205, 1795, "コンテスト中使用した");
    labelAt(canvas, label, 205, 1845, "最大空中線電力：");
    labelAt(canvas, label, 895, 1795, "□定格出力");
    labelAt(canvas, label, 895, 1845, "□実測出力");
    valueAt(canvas, value, 490, 1845, m.power + " " + cp932::lit("Ｗ"));
    labelAt(canvas, small, 907, m.pwrType == 0 ? 1797 : 1847, "ﾚ");
    labelAt(canvas, label, 1150, 1765, "運 用 地：");
    labelAt(canvas, small, 1175, 1810, "(連絡先と同一の場合は記入不要)");
    canvas.fittedText(1330, 1765, 620, m.moveName);
    labelAt(canvas, label, 1150, 1845, "使用電源：");
    canvas.fittedText(1330, 1845, 620, m.moveP);
    labelAt(canvas, label, 205, 1925,
            "使用した設備（リグ名称（自作の場合は終段管名称・個数）、空中線）：");
    // All four equipment lines fit 620 units, although the lower three have longer underlines.
    canvas.fittedText(1330, 1925, 620, m.setubi[0]);
    canvas.fittedText(290, 1985, 620, m.setubi[1]);
    canvas.fittedText(290, 2055, 620, m.setubi[2]);
    canvas.fittedText(290, 2120, 620, m.setubi[3]);

    labelAt(canvas, label, 205, 2200,
            "意見（マルチオペ、ゲストオペの場合は、運用者のコールサイン（氏名）および無線従事者"
            "の資格を記入する）");
    canvas.selectFont(value);
    canvas.wrappedText(290, 2290, 90, 70, c.opinionText);
    canvas.selectFont(label);
    canvas.wrappedText(205, 2510, 100, 40, c.oathText);
    canvas.selectFont(value);
    canvas.today(300, 2640);
    labelAt(canvas, label, 800, 2640, "局免許者(社団の代表者)の署名");
    labelAt(canvas, label, 1910, 2640, "印");
}

// The count, points and multiplier columns share their top, heading and bottom rules.
void columnRules(SheetCanvas& canvas, Span span, bool withTotalBox) {
    for (int y : {kTableTop, kHeadingsBottom, kRowsBottom}) {
        canvas.line(Pen::Thin, span.left, y, span.right, y);
    }
    if (withTotalBox) {
        canvas.line(Pen::Thin, span.left, kTotalsBottom, span.right, kTotalsBottom);
    }
}

void drawRules(SheetCanvas& canvas) {
    columnRules(canvas, kBandAndCount, false);
    for (int y = kFirstSeparator; y <= kLastSeparator; y += kBandRowPitch) {
        canvas.line(Pen::Thin, kBandAndCount.left, y, kBandColumnRight, y);
        canvas.line(Pen::Dotted, kBandColumnRight, y, kBandAndCount.right, y);
    }
    canvas.line(Pen::Thin, kBandColumnRight, kTotalsBottom, kBandAndCount.right, kTotalsBottom);
    for (Span span : {kPoints, kMultipliers}) {
        columnRules(canvas, span, true);
        for (int y = kFirstSeparator; y <= kLastSeparator; y += kBandRowPitch) {
            canvas.line(Pen::Dotted, span.left, y, span.right, y);
        }
    }
    canvas.line(Pen::Thin, kBandAndCount.left, kTableTop, kBandAndCount.left, kRowsBottom);
    for (int x : kColumnEdges) {
        canvas.line(Pen::Thin, x, kTableTop, x, kTotalsBottom);
    }

    canvas.frame(Pen::Dotted, 1650, 171, 1950, 260); // 整理Ｎｏ．
    canvas.frame(Pen::Thick, 1235, 340, 1950, 445);  // contest name
    canvas.frame(Pen::Thin, 1235, 524, 1950, 729);   // category
    canvas.line(Pen::Thin, 1235, 598, 1950, 598);
    canvas.line(Pen::Thin, 1440, 524, 1440, 729);
    canvas.frame(Pen::Thin, 1235, 806, 1950, 902);    // call sign
    canvas.frame(Pen::Thin, 1235, 1010, 1810, 1108);  // operator's call sign
    canvas.frame(Pen::Thin, 1235, 1183, 1315, 1271);  // coefficient
    canvas.frame(Pen::Thick, 1402, 1183, 1950, 1271); // total score

    canvas.line(Pen::Thin, 388, 1400, 1325, 1400);   // address, first line
    canvas.line(Pen::Thin, 270, 1480, 750, 1480);    // address, second line
    canvas.line(Pen::Thin, 875, 1480, 1325, 1480);   // telephone
    canvas.line(Pen::Thin, 750, 1558, 1325, 1558);   // name
    canvas.line(Pen::Thin, 325, 1635, 1325, 1635);   // e-mail
    canvas.line(Pen::Thin, 660, 1722, 1325, 1722);   // licence class
    canvas.frame(Pen::Thin, 1370, 1460, 1950, 1695); // club
    canvas.line(Pen::Thin, 1370, 1548, 1950, 1548);
    canvas.line(Pen::Thin, 1571, 1460, 1571, 1695);
    canvas.line(Pen::Thin, 465, 1880, 1070, 1880); // power
    for (int y : {1810, 1880, 1970}) {             // location, power source, equipment 1
        canvas.line(Pen::Thin, 1330, y, 1950, y);
    }
    for (int y : {2040, 2110, 2180, 2320, 2390, 2460}) { // equipment 2 to 4, opinion
        canvas.line(Pen::Thin, 290, y, 1950, y);
    }
    canvas.line(Pen::Thin, 1320, 2690, 1950, 2690); // signature
}

void drawFigures(SheetCanvas& canvas, const CKorvaneDoc& doc) {
    const Scoring scoring(doc.contest.rules, doc.results);
    int y = kBandRowTop;
    for (int band : BandTable::summaryBands()) {
        figure(canvas, 450, y, scoring.count(band), 10);
        figure(canvas, 700, y, scoring.points(band), 10);
        figure(canvas, 960, y, scoring.multipliers(band), 10);
        y += kBandRowPitch;
    }
    if (!scoring.totalsShown()) {
        return;
    }
    figure(canvas, 450, kTotalsTop, scoring.totalCount(), 10);
    figure(canvas, 700, kTotalsTop, scoring.totalPoints(), 10);
    figure(canvas, 960, kTotalsTop, scoring.totalMultipliers(), 10);
    if (scoring.coefficientPrinted()) {
        figure(canvas, 1270, kTotalsTop, scoring.coefficient(), 0);
    }
    if (scoring.scoreShown()) {
        figure(canvas, 1420, kTotalsTop, scoring.score(), 20);
    }
}

} // namespace

void SummarySheet::draw(SheetCanvas& canvas, const CKorvaneDoc& doc) {
    const Font previous = canvas.currentFont();
    drawTexts(canvas, doc);
    drawRules(canvas);
    canvas.selectFont(Font{SheetCanvas::minchoFace(), 33, 0, SheetCanvas::kHeavy});
    drawFigures(canvas, doc);
    canvas.selectFont(previous);
}
