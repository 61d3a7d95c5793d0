#include "dialogs.h"

#include "timer.h"

#include <QStringList>

Dialogs::~Dialogs() = default;

int Dialogs::message(const QString &caption, const QString &text, MessageButtons buttons, MessageIcon icon)
{
    m_scheduler.enterModal();
    const int answer = show(MessageRecord{caption, text, buttons, icon});
    m_scheduler.leaveModal();
    return answer;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList list;
    for (const MessageRecord &m : m_shown)
        list << m.text;
    return list;
}

int ScriptedDialogs::show(const MessageRecord &message)
{
    m_shown.push_back(message);
    if (m_readingMs > 0)
        if (auto *virtualTime = dynamic_cast<VirtualScheduler *>(&scheduler()))
            virtualTime->advance(m_readingMs);
    if (!m_answers.empty()) {
        const int code = m_answers.front();
        m_answers.pop_front();
        return code;
    }
    switch (message.buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        return AnswerOk;
    case MessageButtons::YesNo:
        return AnswerYes;
    }
    return AnswerOk;
}
