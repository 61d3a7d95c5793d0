#include "charts/daylogwindow.h"

#include "charts/charttexts.h"
#include "charts/chartstyle.h"
#include "charts/labelplacement.h"
#include "daylog/ids.h"
#include "mainscreen/rafts.h"
#include "platform/programdirs.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QTreeWidget>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

using daylog::DayEvent;
using daylog::EventKind;
using daylog::Reason;

namespace {

constexpr int WindowWidth = 1040;
constexpr int WindowHeight = 740;
// The small mark of a high or low water on the curve.
constexpr qreal TurnMarkSize = 8;

// One legend entry: which events it gathers, and how its marker looks.
struct MarkerKind
{
    QString (*name)();
    QScatterSeries::MarkerShape shape;
    QColor color;
    qreal size;
    bool (*takes)(const DayEvent &);
};

bool isMissed(const DayEvent &e, Reason a, Reason b = Reason::None)
{
    return e.kind == EventKind::StrikeMissed && (e.reason == a || (b != Reason::None && e.reason == b));
}

const std::vector<MarkerKind> &markerKinds()
{
    using S = QScatterSeries;
    static const std::vector<MarkerKind> kinds{
        {charttexts::DroppedMark, S::MarkerShapeCircle, QColor(150, 115, 70), 8,
         [](const DayEvent &e) { return e.kind == EventKind::Dropped; }},
        {charttexts::SmallBiteMark, S::MarkerShapeTriangle, QColor(140, 200, 235), 11,
         [](const DayEvent &e) { return e.kind == EventKind::Bite && e.biteClass <= 2; }},
        {charttexts::BiteMark, S::MarkerShapeTriangle, QColor(60, 140, 210), 12,
         [](const DayEvent &e) { return e.kind == EventKind::Bite && e.biteClass == 3; }},
        {charttexts::StrongBiteMark, S::MarkerShapeTriangle, QColor(20, 70, 150), 13,
         [](const DayEvent &e) { return e.kind == EventKind::Bite && e.biteClass >= 4; }},
        {charttexts::MulletBiteMark, S::MarkerShapeTriangle, QColor(120, 120, 120), 12,
         [](const DayEvent &e) { return e.kind == EventKind::MulletTook; }},
        {charttexts::HookedMark, S::MarkerShapeStar, QColor(255, 192, 255), 18,
         [](const DayEvent &e) { return e.kind == EventKind::StrikeHooked; }},
        {charttexts::TooEarlyMark, S::MarkerShapeRotatedRectangle, QColor(240, 150, 40), 13,
         [](const DayEvent &e) {
             return isMissed(e, Reason::StruckWhileNibbling, Reason::StruckBeforeHookSet)
                 || (e.kind == EventKind::StrikeMissed && e.reason == Reason::None);
         }},
        {charttexts::TooLateMark, S::MarkerShapeRotatedRectangle, QColor(140, 80, 190), 13,
         [](const DayEvent &e) { return isMissed(e, Reason::StruckAfterLetGo); }},
        {charttexts::AtNothingMark, S::MarkerShapeRotatedRectangle, QColor(170, 170, 170), 11,
         [](const DayEvent &e) { return isMissed(e, Reason::StruckAtNothing); }},
        {charttexts::LandedMark, S::MarkerShapePentagon, QColor(220, 60, 110), 20,
         [](const DayEvent &e) { return e.kind == EventKind::FishLanded; }},
        {charttexts::LostMark, S::MarkerShapeRectangle, QColor(120, 20, 30), 13,
         [](const DayEvent &e) { return e.kind == EventKind::FishLost; }},
        {charttexts::BaitTakenMark, S::MarkerShapeCircle, QColor(192, 192, 255), 11,
         [](const DayEvent &e) { return e.kind == EventKind::BaitTaken || e.kind == EventKind::MulletEscaped; }},
        {charttexts::BaitChangedMark, S::MarkerShapeRectangle, QColor(60, 150, 90), 11,
         [](const DayEvent &e) { return e.kind == EventKind::BaitChanged; }},
    };
    return kinds;
}

int lastMinuteOf(const daylog::LoggedDay &day)
{
    bool ok = false;
    const int endHour = day.endHour.trimmed().toInt(&ok);
    int last = ok && endHour > 7 ? endHour * 60 : 17 * 60;
    for (const DayEvent &e : day.events)
        last = std::max(last, e.gameMinute);
    // Whole hours on the axis.
    return (last + 59) / 60 * 60;
}

QString heading(const daylog::LoggedDay &day)
{
    QString raft = rafts::name(day.raft);
    QStringList parts;
    if (!day.date.isEmpty())
        parts << day.date;
    if (!day.angler.isEmpty())
        parts << charttexts::HeadingAngler().arg(day.angler);
    if (!raft.isEmpty())
        parts << charttexts::HeadingRaft().arg(raft);
    if (!day.targetFish.isEmpty())
        parts << charttexts::HeadingTarget().arg(daylog::shownCaption(daylog::Vocabulary::Fish, day.targetFish));
    QString tide;
    if (day.firstHigh > 0 || day.earlierLow > 0)
        tide = charttexts::HeadingTides()
                   .arg(day.firstHigh).arg(day.secondHigh).arg(day.earlierLow).arg(day.laterLow);
    if (!tide.isEmpty())
        parts << tide;
    return parts.join(QStringLiteral("　　"));
}

} // namespace

