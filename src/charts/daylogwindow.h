#pragma once

#include "charts/tidecurve.h"
#include "daylog/dayevent.h"

#include <QWidget>

#include <vector>

class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QLabel;
class QPushButton;
class QScatterSeries;

// 釣行記録: one day's tide curve with every step of every cycle on it.
class DayLogWindow : public QWidget
{
public:
    DayLogWindow(const daylog::LoggedDay &day, bool dayFileGone, QWidget *parent = nullptr);

    QChartView *chartView() const { return m_view; }
    QLabel *note() const { return m_note; }
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
        QPointF value;
        QPointF offset;
    };

    void buildChart();
    void addMarkers();
    void addTag(const QString &text, QPointF value, QPointF offset, const QColor &color);
    void placeTags();
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
    std::vector<Markers> m_markers;
    std::vector<Tag> m_tags;
};
