#pragma once

#include "platform/dialogs.h"
#include "records/browser.h"

#include <QObject>
#include <QSize>
#include <QStringList>
#include <functional>

class Game;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// The per-angler pane of the past-records screen, built inside its frame
// "個人別のデータ": pick an angler, see the saved days, a day's figures and
// lines, and delete a day file. The record file is never touched here, so
// the rankings stay as they are.
class BrowserPane : public QObject
{
public:
    // Shows a message captioned like the screen and returns the answer.
    using Ask = std::function<int(const QString &text, MessageButtons buttons, MessageIcon icon)>;

    BrowserPane(QGroupBox *frame, Game &game, Ask ask);

    // The size the frame needs.
    static QSize frameSize();

    // Fills the angler selector (the screen's load).
    void setAnglers(const QStringList &names);

    // Empties the list of days (the record file was pruned) and shows it.
    void clearDays();

    // ---- handlers ----
    void ListAnglerDays(); // Combo2 Click
    void ShowDayFigures(); // List1 Click
    void ShowDayLines(); // Command6 "明細表示"
    void BackToDayList(); // Command4 "一覧へ"
    void DeleteDay(); // Command5 "削除"

    // ---- controls ----
    QLabel *Label1 = nullptr; // 名前選択
    QComboBox *Combo2 = nullptr;
    QLabel *Label31 = nullptr; // the chosen day
    QListWidget *List1 = nullptr; // the angler's days
    QListWidget *List2 = nullptr; // the lines of the chosen day
    QLabel *Label6 = nullptr, *Label8 = nullptr, *Label9 = nullptr;
    QLabel *Label12 = nullptr; // longest
    QLabel *Label13 = nullptr; // count
    QLabel *Label15 = nullptr; // total
    QPushButton *Command6 = nullptr; // 明細表示
    QPushButton *Command5 = nullptr; // 削除
    QPushButton *Command4 = nullptr; // 一覧へ

    // The file name of each List1 item, by row.
    const QStringList &FileNames() const { return m_fileNames; }
    // The figures of the day last shown.
    const browser::DayFigures &figures() const { return m_figures; }

private:
    QString dataDir() const;
    QString selectedItemText() const;
    void clearFigures();

    Game &m_game;
    Ask m_ask;
    QStringList m_fileNames;
    QStringList m_dayLines; // the lines of the day shown in List2
    browser::DayFigures m_figures;
    bool m_filling = false;
};
