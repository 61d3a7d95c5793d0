#pragma once

#include "support/testgame.h"

#include "app/screens.h"
#include "mainscreen/fishing/buttoncolours.h"
#include "day/dayengine.h"
#include "mainscreen/form1.h"
#include "platform/picturebox.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

// The entries of the day's catch list.
inline QStringList catchListOf(const Form1 &form)
{
    QStringList list;
    for (int i = 0; i < form.List1->count(); ++i)
        list << form.List1->item(i)->text();
    return list;
}

// The main screen at the drop, on a raft where every tick passes the bite
// gate: falling tide on a falling-tide raft (the tide matches), many chinu
// (density 3, the tick's draw is TickRolls[3]), leader 2号 at depth 1 and
// current 1 (figure 4, limit 8), few bait stealers, average chinu 25 cm,
// size factor 1. The bait オキアミ is not one of today's good baits.
class Pond
{
public:
    explicit Pond(int targetCode = 1)
        : form(game.screens().form1())
        , fishing(form.fishing())
    {
        GameState &s = game.state();
        s.TargetCode = targetCode;
        s.DepthLevel = 1;
        s.CurrentLevel = 1;
        s.StealerLevel = 1;
        s.ChinuDensity = 3;
        s.SizeFactor = 1;
        s.AverageSize = 25;
        s.FavourableTide = TideDirection::Ebb;
        const bool mullet = targetCode == 2;
        form.setRig(mullet ? daylog::Leader::No3 : daylog::Leader::No2, mullet ? daylog::Hook::Suikomi : daylog::Hook::No4,
                    mullet ? std::nullopt : std::optional(daylog::Bait::Okiami));
        form.day().goodBaits = {daylog::Bait::Boke, daylog::Bait::Kani, daylog::Bait::Sanagi};
        form.day().ebbShown = true;
        form.day().floodShown = false;
        form.day().tide = TideDirection::Ebb;
        fishing.EndBiteCycle();
        form.showControls();
        game.dialogs.clear();
        game.sound.clearLog();
    }

    GameState &state() { return game.state(); }

    // The ten draws of a rod-tip tick, in the order the tick makes them.
    struct Tick
    {
        int t16 = 16, t12 = 12, t8 = 8; // TickRolls[1..3]
        int v1 = 1, v3 = 1, v4 = 1, v5 = 1, v6 = 1, v7 = 1, v8 = 1; // BiteRolls
    };
    void pushTick(const Tick &d)
    {
        ScriptedRandom &r = game.random;
        r.pushDraw(d.t16, 16);
        r.pushDraw(d.t12, 12);
        r.pushDraw(d.t8, 8);
        r.pushDraw(d.v1, 3);
        r.pushDraw(d.v3, 10);
        r.pushDraw(d.v4, 15);
        r.pushDraw(d.v5, 5);
        r.pushDraw(d.v6 < 0 ? 2 : 1, 3);
        r.pushDraw(d.v7, 10);
        r.pushDraw(d.v8, 5);
    }
    // A tick that brings nothing (the draw is above every limit and class).
    static Tick quietTick() { return Tick{}; }
    // A bite of a class with the sequence draw v3 and w = BiteRolls[8], for
    // a chinu of 25 + v5 x v6 cm (favourable-tide choice, u 5).
    static Tick biteTick(int cls, int v3, int w = 3, int v1 = 1, int v5 = 1, int v6 = 1)
    {
        Tick d;
        d.t8 = cls == 2 ? 6 : cls == 3 ? 3 : 5; // classes of a bait that is not good
        d.v1 = v1;
        d.v3 = v3;
        d.v4 = 5;
        d.v5 = v5;
        d.v6 = v6;
        d.v8 = w;
        return d;
    }
    // The fish is a フグ of 10 + v5 x v6 cm instead (u 14, V7 8).
    static Tick stealer(Tick d)
    {
        d.v4 = 14;
        d.v7 = 8;
        return d;
    }
    // The two draws of a bite-timer tick in step 0.
    void pushBiteTick(int v11, int v12)
    {
        game.random.pushDraw(v11, 10);
        game.random.pushDraw(v12 - 5, 5);
    }

    // Drop, break by the button, and run one rod-tip tick with these draws.
    void dropAndTick(const Tick &d)
    {
        game.random.pushDraw(1, 5);
        form.Command1->click();
        form.Command2->click();
        pushTick(d);
        game.advance(1000);
    }

    // The Picture1 element that the rod-tip view shows (-1: none).
    int tip() const { return element(form.Picture1, form.Image2, 1); }
    // The Picture3 element that the rod view shows.
    int rod() const { return element(form.Picture3, form.Image1, 0); }

    bool hasFocus(const QWidget *w) const { return form.focusWidget() == w; }
    static bool pink(const QPushButton *b) { return buttoncolours::colour(b) == buttoncolours::active(); }
    static bool blue(const QPushButton *b) { return buttoncolours::colour(b) == buttoncolours::inactive(); }
    QStringList messages() const { return game.dialogs.texts(); }
    QStringList catchList() const { return catchListOf(form); }

    TestGame game;
    Form1 &form;
    DayEngine &fishing;

private:
    static int element(const ControlArray<PictureBox> &array, const PictureBox *view, int from)
    {
        for (const auto &[index, box] : array.items())
            if (index >= from && box->pictureName() == view->pictureName())
                return index;
        return -1;
    }
};
