#pragma once

#include "day/day.h"
#include "daylog/dayevent.h"
#include "daylog/ids.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <optional>

class Form1;
class Game;
class GameWindow;
class QAction;
class QKeyEvent;
class QPushButton;
class QWidget;

namespace comforts {

// The main screen's comforts: keys for its menus and the fishing buttons,
// the focus on the button to press next, one step per press of Space or
// Enter, and the player's pause.
class MainScreenComforts : public QObject, private daylog::DayEventListener
{
public:
    explicit MainScreenComforts(Form1 &form);
    ~MainScreenComforts() override;

    // After the pink moves to another button, Space and Enter wait this
    // long before they press it: the second tap of a double tap, or a tap
    // meant for the button the pink just left, presses nothing.
    static constexpr qint64 TapGuardMs = 300;

    // The comforts of a main screen (made with it).
    static MainScreenComforts *of(Form1 &form);

    // The player's pause: every timer stops where it stands, the pictures
    // dim and the fishing buttons take no click or key until it is lifted.
    // Once the day has ended there is nothing left to pause.
    void togglePause();
    void pause();
    void resume();
    bool paused() const;

    // Puts the focus on the button the angler should press next: the "O K"
    // of a landed chinu, the open bait list, or the enabled pink button.
    void followThePinkButton();

    // The day's longest chinu with the bait on the hook and the tide when it
    // was landed (length 0 before the first).
    struct Landed
    {
        int lengthCm = 0;
        std::optional<daylog::Bait> bait;
        TideDirection tide = TideDirection::Unknown;
    };
    Landed longestChinu() const { return m_longest; }

    QAction *一時停止 = nullptr;
    QAction *設定 = nullptr;
    QAction *操作 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addKeys();
    void addFishingKey(QPushButton *button, const QString &name, Qt::Key key);
    void applicationStateChanged(Qt::ApplicationState state);
    bool allowedWhilePaused(const QAction *action) const;

    void noteCatch(const daylog::DayEvent &landed);
    void dayEvent(const daylog::DayEvent &event) override;
    // A press of Space or Enter on a fishing button that must do nothing.
    bool runOnPress(QObject *watched, const QKeyEvent *key) const;
    bool isPinkButton(const QObject *watched) const;

    Form1 &m_form;
    daylog::DayEventHub &m_dayEvents;
    bool m_dayOver = false;
    // The button the pink last went to, and when it moved there from another.
    QPointer<QWidget> m_pink;
    qint64 m_pinkMovedAt = -1;
    Landed m_longest;
    QWidget *m_overlay = nullptr;
    QPointer<QWidget> m_focusBeforePause;
};

// The end-of-day picture for the hour the day ends ("10", "17").
QString dayOverPicture(const QString &endHour);

// Opens the 設定 dialog over parent and applies what the player chooses.
void openSettings(QWidget *parent, Game &game);

// The strike window has just opened (the rod tip is held down): the bite
// cue sounds once, if the player turned it on in 設定, at the effects'
// volume. The fishing code calls it once a window, where the window opens.
void playBiteCue(Game &game);

// Shows a window opened from a game window (its parent) centred on it.
// While a day is on it comes modal and holds the day's clock and timers
// until it closes, as 設定 and the message boxes do.
void showOverTheDay(QWidget *window, Game &game);
// The settings screen's button that opens it.
QPushButton *addSettingsButton(GameWindow &window, QWidget *parent, QRect geometry);

} // namespace comforts
