#include "qtdialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

int QtDialogs::show(const MessageRecord &message)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(message.caption);
    box.setText(message.text);
    switch (message.icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }

    struct Choice
    {
        QString text;
        QMessageBox::ButtonRole role;
        int code;
    };
    QList<Choice> choices;
    switch (message.buttons) {
    case MessageButtons::Ok:
        choices = {{QStringLiteral("OK"), QMessageBox::AcceptRole, AnswerOk}};
        break;
    case MessageButtons::OkCancel:
        choices = {{QStringLiteral("OK"), QMessageBox::AcceptRole, AnswerOk},
                   {QCoreApplication::translate("Dialogs", "キャンセル"), QMessageBox::RejectRole, AnswerCancel}};
        break;
    case MessageButtons::YesNo:
        choices = {{QCoreApplication::translate("Dialogs", "はい(&Y)"), QMessageBox::YesRole, AnswerYes},
                   {QCoreApplication::translate("Dialogs", "いいえ(&N)"), QMessageBox::NoRole, AnswerNo}};
        break;
    }
    QList<QPushButton *> buttons;
    for (const Choice &choice : choices)
        buttons << box.addButton(choice.text, choice.role);
    box.setDefaultButton(buttons.first());
    if (message.buttons == MessageButtons::Ok)
        box.setEscapeButton(buttons.first());
    box.exec();
    for (int i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return choices[i].code;
    // Closed without a button (Esc on a Yes/No box): the last, negative answer.
    return choices.last().code;
}