DayLogWindow::DayLogWindow(const daylog::LoggedDay &day, bool dayFileGone, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_day(day)
{
    setObjectName(QStringLiteral("釣行記録"));
    setWindowTitle(charttexts::DayLogCaption());
    setFixedSize(WindowWidth, WindowHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    auto *title = new QLabel(heading(day), this);
    title->setObjectName(QStringLiteral("見出し"));
    layout->addWidget(title);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("注意"));
    m_note->setWordWrap(true);
    m_note->setStyleSheet(QStringLiteral("QLabel { background: rgb(255,250,225); border: 1px solid rgb(200,180,120); padding: 4px; }"));
    if (dayFileGone)
        m_note->setText(charttexts::DayFileGone());
    else if (day.dayFileName.isEmpty())
        m_note->setText(charttexts::DayNotSaved());
    else if (day.events.empty())
        m_note->setText(charttexts::NoEvents());
    m_note->setVisible(!m_note->text().isEmpty());
    layout->addWidget(m_note);

    const int lastMinute = lastMinuteOf(day);
    m_curve = tidecurve::dayCurve(day.earlierLow, lastMinute);
    m_chart = new QChart;
    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("潮と釣りの流れ"));
    m_view->setRenderHint(QPainter::Antialiasing);
    // The list is the keys' way through the day; the chart is for the eyes.
    m_view->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_view, 1);
    buildChart();

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("できごとの一覧"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({charttexts::TimeColumn(), charttexts::WhatColumn(), charttexts::WhyColumn()});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setWordWrap(false);
    m_list->header()->setStretchLastSection(true);
    m_list->header()->setSectionsMovable(false);
    m_list->setFixedHeight(200);
    layout->addWidget(m_list);
    fillList();
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] { markChosenEvent(); });

    auto *buttons = new QHBoxLayout;
    m_saved = new QLabel(this);
    m_saved->setObjectName(QStringLiteral("保存の知らせ"));
    m_saved->hide();
    buttons->addWidget(m_saved, 1);
    auto *save = new QPushButton(charttexts::SavePicture(), this);
    save->setObjectName(QStringLiteral("画像で保存"));
    auto *close = new QPushButton(charttexts::Close(), this);
    close->setObjectName(QStringLiteral("閉じる"));
    for (QPushButton *b : {save, close}) {
        b->setMinimumSize(110, 30);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &DayLogWindow::askAndSave);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    setTabOrder(m_list, save);
    setTabOrder(save, close);
    chartstyle::closeByKeys(this, close);
}

void DayLogWindow::fillList()
{
    QList<QTreeWidgetItem *> rows;
    for (const DayEvent &e : m_day.events) {
        const QString why = charttexts::eventWhy(e);
        auto *row = new QTreeWidgetItem({charttexts::clock(e.gameMinute), charttexts::eventWhat(e), why});
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        // A why longer than the column is read whole in its tooltip.
        if (!why.isEmpty())
            row->setToolTip(2, why);
        rows << row;
    }
    m_list->addTopLevelItems(rows);
    m_list->resizeColumnToContents(0);
    m_list->resizeColumnToContents(1);
}

