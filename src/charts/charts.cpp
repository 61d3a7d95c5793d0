#include "charts/charts.h"

#include "charts/chartstyle.h"
#include "charts/daylogwindow.h"
#include "charts/statswindow.h"

#include <QAction>
#include <QChart>
#include <QFont>
#include <QPushButton>

namespace chartstyle {

void closeByKeys(QWidget *window, QPushButton *close)
{
    close->setDefault(true);
    close->setFocus();
    auto *escape = new QAction(window);
    escape->setObjectName(QStringLiteral("Escape"));
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    window->addAction(escape);
    QObject::connect(escape, &QAction::triggered, window, &QWidget::close);
}

void dress(QChart *chart)
{
    chart->setBackgroundBrush(sky());
    chart->setPlotAreaBackgroundBrush(sand());
    chart->setPlotAreaBackgroundVisible(true);
    chart->setTitleBrush(ink());
    chart->setMargins(QMargins(6, 6, 6, 6));
    chart->setBackgroundRoundness(4);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setLabelColor(ink());
    QFont title = chart->titleFont();
    title.setBold(true);
    chart->setTitleFont(title);
}

} // namespace chartstyle

namespace charts {

QWidget *makeDayLog(QWidget *parent, const daylog::LoggedDay &day, bool dayFileGone)
{
    auto *window = new DayLogWindow(day, dayFileGone, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

QWidget *makeStatistics(QWidget *parent, std::function<daylog::DayStats(const daylog::StatsFilter &)> figures,
                        QStringList anglers)
{
    auto *window = new StatsWindow(std::move(figures), anglers, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

QWidget *showDayLog(QWidget *parent, const daylog::LoggedDay &day, bool dayFileGone)
{
    QWidget *window = makeDayLog(parent, day, dayFileGone);
    window->show();
    return window;
}

QWidget *showStatistics(QWidget *parent, std::function<daylog::DayStats(const daylog::StatsFilter &)> figures,
                        QStringList anglers)
{
    QWidget *window = makeStatistics(parent, std::move(figures), std::move(anglers));
    window->show();
    return window;
}

} // namespace charts
