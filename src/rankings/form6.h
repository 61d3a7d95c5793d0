#pragma once

#include "app/gamewindow.h"
#include "rankings/rankings.h"

#include <array>

class BrowserPane;
namespace bestrecords {
struct BestRecord;
}
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The past-records screen: the best records of everybody, a raft or an
// angler, the three best-ten lists, and the per-angler pane of saved days.
// It reads the record file and the angler list each time it is loaded;
// "閉じる" unloads it, so the next opening reads them again.
class Form6 : public GameWindow
{
public:
    explicit Form6(Game &game);

    void load() override;
    // Offers the pruning while the record file holds more than 200 lines.
    void activate() override;
    // The window's own close control is refused.
    bool queryUnload(bool byCloseControl) override;

    // A message box captioned like this screen (it remembers that the
    // screen lost the focus to its own message, see activate()).
    int message(const QString &text, MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None);

    // ---- handlers ----
    void CloseScreen(); // Command1 "閉じる"
    void ShowBestEver(); // Command2 "現在までの最高記録"
    void PickAngler(); // Combo1 Click
    void ChooseRaft(int raft); // Option1..Option5
    void ChooseAllRafts(); // Option6 "全てのいかだ"
    void ToggleBestTen(rankings::Measure measure); // Command3, Command7, Command8
    // A record combo ("Combo3".."Combo11") was clicked: the other combos of
    // its frame that list several days follow it.
    void FollowRecordCombo(int comboNumber);

    // ---- procedures ----
    void SetRaftName();
    void ShowOverallRecords();
    void ShowFilteredRecords();
    void ClearRecordDisplay();
    void ResetBestValues();
    void SelectFirstEntries();
    void CaptionRecordFrames();
    void PruneRecordFile();

    // The raft option 1..6 and the record combo 3..11, by name.
    QRadioButton *option(int number) const;
    QComboBox *recordCombo(int number) const;

    // ---- state ----
    int CurRaftNo = 0;
    QString CurRaftName;
    QString SelectedRaft;
    QString BestSize, BestCount, BestTotal; // best keys found; "0" for none
    QString BestAngler;

    // ---- controls ----
    QLabel *Label29 = nullptr; // what the frames or the list cover
    QPushButton *Command1 = nullptr; // 閉じる
    QGroupBox *Frame6 = nullptr; // ランキングリスト
    QGroupBox *Frame2 = nullptr; // 最長寸
    QLabel *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label10 = nullptr;
    QLabel *Label7 = nullptr;
    QComboBox *Combo3 = nullptr, *Combo4 = nullptr, *Combo5 = nullptr;
    QGroupBox *Frame3 = nullptr; // 枚数
    QLabel *Label19 = nullptr, *Label18 = nullptr, *Label17 = nullptr, *Label16 = nullptr, *Label11 = nullptr;
    QLabel *Label14 = nullptr;
    QComboBox *Combo6 = nullptr, *Combo7 = nullptr, *Combo8 = nullptr;
    QGroupBox *Frame4 = nullptr; // 合計長寸
    QLabel *Label28 = nullptr, *Label27 = nullptr, *Label26 = nullptr, *Label25 = nullptr, *Label20 = nullptr;
    QLabel *Label23 = nullptr;
    QComboBox *Combo9 = nullptr, *Combo10 = nullptr, *Combo11 = nullptr;
    QPushButton *Command3 = nullptr; // 大きさベスト10
    QPushButton *Command7 = nullptr; // 枚数ベスト10
    QPushButton *Command8 = nullptr; // 合計長寸ベスト10
    QListWidget *List3 = nullptr; // the best-ten list, over the record frames
    QPushButton *Command2 = nullptr; // 現在までの最高記録
    QGroupBox *Frame1 = nullptr; // いかだ別に記録を検索
    QLabel *Label30 = nullptr;
    QComboBox *Combo1 = nullptr; // すべて, or one angler
    QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr, *Option4 = nullptr, *Option5 = nullptr,
                 *Option6 = nullptr;
    QGroupBox *Frame5 = nullptr; // 個人別のデータ
    BrowserPane *browser = nullptr; // the per-angler pane inside Frame5

protected:
    bool event(QEvent *event) override;

private:
    // What differs between the three categories and their buttons.
    struct Category
    {
        rankings::Measure measure;
        QGroupBox *frame;
        QLabel *value;
        QComboBox *angler, *date, *raft;
        QPushButton *tenButton;
    };
    const Category &categoryOf(rankings::Measure measure) const;
    void showBest(const Category &category, const bestrecords::BestRecord &best);
    void uncheckOptions();
    QString dataDir() const;
    // The angler list stands at すべて (or has nobody in it).
    bool everybodyChosen() const;

    std::array<Category, 3> m_categories {};
    int m_messageDepth = 0;
    bool m_backFromMessage = false;
    bool m_following = false;
    // 全てのいかだ is chosen (SelectedRaft then holds the すべて caption).
    bool m_allRafts = false;
    // The record file was read whole and as the game's text: only such a
    // file is ever offered for pruning.
    bool m_recordFileSound = false;
};