const DayEvent *DayLogWindow::markedEvent() const
{
    const QList<QTreeWidgetItem *> chosen = m_list->selectedItems();
    if (chosen.isEmpty())
        return nullptr;
    const int row = m_list->indexOfTopLevelItem(chosen.front());
    return row >= 0 && size_t(row) < m_day.events.size() ? &m_day.events[size_t(row)] : nullptr;
}

void DayLogWindow::markChosenEvent()
{
    const DayEvent *e = markedEvent();
    if (!e) {
        if (m_ring)
            m_ring->hide();
        return;
    }
    if (!m_ring) {
        m_ring = new QGraphicsEllipseItem(m_chart);
        m_ring->setPen(QPen(chartstyle::ink(), 2.5));
        m_ring->setBrush(Qt::NoBrush);
        m_ring->setZValue(30);
    }
    constexpr qreal across = 26;
    const QPointF at = m_chart->mapToPosition(QPointF(e->gameMinute / 60.0, yOf(*e)));
    m_ring->setRect(QRectF(at - QPointF(across / 2, across / 2), QSizeF(across, across)));
    m_ring->show();
}

void DayLogWindow::chooseEventAt(const QScatterSeries *series, QPointF point)
{
    const DayEvent *e = eventAt(series, point);
    if (!e)
        return;
    QTreeWidgetItem *row = m_list->topLevelItem(int(e - m_day.events.data()));
    m_list->setCurrentItem(row);
    m_list->scrollToItem(row);
}

bool DayLogWindow::risingAt(int minute) const
{
    // The size of a fish goes on the open water above the curve: to the left
    // of the point while the tide rises, to the right while it falls.
    if (m_curve.points.empty())
        return false;
    const int first = m_curve.points.front().minute;
    const int i = std::clamp(minute - first, 0, int(m_curve.points.size()) - 1);
    return m_curve.points[size_t(i)].rising;
}

double DayLogWindow::yOf(const DayEvent &event) const
{
    // On the curve: the gauge's level at that minute. A day whose tide is not
    // known keeps the level the event itself recorded.
    if (m_curve.points.empty())
        return event.tideLevel;
    return tidecurve::levelAt(m_curve, event.gameMinute);
}

void DayLogWindow::buildChart()
{
    chartstyle::dress(m_chart);
    const int lastMinute = lastMinuteOf(m_day);
    const int firstHour = 7;
    const int lastHour = lastMinute / 60;

    auto *xAxis = new QValueAxis;
    xAxis->setRange(firstHour, lastHour);
    xAxis->setTickCount(lastHour - firstHour + 1);
    xAxis->setLabelFormat(QStringLiteral("%d:00"));
    xAxis->setTitleText(charttexts::TimeAxis());
    auto *yAxis = new QCategoryAxis;
    yAxis->setRange(-36, tidecurve::GaugeFull + 30);
    yAxis->setStartValue(-36);
    yAxis->append(charttexts::LowWater(), 0);
    yAxis->append(charttexts::HighWater(), tidecurve::GaugeFull);
    yAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    yAxis->setTitleText(charttexts::TideAxis());
    for (QAbstractAxis *axis : {static_cast<QAbstractAxis *>(xAxis), static_cast<QAbstractAxis *>(yAxis)}) {
        axis->setLabelsColor(chartstyle::ink());
        axis->setTitleBrush(chartstyle::ink());
        axis->setGridLineColor(QColor(215, 200, 165));
    }
    m_chart->addAxis(xAxis, Qt::AlignBottom);
    m_chart->addAxis(yAxis, Qt::AlignLeft);

    if (!m_curve.points.empty()) {
        auto *upper = new QLineSeries;
        auto *lower = new QLineSeries;
        for (const tidecurve::TidePoint &p : m_curve.points) {
            upper->append(p.minute / 60.0, p.level);
            lower->append(p.minute / 60.0, 0);
        }
        auto *water = new QAreaSeries(upper, lower);
        water->setName(charttexts::TideLevel());
        water->setBrush(chartstyle::shallowSea());
        water->setPen(QPen(chartstyle::sea(), 2.5));
        m_chart->addSeries(water);
        water->attachAxis(xAxis);
        water->attachAxis(yAxis);

        for (const tidecurve::Turn &turn : m_curve.turns) {
            const double x = turn.minute / 60.0;
            const QString text =
                (turn.high ? charttexts::HighWaterAt() : charttexts::LowWaterAt()).arg(charttexts::clock(turn.minute));
            addTag(text, QPointF(x, turn.high ? tidecurve::GaugeFull : 0), TurnMarkSize, false, !turn.high,
                   chartstyle::sea().darker(130));
        }
    }
    addMarkers();
    // Thirteen kinds of marker: a column beside the chart keeps every name whole.
    m_chart->legend()->setAlignment(Qt::AlignRight);
    for (const Markers &m : m_markers) {
        m.series->attachAxis(xAxis);
        m.series->attachAxis(yAxis);
    }
    connect(m_chart, &QChart::plotAreaChanged, this, [this] {
        placeTags();
        markChosenEvent();
    });
}

