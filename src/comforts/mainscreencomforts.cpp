#include "mainscreencomforts.h"

#include "comfortstexts.h"
#include "controlspage.h"
#include "comfortsettings.h"
#include "settingsdialog.h"

#include "app/game.h"
#include "app/gamewindow.h"
#include "app/screens.h"
#include "mainscreen/fishing/buttoncolours.h"
#include "mainscreen/form1.h"
#include "platform/picturebox.h"
#include "state/gamestate.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace T = comfortstexts;

namespace comforts {

namespace {

// Dims the screen while the game is paused and takes every click and key
// meant for the controls under it.
class PauseOverlay : public QWidget
{
public:
    explicit PauseOverlay(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("一時停止中"));
        setFocusPolicy(Qt::StrongFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(20, 40, 60, 120));
        const QRect card(width() / 2 - 150, height() / 2 - 70, 300, 120);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x7d, 0x8c, 0x99), 1.5));
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawRoundedRect(card, 10, 10);
        QFont big = font();
        big.setPointSizeF(font().pointSizeF() + 12);
        big.setBold(true);
        p.setFont(big);
        p.setPen(QColor(0x1c, 0x35, 0x50));
        p.drawText(card.adjusted(0, 10, 0, -44), Qt::AlignCenter, T::PausedOverlay());
        p.setFont(font());
        p.setPen(QColor(0x3d, 0x55, 0x6a));
        p.drawText(card.adjusted(0, 70, 0, -10), Qt::AlignCenter, T::PausedHint());
    }
    void keyPressEvent(QKeyEvent *event) override { event->accept(); }
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
};

QKeySequence key(QKeyCombination k)
{
    return QKeySequence(k);
}

// Holds the day's timers while its window is on screen, as an open message
// box does: ticks that fall due meanwhile come as one once it is gone.
class DayHold : public QObject
{
public:
    DayHold(QWidget *window, Scheduler &scheduler)
        : QObject(window)
        , m_scheduler(scheduler)
    {
        window->installEventFilter(this);
    }
    ~DayHold() override { release(); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !m_holding) {
            m_holding = true;
            m_scheduler.enterModal();
        } else if (event->type() == QEvent::Hide) {
            release();
        }
        return false;
    }

private:
    void release()
    {
        if (!m_holding)
            return;
        m_holding = false;
        m_scheduler.leaveModal();
    }

    Scheduler &m_scheduler;
    bool m_holding = false;
};

// The clock of a day runs: started, and neither ended nor packed up.
bool dayOn(Game &game)
{
    const Form1 *f = game.screens().loadedForm1();
    return f && !game.ending() && f->Timer時間管理->isEnabled() && !f->day().ending;
}

} // namespace

MainScreenComforts::MainScreenComforts(Form1 &form)
    : QObject(&form)
    , m_form(form)
    , m_dayEvents(form.game().dayEvents)
{
    setObjectName(QStringLiteral("MainScreenComforts"));
    m_overlay = new PauseOverlay(form.centralWidget());
    m_overlay->setGeometry(form.centralWidget()->rect());
    addKeys();

    for (QWidget *w : {static_cast<QWidget *>(form.Command1), static_cast<QWidget *>(form.Command2),
                       static_cast<QWidget *>(form.Command3), static_cast<QWidget *>(form.Command4),
                       static_cast<QWidget *>(form.Command5), static_cast<QWidget *>(form.List2),
                       static_cast<QWidget *>(form.Picture1(0))})
        w->installEventFilter(this);
    form.Image5->installEventFilter(this);
    form.menuBar()->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { applicationStateChanged(state); });
    m_dayEvents.add(this);
}

MainScreenComforts::~MainScreenComforts()
{
    // The screen is half gone by now: the hub is reached without it.
    m_dayEvents.remove(this);
}

void MainScreenComforts::dayEvent(const daylog::DayEvent &event)
{
    if (event.kind == daylog::EventKind::FishLanded)
        noteCatch(event);
    if (event.kind != daylog::EventKind::DayStarted && event.kind != daylog::EventKind::DayEnded)
        return;
    m_dayOver = event.kind == daylog::EventKind::DayEnded;
    一時停止->setEnabled(!m_dayOver);
}

MainScreenComforts *MainScreenComforts::of(Form1 &form)
{
    return form.findChild<MainScreenComforts *>(QStringLiteral("MainScreenComforts"), Qt::FindDirectChildrenOnly);
}

