#include "gyotaku.h"

#include "comfortstexts.h"
#include "mainscreencomforts.h"

#include "app/game.h"
#include "app/gamewindow.h"
#include "app/screens.h"
#include "daylog/ids.h"
#include "mainscreen/form1.h"
#include "platform/programdirs.h"
#include "records/browserpane.h"
#include "mainscreen/rafts.h"
#include "records/form5.h"
#include "records/recordline.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

#ifdef NAMIYOSE_HAVE_PRINT
#include <QPrintDialog>
#include <QPrinter>
#endif

#include <cmath>

namespace T = comfortstexts;

namespace comforts {

namespace {

const QColor Paper(0xf5, 0xf0, 0xe4);
const QColor Ink(0x1d, 0x1c, 0x22);
const QColor SealRed(0xb8, 0x2a, 0x1e);

QString fullWidthDigits(QString text)
{
    for (QChar &c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            c = QChar(0xFF10 + (c.unicode() - '0'));
    return text;
}

QFont brushFont(qreal pixelSize, bool heavy)
{
    QFont font;
    // A brush face where one is installed; else the Japanese serif, heavy.
    font.setFamilies({QStringLiteral("Yuji Syuku"), QStringLiteral("Yuji Boku"), QStringLiteral("Klee One"),
                      QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAexMincho"), QStringLiteral("IPAMincho"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(qMax(1, int(pixelSize)));
    font.setWeight(heavy ? QFont::Black : QFont::Bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Writes a line top to bottom, one character under the other, as a column.
void drawColumn(QPainter &p, const QString &text, QPointF top, qreal cell)
{
    qreal y = top.y();
    for (const QChar c : text) {
        const QRectF box(top.x() - cell / 2, y, cell, cell);
        if (c == QChar(0x30FC) || c == QChar(0xFF0D) || c == QLatin1Char('-')) {
            // The long vowel mark stands upright in a column.
            p.save();
            p.translate(box.center());
            p.rotate(90);
            p.drawText(QRectF(-cell / 2, -cell / 2, cell, cell), Qt::AlignCenter, QString(c));
            p.restore();
        } else if (!c.isSpace() && c != QChar(0x3000)) {
            p.drawText(box, Qt::AlignCenter, QString(c));
        }
        y += cell * 1.04;
    }
}

// The chinu's outline in a box 100 long, nose at the left, on a centre line
// at y 0: a deep body, a forked tail, and the fins pressed flat.
QPainterPath chinuBody()
{
    QPainterPath body;
    body.moveTo(0, 2);
    body.cubicTo(2, -8, 12, -22, 30, -25);
    body.cubicTo(48, -27, 66, -20, 80, -8);
    body.lineTo(84, -6);
    // The tail: upper lobe, the fork, lower lobe.
    body.cubicTo(90, -12, 96, -19, 100, -22);
    body.cubicTo(97, -10, 94, -4, 93, 1);
    body.cubicTo(94, 6, 97, 12, 100, 22);
    body.cubicTo(96, 19, 90, 12, 84, 7);
    body.lineTo(80, 8);
    body.cubicTo(66, 18, 48, 23, 30, 22);
    body.cubicTo(16, 21, 5, 14, 0, 2);
    body.closeSubpath();
    return body;
}

QPainterPath chinuFins()
{
    QPainterPath fins;
    // The spiny dorsal fin along the back.
    fins.moveTo(24, -20);
    // Spines with the soft membrane between them.
    const qreal spines[][2] = {{26, -30}, {31, -34}, {36, -35}, {41, -35}, {46, -34}, {51, -33}, {56, -31}};
    for (const auto &spine : spines) {
        fins.lineTo(spine[0], spine[1]);
        fins.quadTo(spine[0] + 1.5, spine[1] + 5, spine[0] + 3.5, spine[1] + 6.5);
    }
    fins.lineTo(59, -25);
    fins.cubicTo(66, -30, 74, -24, 79, -10);
    fins.cubicTo(66, -14, 48, -18, 24, -20);
    fins.closeSubpath();
    // The anal fin.
    fins.moveTo(58, 19);
    fins.cubicTo(62, 28, 68, 28, 74, 24);
    fins.cubicTo(72, 18, 68, 15, 70, 14);
    fins.closeSubpath();
    // The pelvic fin.
    fins.moveTo(28, 20);
    fins.cubicTo(30, 28, 34, 31, 38, 30);
    fins.cubicTo(36, 25, 35, 22, 36, 21);
    fins.closeSubpath();
    return fins;
}

void paintFish(QPainter &p, const QRectF &box)
{
    const qreal k = box.width() / 100.0;
    p.save();
    p.translate(box.left(), box.center().y());
    p.scale(k, k * 0.82); // a chinu is about a third as deep as it is long
    p.setPen(Qt::NoPen);

    const QPainterPath body = chinuBody();
    const QPainterPath fins = chinuFins();
    const QPainterPath all = body.united(fins);

    // Ink, pressed unevenly: darker on the back, lighter where the paper
    // met the belly.
    QLinearGradient wash(0, -30, 0, 24);
    wash.setColorAt(0, Ink);
    wash.setColorAt(0.55, QColor(0x2a, 0x29, 0x30));
    wash.setColorAt(1, QColor(0x4a, 0x48, 0x4e));
    p.fillPath(all, wash);

    p.setClipPath(all);
    QRandomGenerator grain(1793);
    // The scales: rows of small arcs where the paper shows through.
    QPen scale(QColor(245, 240, 228, 45), 0.3);
    p.setPen(scale);
    p.setBrush(Qt::NoBrush);
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    for (qreal y = -24; y < 22; y += 1.9) {
        const qreal shift = std::fmod((y + 24) / 1.9, 2.0) < 1 ? 0 : 1.1;
        for (qreal x = 22 + shift; x < 80; x += 2.2)
            p.drawArc(QRectF(x, y, 2.2, 2.2), 90 * 16, -180 * 16);
    }
    p.restore();
    // The fin rays.
    QPen ray(QColor(245, 240, 228, 80), 0.3);
    p.setPen(ray);
    for (int i = 0; i < 12; ++i) {
        const qreal x = 26 + i * 3.0;
        p.drawLine(QPointF(x, -22 + i * 0.2), QPointF(x + 0.3, i % 2 == 0 ? -31 - i * 0.2 : -26 - i * 0.1));
    }
    for (int i = 0; i <= 8; ++i)
        p.drawLine(QPointF(85, i * 1.2 - 5), QPointF(99, -21 + i * 5.4));
    // The grain of the paper under the ink.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 240, 228, 55));
    for (int i = 0; i < 900; ++i) {
        const qreal x = grain.bounded(100.0), y = grain.bounded(60.0) - 32;
        const qreal r = 0.12 + grain.bounded(0.3);
        p.drawEllipse(QPointF(x, y), r, r * 0.7);
    }
    p.setClipping(false);

    // The gill cover and the mouth, pressed lightly.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(245, 240, 228, 150), 0.55, Qt::SolidLine, Qt::RoundCap));
    QPainterPath gill;
    gill.moveTo(22, -17);
    gill.cubicTo(26, -8, 26, 8, 21, 17);
    p.drawPath(gill);
    p.drawLine(QPointF(0.5, 2.5), QPointF(5, 3.2));
    // The pectoral fin lies over the side.
    QPainterPath pectoral;
    pectoral.moveTo(25, 4);
    pectoral.cubicTo(31, 0, 38, 1, 42, 5);
    pectoral.cubicTo(37, 8, 31, 8, 25, 6);
    p.drawPath(pectoral);

    // The eye is painted in afterwards, as on every fish print.
    p.setPen(Qt::NoPen);
    p.setBrush(Paper);
    p.drawEllipse(QPointF(10.5, -6), 3.4, 3.4);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(10.8, -6), 2.0, 2.0);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(10.1, -6.7), 0.55, 0.55);
    p.restore();
}

} // namespace

int gyotakuScale(int lengthCm)
{
    // The largest scale at which the fish fits beside six columns of lettering.
    for (int scale = 2; scale < 10; ++scale)
        if (lengthCm * 10.0 / scale <= GyotakuFishRoomMm)
            return scale;
    return 10;
}

GyotakuWriting gyotakuWriting()
{
    return T::GyotakuWriting() == QLatin1String("horizontal") ? GyotakuWriting::Lines : GyotakuWriting::Columns;
}

namespace {

// The tide of the record, as the player's language says it.
QString shownTide(TideDirection tide)
{
    return tide == TideDirection::Flood ? T::GyotakuFloodTide() : T::GyotakuEbbTide();
}

} // namespace

QStringList gyotakuLines(const GyotakuRecord &record, GyotakuWriting writing)
{
    // Digits stand upright in a column only when they are full width.
    const auto digits = [writing](const QString &text) {
        return writing == GyotakuWriting::Columns ? fullWidthDigits(text) : text;
    };
    QStringList lines;
    lines << T::GyotakuFish().arg(digits(QString::number(record.lengthCm)));
    lines << T::GyotakuAngler().arg(record.angler);
    lines << T::GyotakuRaft().arg(record.raft);
    if (record.date.isValid())
        lines << digits(record.date.toString(T::GyotakuDate()));
    if (record.tide != TideDirection::Unknown)
        lines << T::GyotakuTide().arg(shownTide(record.tide));
    if (record.bait)
        lines << T::GyotakuBait().arg(daylog::shownName(*record.bait));
    return lines;
}

GyotakuLettering gyotakuLettering(const GyotakuRecord &record, const QSize &page, int dpi, GyotakuWriting writing)
{
    const qreal mm = dpi / 25.4;
    GyotakuLettering lettering;
    lettering.writing = writing;
    const QStringList lines = gyotakuLines(record, writing);
    if (writing == GyotakuWriting::Columns) {
        // Right to left from the top right corner, the fish's column large.
        qreal x = page.width() - 22 * mm;
        const qreal top = 22 * mm;
        for (int i = 0; i < lines.size(); ++i) {
            GyotakuLetters letters;
            letters.text = lines.at(i);
            letters.cell = (i == 0 ? 17 : 10) * mm;
            letters.font = brushFont(letters.cell * 0.92, i == 0);
            letters.origin = QPointF(x, top + (i == 0 ? 0 : 8 * mm));
            const qreal length = letters.cell * (1.04 * qMax<qsizetype>(0, letters.text.size() - 1) + 1);
            letters.box = QRectF(x - letters.cell / 2, letters.origin.y(), letters.cell, length);
            lettering.lines << letters;
            x -= (i == 0 ? 19 : 12.5) * mm;
        }
        lettering.seal = QRectF(x - 6 * mm, page.height() - 40 * mm, 15 * mm, 15 * mm);
        return lettering;
    }
    // Top to bottom over the same part of the paper, the fish's line large;
    // a long name steps its face down rather than run off the paper.
    const qreal left = page.width() - (GyotakuLetteringMm - 6) * mm;
    const qreal right = page.width() - 14 * mm;
    qreal y = 24 * mm;
    for (int i = 0; i < lines.size(); ++i) {
        GyotakuLetters letters;
        qreal size = (i == 0 ? 15 : 8.5) * mm;
        letters.font = brushFont(size, i == 0);
        while (size > 4 * mm && QFontMetricsF(letters.font).horizontalAdvance(lines.at(i)) > right - left) {
            size -= 0.5 * mm;
            letters.font = brushFont(size, i == 0);
        }
        letters.text = QFontMetricsF(letters.font).elidedText(lines.at(i), Qt::ElideRight, right - left);
        letters.box = QRectF(left, y, right - left, QFontMetricsF(letters.font).height());
        letters.origin = letters.box.topLeft();
        lettering.lines << letters;
        y = letters.box.bottom() + (i == 0 ? 4 : 0) * mm;
    }
    lettering.seal = QRectF(right - 15 * mm, page.height() - 40 * mm, 15 * mm, 15 * mm);
    return lettering;
}

void paintGyotaku(QPainter &p, const QSize &page, int dpi, const GyotakuRecord &record)
{
    const qreal mm = dpi / 25.4;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRect(QPoint(0, 0), page), Paper);

    // Fibres of the rice paper.
    QRandomGenerator fibres(4211);
    p.setPen(QPen(QColor(0xd8, 0xcf, 0xb8, 90), 0.25 * mm));
    for (int i = 0; i < 160; ++i) {
        const QPointF a(fibres.bounded(page.width() * 1.0), fibres.bounded(page.height() * 1.0));
        const qreal angle = fibres.bounded(6.283), len = (2 + fibres.bounded(9.0)) * mm;
        p.drawLine(a, a + QPointF(std::cos(angle) * len, std::sin(angle) * len));
    }

    // The fish to scale, left of the lettering.
    const int scale = gyotakuScale(record.lengthCm);
    const qreal fishWidth = record.lengthCm * 10.0 / scale * mm;
    const qreal textLeft = page.width() - GyotakuLetteringMm * mm;
    const QRectF fishBox(qMax(GyotakuFishMarginMm * mm, (textLeft - fishWidth) / 2), 30 * mm, fishWidth, 120 * mm);
    paintFish(p, fishBox);

    // A ruler under the fish in real centimetres.
    const qreal rulerY = 160 * mm;
    p.setPen(QPen(QColor(0x44, 0x40, 0x3c), 0.35 * mm));
    p.drawLine(QPointF(fishBox.left(), rulerY), QPointF(fishBox.left() + fishWidth, rulerY));
    p.setFont(brushFont(3.6 * mm, false));
    for (int cm = 0; cm <= record.lengthCm; ++cm) {
        const qreal x = fishBox.left() + cm * 10.0 / scale * mm;
        const qreal tick = cm % 10 == 0 ? 3 * mm : cm % 5 == 0 ? 2 * mm : 1 * mm;
        p.drawLine(QPointF(x, rulerY), QPointF(x, rulerY + tick));
        if (cm % 10 == 0)
            p.drawText(QRectF(x - 8 * mm, rulerY + 3.5 * mm, 16 * mm, 6 * mm), Qt::AlignCenter,
                       QString::number(cm));
    }
    p.drawText(QRectF(fishBox.left(), rulerY + 10 * mm, 80 * mm, 7 * mm), Qt::AlignLeft | Qt::AlignVCenter,
               T::GyotakuScale().arg(scale));

    // The lettering, and the seal where it ends: the angler's first
    // character in red.
    const GyotakuLettering lettering = gyotakuLettering(record, page, dpi);
    p.setPen(Ink);
    for (const GyotakuLetters &letters : lettering.lines) {
        p.setFont(letters.font);
        if (lettering.writing == GyotakuWriting::Columns)
            drawColumn(p, letters.text, letters.origin, letters.cell);
        else
            p.drawText(letters.box, Qt::AlignLeft | Qt::AlignVCenter, letters.text);
    }
    if (!record.angler.isEmpty()) {
        const QRectF &seal = lettering.seal;
        p.setPen(QPen(SealRed, 1.0 * mm));
        p.setBrush(Qt::NoBrush);
        p.drawRect(seal.adjusted(0.5 * mm, 0.5 * mm, -0.5 * mm, -0.5 * mm));
        p.setPen(SealRed);
        p.setFont(brushFont(10 * mm, true));
        p.drawText(seal, Qt::AlignCenter, record.angler.left(1));
    }
    p.restore();
}

QImage renderGyotaku(const GyotakuRecord &record, int dpi)
{
    const QSize page(qRound(GyotakuPaperWidthMm / 25.4 * dpi), qRound(GyotakuPaperHeightMm / 25.4 * dpi));
    QImage image(page, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    QPainter p(&image);
    paintGyotaku(p, page, dpi, record);
    p.end();
    return image;
}

bool saveGyotakuPng(const GyotakuRecord &record, const QString &path)
{
    return renderGyotaku(record).save(path, "PNG");
}

bool saveGyotakuPdf(const GyotakuRecord &record, const QString &path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(GyotakuPrintDpi);
    writer.setTitle(T::GyotakuTitle());
    QPainter p;
    if (!p.begin(&writer))
        return false;
    paintGyotaku(p, writer.pageLayout().fullRectPixels(GyotakuPrintDpi).size(), GyotakuPrintDpi, record);
    return p.end();
}

// ---- where a 魚拓 comes from ----------------------------------------------

GyotakuRecord gyotakuOfToday(Form5 &form)
{
    GyotakuRecord r;
    Game &game = form.game();
    // Today's figures as the day's end counted them for today's catch.
    const GameState &s = game.state;
    r.angler = s.AnglerName;
    r.raft = rafts::name(s.SpotNo);
    r.lengthCm = s.LongestChinu;
    r.date = game.platform.clock.now().date();
    if (Form1 *mainScreen = game.screens().loadedForm1())
        if (MainScreenComforts *c = MainScreenComforts::of(*mainScreen)) {
            const MainScreenComforts::Landed best = c->longestChinu();
            if (best.lengthCm == r.lengthCm) {
                r.tide = best.tide;
                r.bait = best.bait;
            }
        }
    return r;
}

GyotakuRecord gyotakuOfSavedDay(BrowserPane &pane)
{
    GyotakuRecord r;
    r.angler = pane.Combo2->currentText();
    r.lengthCm = pane.figures().longestCm;
    const int row = pane.List1->currentRow();
    if (row >= 0 && row < pane.FileNames().size()) {
        // The day file's name holds the date and the raft; its lines hold
        // neither the tide nor the bait.
        if (const std::optional<DayFileNameParts> parts = ParseDayFileName(pane.FileNames().at(row))) {
            r.date = QDate::fromString(parts->date, QStringLiteral("yyyy年MM月dd日"));
            r.raft = parts->raftName;
        }
    }
    return r;
}

// ---- the window ------------------------------------------------------------

GyotakuWindow::GyotakuWindow(const GyotakuRecord &record, QWidget *parent)
    : QDialog(parent)
    , m_record(record)
{
    setObjectName(QStringLiteral("魚拓"));
    setWindowTitle(T::GyotakuCaption());
    auto *preview = new QLabel;
    preview->setObjectName(QStringLiteral("魚拓の絵"));
    // Drawn at the screen's own resolution, so that a 2x screen shows it sharp.
    const qreal ratio = devicePixelRatioF();
    QImage image = renderGyotaku(record, qRound(72 * ratio));
    image.setDevicePixelRatio(ratio);
    preview->setPixmap(QPixmap::fromImage(image));
    preview->setFixedSize(image.deviceIndependentSize().toSize());
    preview->setStyleSheet(QStringLiteral("QLabel { border: 1px solid #9fb4c0; }"));

    auto *buttons = new QHBoxLayout;
    const auto button = [&](const QString &caption) {
        auto *b = new QPushButton(caption);
        b->setObjectName(caption);
        b->setMinimumHeight(32);
        buttons->addWidget(b);
        return b;
    };
    connect(button(T::GyotakuSavePng()), &QPushButton::clicked, this, [this] { saveAs(false); });
    connect(button(T::GyotakuSavePdf()), &QPushButton::clicked, this, [this] { saveAs(true); });
#ifdef NAMIYOSE_HAVE_PRINT
    connect(button(T::GyotakuPrint()), &QPushButton::clicked, this, [this] { print(); });
#endif
    buttons->addStretch();
    QPushButton *close = button(T::ControlsClose());
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(preview);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void GyotakuWindow::saveAs(bool pdf)
{
    const QString suggested = T::GyotakuFileName()
                                  .arg(m_record.angler)
                                  .arg(m_record.lengthCm)
                                  .arg(pdf ? QStringLiteral("pdf") : QStringLiteral("png"));
    // The dialog opens in the player's pictures (a PDF: documents), not in
    // the program's folder.
    const QString folder = playerFolder(pdf ? QStandardPaths::DocumentsLocation : QStandardPaths::PicturesLocation);
    const QString path = QFileDialog::getSaveFileName(this, windowTitle(), folder + QLatin1Char('/') + suggested,
                                                      pdf ? QStringLiteral("PDF (*.pdf)") : QStringLiteral("PNG (*.png)"));
    if (path.isEmpty())
        return;
    const bool saved = pdf ? saveGyotakuPdf(m_record, path) : saveGyotakuPng(m_record, path);
    if (!saved) {
        if (m_saved)
            m_saved->hide();
        auto *failed = new QLabel(T::GyotakuSaveFailed());
        failed->setObjectName(QStringLiteral("保存の失敗"));
        layout()->addWidget(failed);
        return;
    }
    showSaved(path);
}

void GyotakuWindow::showSaved(const QString &path)
{
    if (!m_saved) {
        m_saved = new QLabel;
        m_saved->setObjectName(QStringLiteral("保存の知らせ"));
        layout()->addWidget(m_saved);
    }
    m_saved->setText(T::GyotakuSaved().arg(QDir::toNativeSeparators(path)));
    m_saved->show();
}

void GyotakuWindow::print()
{
#ifdef NAMIYOSE_HAVE_PRINT
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter p;
    if (!p.begin(&printer))
        return;
    const int dpi = printer.resolution();
    paintGyotaku(p, printer.pageLayout().fullRectPixels(dpi).size(), dpi, m_record);
    p.end();
#endif
}

void showGyotaku(QWidget *parent, const GyotakuRecord &record)
{
    if (record.lengthCm <= 0) {
        if (auto *window = dynamic_cast<GameWindow *>(parent))
            window->message(T::GyotakuNoChinu());
        return;
    }
    auto *window = new GyotakuWindow(record, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->raise();
    window->activateWindow();
}

void addGyotakuMenu(Form5 &form)
{
    // The screen's menus get keys as well: Ctrl+S saves the day.
    if (form.保存)
        form.保存->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction *action = form.menuBar()->addAction(T::GyotakuButton());
    action->setObjectName(QStringLiteral("魚拓"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    QObject::connect(action, &QAction::triggered, &form, [&form] { showGyotaku(&form, gyotakuOfToday(form)); });
}

QPushButton *addGyotakuButton(BrowserPane &pane, QWidget *frame, QRect geometry)
{
    auto *button = new QPushButton(T::GyotakuButton(), frame);
    button->setObjectName(QStringLiteral("魚拓"));
    button->setGeometry(geometry);
    button->setEnabled(false);
    // Offered while a day is chosen (a day the keys only pass over is not);
    // a day without chinu says so when asked.
    QObject::connect(pane.List1, &QListWidget::itemSelectionChanged, button,
                     [button, list = pane.List1] { button->setEnabled(!list->selectedItems().isEmpty()); });
    QObject::connect(button, &QPushButton::clicked, frame,
                     [frame, &pane] { showGyotaku(frame->window(), gyotakuOfSavedDay(pane)); });
    return button;
}

} // namespace comforts
