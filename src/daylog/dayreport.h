#pragma once

#include <memory>

class Form1;
class QLabel;

// The quiet line under the fishing buttons: the reason of the last step that
// ended something, as the day's engine reported it.
class DayReport
{
public:
    explicit DayReport(Form1 &form);
    ~DayReport();
    DayReport(const DayReport &) = delete;
    DayReport &operator=(const DayReport &) = delete;

    QLabel *statusLabel() const { return m_status; }

private:
    class StatusLine;

    QLabel *m_status = nullptr;
    std::unique_ptr<StatusLine> m_statusLine;
};
