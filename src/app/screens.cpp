#include "screens.h"

#include "game.h"
#include "gamewindow.h"
#include "guides/form4.h"
#include "guides/form7.h"
#include "mainscreen/form1.h"
#include "prep/form2.h"
#include "prep/form3.h"
#include "rankings/form6.h"
#include "records/form5.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

Screens::Screens(Game &game)
    : m_game(game)
{
}

Screens::~Screens()
{
    for (GameWindow *&w : m_windows) {
        delete w;
        w = nullptr;
    }
}

template <class F>
F &Screens::ensure(int index)
{
    if (!m_windows[index]) {
        // Registered before its steps run, so that they may refer to it.
        auto *form = new F(m_game);
        m_windows[index] = form;
        form->initialise();
        form->load();
    }
    return static_cast<F &>(*m_windows[index]);
}

template <class F>
F *Screens::loaded(int index) const
{
    return static_cast<F *>(m_windows[index]);
}

Form1 &Screens::form1() { return ensure<Form1>(1); }
Form2 &Screens::form2() { return ensure<Form2>(2); }
Form3 &Screens::form3() { return ensure<Form3>(3); }
Form4 &Screens::form4() { return ensure<Form4>(4); }
Form5 &Screens::form5() { return ensure<Form5>(5); }
Form6 &Screens::form6() { return ensure<Form6>(6); }
Form7 &Screens::form7() { return ensure<Form7>(7); }
Form1 *Screens::loadedForm1() const { return loaded<Form1>(1); }
Form2 *Screens::loadedForm2() const { return loaded<Form2>(2); }
Form3 *Screens::loadedForm3() const { return loaded<Form3>(3); }
Form4 *Screens::loadedForm4() const { return loaded<Form4>(4); }
Form5 *Screens::loadedForm5() const { return loaded<Form5>(5); }
Form6 *Screens::loadedForm6() const { return loaded<Form6>(6); }
Form7 *Screens::loadedForm7() const { return loaded<Form7>(7); }

void Screens::show(GameWindow &window)
{
    if (!window.isVisible()) {
        QWidget *opener = QApplication::activeWindow();
        centreOver(window, opener == &window ? nullptr : opener);
    }
    window.show();
    window.raise();
    window.activateWindow();
}

void Screens::hide(GameWindow &window)
{
    window.hide();
}

bool Screens::unload(GameWindow &window)
{
    if (window.queryUnload(false))
        return false;
    window.hide();
    forget(&window);
    return true;
}

void Screens::forget(GameWindow *window)
{
    for (GameWindow *&w : m_windows)
        if (w == window) {
            w = nullptr;
            window->deleteLater();
        }
}

void Screens::closeAll()
{
    for (GameWindow *&w : m_windows) {
        if (!w)
            continue;
        GameWindow *window = w;
        w = nullptr;
        window->hide();
        window->deleteLater();
    }
}

void centreOver(QWidget &window, const QWidget *over)
{
    // A window sized by its layout takes its size only when shown: ask now.
    if (QLayout *layout = window.layout())
        layout->activate();
    QScreen *screen = over ? over->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QPoint centre = over ? over->frameGeometry().center() : room.center();
    const QSize size = window.size();
    QPoint topLeft(centre.x() - size.width() / 2, centre.y() - size.height() / 2);
    topLeft.setX(qBound(room.left(), topLeft.x(), qMax(room.left(), room.right() - size.width())));
    topLeft.setY(qBound(room.top(), topLeft.y(), qMax(room.top(), room.bottom() - size.height())));
    window.move(topLeft);
}