void MainScreenComforts::addKeys()
{
    Form1 &f = m_form;
    f.仕掛けを作る->setShortcut(key(Qt::Key_R));
    f.スタート->setShortcut(key(Qt::Key_S));
    f.釣果を保存->setShortcut(key(Qt::CTRL | Qt::Key_S));
    // Ctrl+Q is one slip of the fingers away from Ctrl+S: while the day
    // still has time it asks first. The menu item itself ends as it always did.
    auto *packUp = new QAction(this);
    packUp->setObjectName(QStringLiteral("納竿Key"));
    packUp->setShortcut(key(Qt::CTRL | Qt::Key_Q));
    f.addAction(packUp);
    connect(packUp, &QAction::triggered, this, [this] {
        Form1 &form = m_form;
        if (!form.納竿->isEnabled())
            return;
        if (dayOn(form.game()) && !form.EndHourReached()
            && form.message(comfortstexts::PackUpEarlyQuestion(), MessageButtons::YesNo) != AnswerYes)
            return;
        form.納竿->trigger();
    });

    QMenuBar *menus = f.menuBar();
    const auto addMenu = [&](QAction *&action, const QString &caption, QKeySequence shortcut) {
        action = menus->addAction(caption);
        action->setObjectName(caption);
        action->setShortcut(shortcut);
    };
    addMenu(一時停止, T::MenuPause(), key(Qt::Key_P));
    一時停止->setCheckable(true);
    addMenu(設定, T::MenuSettings(), key(Qt::Key_F2));
    addMenu(操作, T::MenuControls(), key(Qt::Key_F1));
    connect(一時停止, &QAction::triggered, this, [this] { togglePause(); });
    connect(設定, &QAction::triggered, this, [this] { openSettings(&m_form, m_form.game()); });
    connect(操作, &QAction::triggered, this, [this] { ControlsPage::open(&m_form); });
    for (QAction *action : menus->actions())
        action->installEventFilter(this); // shortcuts of the day's menus wait out a pause

    addFishingKey(f.Command1, QStringLiteral("Command1キー"), Qt::Key_Z);
    addFishingKey(f.Command2, QStringLiteral("Command2キー"), Qt::Key_X);
    addFishingKey(f.Command3, QStringLiteral("Command3キー"), Qt::Key_C);
    addFishingKey(f.Command5, QStringLiteral("Command5キー"), Qt::Key_V);
}

// A key of a fishing button presses it as a click would, while it can be
// clicked. Window shortcuts never reach the screen while a message box is
// open, so no key can answer a box by accident.
void MainScreenComforts::addFishingKey(QPushButton *button, const QString &name, Qt::Key k)
{
    auto *action = new QAction(&m_form);
    action->setObjectName(name);
    action->setShortcut(key(k));
    action->setShortcutContext(Qt::WindowShortcut);
    m_form.addAction(action);
    connect(action, &QAction::triggered, this, [this, button] {
        if (!paused() && button->isEnabled() && !button->isHidden())
            button->click();
    });
}

bool MainScreenComforts::paused() const
{
    return m_form.game().platform.scheduler.paused();
}

void MainScreenComforts::togglePause()
{
    if (m_dayOver && !paused())
        return;
    if (paused())
        resume();
    else
        pause();
}

void MainScreenComforts::pause()
{
    Scheduler &scheduler = m_form.game().platform.scheduler;
    if (scheduler.paused())
        return;
    scheduler.pause();
    m_focusBeforePause = m_form.focusWidget();
    m_overlay->setGeometry(m_form.centralWidget()->rect());
    m_overlay->show();
    m_overlay->raise();
    m_overlay->setFocus();
    一時停止->setChecked(true);
}

void MainScreenComforts::resume()
{
    Scheduler &scheduler = m_form.game().platform.scheduler;
    if (!scheduler.paused())
        return;
    m_overlay->hide();
    一時停止->setChecked(false);
    if (m_focusBeforePause)
        m_focusBeforePause->setFocus();
    followThePinkButton();
    scheduler.resume();
}

void MainScreenComforts::applicationStateChanged(Qt::ApplicationState state)
{
    // Only when the player leaves the whole game: a message box of the game
    // taking the focus is not leaving.
    if (state == Qt::ApplicationActive || paused())
        return;
    if (!m_form.Timer時間管理->isEnabled() || m_form.day().ending)
        return; // no day running: nothing to stop
    if (loadSettings().pauseOnFocusLoss)
        pause();
}

void MainScreenComforts::followThePinkButton()
{
    if (paused())
        return;
    Form1 &f = m_form;
    QWidget *next = nullptr;
    const DayControls &c = f.day().controls;
    if (f.day().landedOnShow && f.Command4->isEnabled()) {
        next = f.Command4;
    } else if (!f.List2->isHidden()) {
        next = f.List2;
    } else if (c.dropEnabled && c.dropLit) {
        next = f.Command1;
    } else if (c.breakEnabled && c.breakLit) {
        next = f.Command2;
    } else if (c.strikeEnabled && c.strikeLit) {
        next = f.Command3;
    }
    if (!next)
        return;
    // Focused as a key would, so the focus frame shows where Space goes.
    next->setFocus(Qt::ShortcutFocusReason);
    m_form.setAttribute(Qt::WA_KeyboardFocusChange);
    next->update();
}

QString dayOverPicture(const QString &endHour)
{
    // The boatman comes under the sky of the hour the day ends.
    const int hour = endHour.trimmed().toInt();
    if (hour <= 0 || hour >= 16)
        return QStringLiteral("dayover");
    if (hour <= 11)
        return QStringLiteral("dayover_morning");
    if (hour <= 13)
        return QStringLiteral("dayover_noon");
    return QStringLiteral("dayover_afternoon");
}