void DayLogWindow::addMarkers()
{
    for (const MarkerKind &kind : markerKinds()) {
        Markers markers;
        for (size_t i = 0; i < m_day.events.size(); ++i) {
            if (kind.takes(m_day.events[i]))
                markers.events.push_back(i);
        }
        if (markers.events.empty())
            continue; // the legend names only what happened that day
        auto *series = new QScatterSeries;
        series->setName(kind.name());
        series->setMarkerShape(kind.shape);
        series->setMarkerSize(kind.size);
        series->setColor(kind.color);
        series->setBorderColor(kind.color.darker(170));
        for (size_t i : markers.events) {
            const DayEvent &e = m_day.events[i];
            series->append(e.gameMinute / 60.0, yOf(e));
            if (e.kind == EventKind::FishLanded)
                addTag(charttexts::FishTag().arg(daylog::shownCaption(daylog::Vocabulary::Fish, e.fish)).arg(e.length), QPointF(e.gameMinute / 60.0, yOf(e)),
                       kind.size, risingAt(e.gameMinute), false, kind.color.darker(150));
        }
        markers.series = series;
        m_chart->addSeries(series);
        m_markers.push_back(std::move(markers));
    }
    for (const Markers &m : m_markers) {
        connect(m.series, &QScatterSeries::clicked, this,
                [this, series = m.series](QPointF point) { chooseEventAt(series, point); });
        connect(m.series, &QScatterSeries::hovered, this, [this, series = m.series](QPointF point, bool entered) {
            for (const Markers &markers : m_markers) {
                if (markers.series == series)
                    showTooltip(markers, point, entered);
            }
        });
    }
}

void DayLogWindow::addTag(const QString &text, QPointF value, qreal markerSize, bool preferLeft, bool preferBelow,
                          const QColor &color)
{
    auto *item = new QGraphicsSimpleTextItem(text, m_chart);
    item->setBrush(color);
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
    item->setZValue(20);
    auto *leader = new QGraphicsLineItem(m_chart);
    leader->setPen(QPen(color, 1));
    leader->setZValue(19);
    leader->hide();
    m_tags.push_back({item, leader, value, markerSize, preferLeft, preferBelow});
}

namespace {

QRectF boxAround(QChart *chart, QPointF value, qreal size)
{
    const QPointF at = chart->mapToPosition(value);
    return QRectF(at - QPointF(size / 2, size / 2), QSizeF(size, size));
}

} // namespace

std::vector<QRectF> DayLogWindow::tideMarks() const
{
    std::vector<QRectF> marks;
    for (const tidecurve::Turn &turn : m_curve.turns)
        marks.push_back(boxAround(m_chart, QPointF(turn.minute / 60.0, turn.high ? tidecurve::GaugeFull : 0), TurnMarkSize));
    return marks;
}

std::vector<QRectF> DayLogWindow::dayMarkers() const
{
    std::vector<QRectF> markers;
    for (const Markers &m : m_markers) {
        const QList<QPointF> points = m.series->points();
        for (const QPointF &p : points)
            markers.push_back(boxAround(m_chart, p, m.series->markerSize()));
    }
    return markers;
}

std::vector<QRectF> DayLogWindow::tagBoxes() const
{
    std::vector<QRectF> boxes;
    for (const Tag &tag : m_tags)
        boxes.push_back(tag.item->mapRectToParent(tag.item->boundingRect()));
    return boxes;
}

