#pragma once

class Game;
class GameWindow;
class QWidget;
class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;

// Hands out the one instance of each screen, creating it on first use
// (initialise, then load) and again after it was unloaded.
class Screens
{
public:
    explicit Screens(Game &game);
    ~Screens();
    Screens(const Screens &) = delete;
    Screens &operator=(const Screens &) = delete;

    Form1 &form1();
    Form2 &form2();
    Form3 &form3();
    Form4 &form4();
    Form5 &form5();
    Form6 &form6();
    Form7 &form7();

    // The screen if it exists now, without creating it.
    Form1 *loadedForm1() const;
    Form2 *loadedForm2() const;
    Form3 *loadedForm3() const;
    Form4 *loadedForm4() const;
    Form5 *loadedForm5() const;
    Form6 *loadedForm6() const;
    Form7 *loadedForm7() const;

    // Shows a screen modelessly and makes it the active window. A screen
    // coming up opens centred on the window it was opened from (the active
    // one), or on the screen when there is none, as at the start.
    void show(GameWindow &window);
    // Hides a screen (it stays loaded).
    void hide(GameWindow &window);
    // Unloads a screen as its own code would (queryUnload may refuse; returns
    // false then). Its next use creates it anew.
    bool unload(GameWindow &window);
    // Called by a window that was closed: drops it from the registry.
    void forget(GameWindow *window);
    // Closes every window without asking (the program is ending).
    void closeAll();

private:
    template <class F>
    F &ensure(int index);
    template <class F>
    F *loaded(int index) const;

    Game &m_game;
    GameWindow *m_windows[8] = {};
};

// Places a window that is about to be shown with its centre on the centre
// of over (on the screen's when over is null), kept inside the screen.
void centreOver(QWidget &window, const QWidget *over);
