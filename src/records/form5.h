#pragma once

#include "app/controlarray.h"
#include "app/gamewindow.h"
#include "day/day.h"

#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QPushButton;

// The today's catch screen: the day's summary and catch list, and the save
// of the day. Its "閉じる" is the program's way out once the day is over.
class Form5 : public GameWindow
{
public:
    explicit Form5(Game &game);

    void initialise() override;
    void load() override;
    bool queryUnload(bool byCloseControl) override;

    // What a save came to.
    enum class SaveResult {
        Saved,        // the day file and the record line were written
        NoChinu,      // nothing to write: no chinu today
        AlreadySaved, // refused: the day was saved before
        NotChinuDay,  // refused: the target fish was not チヌ
        Failed,       // a file could not be written; the day stays unsaved
    };

    void Command1Click(); // 閉じる
    void 次の釣行へClick();
    void Command2Click(); // the list toggle
    void 保存Click();
    void 過去の記録Click();
    SaveResult SaveToday();
    // Leaving today's catch: a day with chinu not yet saved is offered for
    // saving. What the player answered and what came of it.
    enum class Leaving {
        Nothing,  // nothing to ask: saved already, or no chinu
        Declined, // answered No: the day is left unsaved
        Saved,    // answered Yes and written
        Failed,   // answered Yes, but a file could not be written
    };
    Leaving AskToSaveBeforeLeaving();
    // 0 until the day has been saved (or found to hold no chinu), then 1.
    int SavedFlag = 0;

    // ---- controls ----
    QLabel *Label1 = nullptr; // title
    QLabel *Label9 = nullptr; // today's date
    QLabel *Label6 = nullptr; // angler
    QLabel *Label3 = nullptr; // raft name
    QLabel *Label4 = nullptr; // fish of all kinds
    QLabel *Label5 = nullptr; // chinu
    QLabel *Label8 = nullptr; // total length of the chinu
    QLabel *Label7 = nullptr; // longest chinu
    // The fixed texts: 0 釣り人, 1 釣り場, 2 合計釣果, 3 チヌの数,
    // 4 チヌの長寸合計, 5 本日の大物, 6 匹, 7 枚, 8 and 9 センチ.
    ControlArray<QLabel> Label2;
    QListWidget *List1 = nullptr; // the whole catch
    QListWidget *List2 = nullptr; // the chinu alone, in List1's place
    QPushButton *Command1 = nullptr;
    QPushButton *次の釣行へ = nullptr;
    QPushButton *Command2 = nullptr;
    QAction *保存 = nullptr;
    QAction *過去の記録 = nullptr;

private:
    // Today's chinu, in the order they were landed.
    std::vector<CaughtFish> chinuOfToday() const;
    void fillChinuList();
    bool m_chinuOnly = false; // the list toggle shows the chinu alone
};