void DayLogWindow::placeTags()
{
    // A busy day lands fish minutes apart: each size finds the nearest free
    // spot by its fish, the times of high and low water theirs first.
    std::vector<labelplacement::Label> labels;
    for (const Tag &tag : m_tags) {
        labelplacement::Label label;
        label.anchor = m_chart->mapToPosition(tag.value);
        label.size = tag.item->boundingRect().size();
        label.clearance = tag.markerSize / 2 + 2;
        label.preferLeft = tag.preferLeft;
        label.preferBelow = tag.preferBelow;
        labels.push_back(label);
    }
    const std::vector<QRectF> boxes = labelplacement::place(labels, tideMarks(), m_chart->plotArea(), dayMarkers());
    for (size_t i = 0; i < m_tags.size(); ++i) {
        const Tag &tag = m_tags[i];
        tag.item->setPos(boxes[i].topLeft());
        // Words that had to move off their fish keep a thin line to it.
        const QPointF at = labels[i].anchor;
        const bool far = labelplacement::distance(boxes[i], at) > labels[i].clearance + 6;
        if (far) {
            const QPointF end(std::clamp(at.x(), boxes[i].left(), boxes[i].right()),
                              at.y() < boxes[i].top() ? boxes[i].top() : boxes[i].bottom());
            const QLineF line(at, end);
            // From the marker's edge, not its centre.
            tag.leader->setLine(QLineF(line.pointAt(std::min(0.9, labels[i].clearance / std::max(1.0, line.length()))), end));
        }
        tag.leader->setVisible(far);
    }
}

const DayEvent *DayLogWindow::eventAt(const QScatterSeries *series, QPointF point) const
{
    for (const Markers &m : m_markers) {
        if (m.series != series)
            continue;
        const QList<QPointF> points = series->points();
        for (qsizetype i = 0; i < points.size() && size_t(i) < m.events.size(); ++i) {
            if (qFuzzyCompare(points[i].x() + 1, point.x() + 1) && qFuzzyCompare(points[i].y() + 1, point.y() + 1))
                return &m_day.events[m.events[size_t(i)]];
        }
    }
    return nullptr;
}

void DayLogWindow::showTooltip(const Markers &markers, QPointF point, bool entered)
{
    if (!entered) {
        QToolTip::hideText();
        return;
    }
    // Points of one kind can share a spot: all of them are told.
    QStringList texts;
    const QList<QPointF> points = markers.series->points();
    for (qsizetype i = 0; i < points.size() && size_t(i) < markers.events.size(); ++i) {
        if (qFuzzyCompare(points[i].x() + 1, point.x() + 1) && qFuzzyCompare(points[i].y() + 1, point.y() + 1))
            texts << charttexts::eventTooltip(m_day.events[markers.events[size_t(i)]]);
    }
    if (!texts.isEmpty())
        QToolTip::showText(QCursor::pos(), texts.join(QStringLiteral("\n\n")), m_view);
}

bool DayLogWindow::savePng(const QString &path) const
{
    const qreal ratio = 2;
    QImage image(m_view->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        m_view->render(&painter);
    }
    return image.save(path, "PNG");
}

void DayLogWindow::askAndSave()
{
    QString name = charttexts::PictureName();
    if (!m_day.date.isEmpty())
        name += QLatin1Char('-') + m_day.date;
    // The dialog opens in the player's pictures, not in the program's folder.
    const QString path = QFileDialog::getSaveFileName(
        this, charttexts::SavePictureTitle(),
        playerFolder(QStandardPaths::PicturesLocation) + QLatin1Char('/') + name + QStringLiteral(".png"),
        charttexts::PngFilter());
    if (path.isEmpty())
        return;
    if (!savePng(path)) {
        m_saved->hide();
        QMessageBox::warning(this, windowTitle(), charttexts::PictureNotSaved().arg(path));
        return;
    }
    showSaved(path);
}

void DayLogWindow::showSaved(const QString &path)
{
    m_saved->setText(charttexts::PictureSaved().arg(QDir::toNativeSeparators(path)));
    m_saved->setToolTip(QDir::toNativeSeparators(path));
    m_saved->show();
}
