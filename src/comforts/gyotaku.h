#pragma once

#include "gyotakurecord.h"

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QStringList>

class BrowserPane;
class Form5;
class QLabel;
class QPainter;
class QPushButton;

namespace comforts {

// A 魚拓 is printed on A4 landscape: the lettering on the right (in columns
// in Japanese, in lines in English), the fish on the left drawn to a stated scale with a ruler under it.
constexpr qreal GyotakuPaperWidthMm = 297, GyotakuPaperHeightMm = 210;
constexpr qreal GyotakuLetteringMm = 115; // the right-hand part that the lettering takes
constexpr qreal GyotakuFishMarginMm = 14; // paper left of the fish
constexpr qreal GyotakuFishRoomMm = GyotakuPaperWidthMm - GyotakuLetteringMm - GyotakuFishMarginMm - 4;
constexpr int GyotakuPrintDpi = 300;

// The scale the fish is drawn at, 1 : n: half size up to 32 cm, a third up
// to 49 cm, a quarter above.
int gyotakuScale(int lengthCm);
// How the lettering runs: in columns, right to left, as Japanese is
// brushed; in lines, top to bottom, for a language written left to right.
enum class GyotakuWriting { Columns, Lines };
// The writing of the player's language (its translation says which).
GyotakuWriting gyotakuWriting();

// The lines of lettering in the player's language, in the order they are
// written: the fish and its length, the angler, the raft, the date, then the
// tide and the bait where they are known. Columns take full-width digits.
QStringList gyotakuLines(const GyotakuRecord &record, GyotakuWriting writing = gyotakuWriting());

// One line of lettering placed on the page, in device pixels.
struct GyotakuLetters
{
    QString text;
    QRectF box;       // what it covers: a column is tall, a line is wide
    QPointF origin;   // a column's top centre; a line's top left
    qreal cell = 0;   // a column's step from one character to the next
    QFont font;       // the brush, heavy for the fish and its length
};
struct GyotakuLettering
{
    GyotakuWriting writing = GyotakuWriting::Columns;
    QList<GyotakuLetters> lines; // columns from the right; lines from the top
    QRectF seal;                 // the angler's seal, where the writing ends
};
// The lettering of a print on a page of that size at dpi: columns right to
// left from the top right corner, or lines top to bottom in the same part
// of the paper, each line's face stepped down until it fits the width.
GyotakuLettering gyotakuLettering(const GyotakuRecord &record, const QSize &page, int dpi,
                                  GyotakuWriting writing = gyotakuWriting());

// Paints the print on a page of the given size in device pixels at dpi.
void paintGyotaku(QPainter &painter, const QSize &page, int dpi, const GyotakuRecord &record);
// The print as an image at dpi (A4 landscape).
QImage renderGyotaku(const GyotakuRecord &record, int dpi = GyotakuPrintDpi);
bool saveGyotakuPng(const GyotakuRecord &record, const QString &path);
bool saveGyotakuPdf(const GyotakuRecord &record, const QString &path);

// The keepsake of today's catch and of a saved day (nullopt-like: a record
// of length 0 when the day holds no chinu).
GyotakuRecord gyotakuOfToday(Form5 &form);
GyotakuRecord gyotakuOfSavedDay(BrowserPane &pane);

// The window that shows a 魚拓 with its save and print buttons.
class GyotakuWindow : public QDialog
{
public:
    explicit GyotakuWindow(const GyotakuRecord &record, QWidget *parent = nullptr);
    const GyotakuRecord &record() const { return m_record; }
    // The short line under the buttons that tells where a save went.
    void showSaved(const QString &path);

private:
    void saveAs(bool pdf);
    void print();
    GyotakuRecord m_record;
    QLabel *m_saved = nullptr;
};

// Opens the window for a record, or says that there is no chinu.
void showGyotaku(QWidget *parent, const GyotakuRecord &record);

// The hooks of the screens that offer a 魚拓.
void addGyotakuMenu(Form5 &form);
QPushButton *addGyotakuButton(BrowserPane &pane, QWidget *frame, QRect geometry);

} // namespace comforts
