#pragma once

#include "charts/tidecurve.h"
#include "daylog/dayevent.h"

#include <QWidget>

#include <vector>

class QChart;
class QChartView;
class QGraphicsEllipseItem;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLabel;
class QPushButton;
class QScatterSeries;
class QTreeWidget;

// 釣行記録: one day's tide curve with every step of every cycle on it, and
// under it the day's list (time, what happened, why) that the keys can read.
class DayLogWindow : public QWidget
{
public:
    DayLogWindow(const daylog::LoggedDay &day, bool dayFileGone, QWidget *parent = nullptr);

    QChartView *chartView() const { return m_view; }
    QLabel *note() const { return m_note; }
    // One row an event, in the day's order; the chosen row's event is ringed
    // on the curve.
    QTreeWidget *eventList() const { return m_list; }
    const daylog::DayEvent *markedEvent() const;
    // Where the ring stands on the chart (null when no row is chosen).
    const QGraphicsEllipseItem *ring() const { return m_ring; }
    // The boxes of the words on the chart (fish sizes, high and low waters)
    // as they are placed now, the tide's marks they leave clear, and the
    // day's markers they keep off where there is room.
    std::vector<QRectF> tagBoxes() const;
    std::vector<QRectF> tideMarks() const;
    std::vector<QRectF> dayMarkers() const;
    // The event of the log behind a point of a marker series (nullptr when
    // the point is none of the day's).
    const daylog::DayEvent *eventAt(const QScatterSeries *series, QPointF point) const;
    // The chart as a PNG at twice the window's size, sharp for printing.
    bool savePng(const QString &path) const;
    // The short line beside the buttons that tells where a save went.
    QLabel *savedNote() const { return m_saved; }
    void showSaved(const QString &path);

private:
    struct Markers
    {
        QScatterSeries *series = nullptr;
        std::vector<size_t> events; // index into the day's events, one per point
    };
    struct Tag
    {
        QGraphicsSimpleTextItem *item = nullptr;
        QGraphicsLineItem *leader = nullptr; // to the marker, when the words had to move off
        QPointF value;
        qreal markerSize = 8;
        bool preferLeft = false;
        bool preferBelow = false;
    };

    void buildChart();
    void addMarkers();
    void addTag(const QString &text, QPointF value, qreal markerSize, bool preferLeft, bool preferBelow,
                const QColor &color);
    void placeTags();
    void fillList();
    void markChosenEvent();
    void chooseEventAt(const QScatterSeries *series, QPointF point);
    void askAndSave();
    void showTooltip(const Markers &markers, QPointF point, bool entered);
    double yOf(const daylog::DayEvent &event) const;
    bool risingAt(int minute) const;

    daylog::LoggedDay m_day;
    tidecurve::Curve m_curve;
    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
    QLabel *m_note = nullptr;
    QLabel *m_saved = nullptr;
    QTreeWidget *m_list = nullptr;
    QGraphicsEllipseItem *m_ring = nullptr;
    std::vector<Markers> m_markers;
    std::vector<Tag> m_tags;
};
