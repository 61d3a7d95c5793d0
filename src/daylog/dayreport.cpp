#include "daylog/dayreport.h"

#include "app/controls.h"
#include "app/game.h"
#include "daylog/reasons.h"
#include "mainscreen/clocktide.h"
#include "mainscreen/form1.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using daylog::DayEvent;

// Shows the reason of the last step that ended something; the steps in the
// middle of a cycle leave it as it was.
class DayReport::StatusLine final : public daylog::DayEventListener
{
public:
    StatusLine(daylog::DayEventHub &hub, QLabel *label)
        : m_hub(hub)
        , m_label(label)
    {
        m_hub.add(this);
    }
    ~StatusLine() override { m_hub.remove(this); }

    void dayEvent(const DayEvent &event) override
    {
        const QString text = daylog::statusText(event);
        if (text.isEmpty())
            return;
        m_label->setText(clocktide::clockCaption(event.gameMinute / 60, event.gameMinute % 60)
                         + QStringLiteral("　") + text);
    }

private:
    daylog::DayEventHub &m_hub;
    QLabel *m_label;
};

DayReport::DayReport(Form1 &form)
{
    // Under the fishing buttons, as wide as the four of them, with room for
    // the longest reasons' second line above the band's edge.
    QWidget *area = form.Command1->parentWidget();
    const QRect first = form.Command1->geometry();
    const QRect last = form.Command5->geometry();
    m_status = makeLabel(area, QStringLiteral("Label状況"), QString(),
                         QRect(first.left(), first.bottom() + 5, last.right() - first.left() + 1, 38),
                         Qt::AlignLeft | Qt::AlignTop);
    m_status->setWordWrap(true);
    QFont font = m_status->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    m_status->setFont(font);
    m_status->setStyleSheet(QStringLiteral("QLabel { color: #35505f; background: transparent; }"));
    m_statusLine = std::make_unique<StatusLine>(form.game().dayEvents, m_status);
}

DayReport::~DayReport() = default;
