#pragma once

#include "gyotakurecord.h"

#include <QDialog>
#include <QImage>
#include <QRect>
#include <QStringList>

class BrowserPane;
class Form5;
class QLabel;
class QPainter;
class QPushButton;

namespace comforts {

// A 魚拓 is printed on A4 landscape: the lettering in columns on the right,
// the fish on the left drawn to a stated scale with a ruler under it.
constexpr qreal GyotakuPaperWidthMm = 297, GyotakuPaperHeightMm = 210;
constexpr qreal GyotakuLetteringMm = 115; // the right-hand part that the columns take
constexpr qreal GyotakuFishMarginMm = 14; // paper left of the fish
constexpr qreal GyotakuFishRoomMm = GyotakuPaperWidthMm - GyotakuLetteringMm - GyotakuFishMarginMm - 4;
constexpr int GyotakuPrintDpi = 300;

// The scale the fish is drawn at, 1 : n: half size up to 32 cm, a third up
// to 49 cm, a quarter above.
int gyotakuScale(int lengthCm);
// The lines of lettering, right to left as they are written in columns:
// the fish and its length, the angler, the raft, the date, then the tide
// and the bait where they are known.
QStringList gyotakuLines(const GyotakuRecord &record);

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