void MainScreenComforts::noteCatch(const daylog::DayEvent &landed)
{
    // The longest chinu of the day, with the bait and the tide it came on.
    if (landed.fish != daylog::displayName(daylog::Fish::Chinu) || landed.length <= m_longest.lengthCm)
        return;
    m_longest.lengthCm = landed.length;
    m_longest.bait = daylog::baitFromCaption(landed.bait);
    m_longest.tide = tideFromWord(landed.tideDirection);
}

bool MainScreenComforts::isPinkButton(const QObject *watched) const
{
    const Form1 &f = m_form;
    return watched == f.Command1 || watched == f.Command2 || watched == f.Command3 || watched == f.Command4;
}

bool MainScreenComforts::runOnPress(QObject *watched, const QKeyEvent *key) const
{
    const int k = key->key();
    if (k != Qt::Key_Space && k != Qt::Key_Return && k != Qt::Key_Enter)
        return false;
    if (watched == m_form.Picture1(0))
        return false;
    // A key held down acts once, on its first press.
    if (key->isAutoRepeat())
        return true;
    return key->type() == QEvent::KeyPress && isPinkButton(watched) && m_pinkMovedAt >= 0
        && m_form.game().platform.scheduler.steadyMs() - m_pinkMovedAt < TapGuardMs;
}

bool MainScreenComforts::allowedWhilePaused(const QAction *action) const
{
    return action == 一時停止 || action == 設定 || action == 操作;
}

bool MainScreenComforts::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (watched == m_form.Image5) {
            if (event->type() == QEvent::ShowToParent)
                m_form.Image5->setPictureName(dayOverPicture(m_form.state().EndHour));
        } else if (watched != m_form.menuBar()) {
            followThePinkButton();
        }
        break;
    case QEvent::Shortcut:
        // The day's menus wait while the game is paused.
        if (paused() && !allowedWhilePaused(qobject_cast<QAction *>(watched)))
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (watched == m_form.menuBar() && paused()) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (!allowedWhilePaused(m_form.menuBar()->actionAt(mouse->position().toPoint())))
                return true;
        }
        break;
    case QEvent::FocusIn:
        // The pink went on to another button: the guard against run-on taps starts.
        if (isPinkButton(watched)) {
            auto *button = static_cast<QWidget *>(watched);
            if (m_pink && m_pink != button)
                m_pinkMovedAt = m_form.game().platform.scheduler.steadyMs();
            m_pink = button;
        }
        break;
    case QEvent::KeyRelease:
        if (runOnPress(watched, static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::KeyPress: {
        if (runOnPress(watched, static_cast<QKeyEvent *>(event)))
            return true;
        // Enter presses the focused fishing button as Space does.
        auto *button = qobject_cast<QPushButton *>(watched);
        const int k = static_cast<QKeyEvent *>(event)->key();
        if (button && (k == Qt::Key_Return || k == Qt::Key_Enter)) {
            if (!paused() && button->isEnabled())
                button->click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

void openSettings(QWidget *parent, Game &game)
{
    SettingsDialog dialog(loadSettings(), parent, loadLanguage());
    // The game's timers hold while it is open, as under a message box.
    Scheduler &scheduler = game.platform.scheduler;
    scheduler.enterModal();
    const int answer = dialog.exec();
    scheduler.leaveModal();
    if (answer != QDialog::Accepted)
        return;
    const ComfortSettings chosen = dialog.values();
    saveSettings(chosen);
    saveLanguage(dialog.language());
    game.platform.sound.setLevels(chosen.sound);
    game.platform.cue.setOn(chosen.biteCue);
    game.quietNotices = chosen.quietNotices;
}

void playBiteCue(Game &game)
{
    game.platform.cue.cue(game.platform.sound.levels());
}

void showOverTheDay(QWidget *window, Game &game)
{
    if (dayOn(game) && !window->findChild<QObject *>(QStringLiteral("DayHold"), Qt::FindDirectChildrenOnly)) {
        // Modality is taken at showing: a window already open comes again.
        if (window->isVisible())
            window->hide();
        window->setWindowModality(Qt::ApplicationModal);
        (new DayHold(window, game.platform.scheduler))->setObjectName(QStringLiteral("DayHold"));
    }
    if (!window->isVisible()) {
        const QWidget *parent = window->parentWidget();
        centreOver(*window, parent ? parent->window() : nullptr);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

QPushButton *addSettingsButton(GameWindow &window, QWidget *parent, QRect geometry)
{
    auto *button = new QPushButton(T::SettingsButton(), parent);
    button->setObjectName(QStringLiteral("設定"));
    button->setGeometry(geometry);
    QObject::connect(button, &QPushButton::clicked, &window, [&window] { openSettings(&window, window.game()); });
    return button;
}

} // namespace comforts
