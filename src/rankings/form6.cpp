#include "form6.h"

#include "charts/chartbuttons.h"
#include "app/controls.h"
#include "app/game.h"
#include "app/screens.h"
#include "prep/anglerlist.h"
#include "rankings/bestrecords.h"
#include "rankings/prune.h"
#include "rankings/rankingstexts.h"
#include "records/browserpane.h"
#include "records/datafiles.h"
#include "records/daysave.h"
#include "records/sharedfolder.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

namespace T = rankingstexts;
using rankings::Measure;

namespace {

// Geometry in pixels: the ranking frame across the top with its three
// record frames, the best-ten buttons under them; the raft search and the
// per-angler pane side by side below.
constexpr int Margin = 10;
constexpr int WindowWidth = 1200;
constexpr int TopRow = 44;
constexpr int Inner = 12;
constexpr int RecordTop = 28;
constexpr int RecordHeight = 236;
constexpr int RecordGap = 10;
constexpr int RecordWidth = (WindowWidth - 2 * Margin - 2 * Inner - 2 * RecordGap) / 3;
constexpr int TenButtonTop = RecordTop + RecordHeight + 10;
constexpr int TenButtonHeight = 32;
constexpr int Frame6Height = TenButtonTop + TenButtonHeight + 12;
constexpr int LowerTop = TopRow + Frame6Height + 10;
constexpr int SearchWidth = 400;
constexpr int Command2Height = 34;
constexpr int PaneLeft = Margin + SearchWidth + 10;



// A value box: white, a thin border and a little padding.
QLabel *makeBox(QWidget *parent, const QString &name, QRect geometry)
{
    QLabel *box = makeLabel(parent, name, QString(), geometry, Qt::AlignRight | Qt::AlignVCenter);
    box->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #7d8c99; padding: 0px 6px; }"));
    QFont big = box->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() + 2);
    box->setFont(big);
    return box;
}


QComboBox *makeCombo(QWidget *parent, const QString &name, QRect geometry)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setGeometry(geometry);
    combo->setMaxVisibleItems(16);
    return combo;
}

struct TenCaptions
{
    QString frame; // Frame6 while the list is shown
    QString shown; // the button while its list is shown
    QString closed; // the button otherwise
};

TenCaptions tenCaptions(Measure measure)
{
    switch (measure) {
    case Measure::Longest:
        return { T::LongestTenFrame(), T::CloseTen(), T::ShowLongestTen() };
    case Measure::Count:
        return { T::CountTenFrame(), T::CloseCountTen(), T::ShowCountTen() };
    case Measure::Total:
        return { T::TotalTenFrame(), T::CloseTen(), T::ShowTotalTen() };
    }
    return {};
}

} // namespace

Form6::Form6(Game &game)
    : GameWindow(game, QStringLiteral("Form6"))
{
    setWindowTitle(T::Caption());
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form6Area"));
    central->setAutoFillBackground(true);
    QPalette sea = central->palette();
    sea.setColor(QPalette::Window, QColor(0xe7, 0xf1, 0xf4));
    central->setPalette(sea);
    setCentralWidget(central);

    Label29 = makeLabel(central, QStringLiteral("Label29"), QString(), { Margin, Margin, 600, 28 });
    QFont title = Label29->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() + 3);
    Label29->setFont(title);
    Command1 = makeButton(central, QStringLiteral("Command1"), T::Close(), { WindowWidth - Margin - 120, 8, 120, 30 });

    // ---- the ranking frame: three record frames, the best-ten buttons ----
    Frame6 = new QGroupBox(T::RankingList(), central);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    Frame6->setGeometry(Margin, TopRow, WindowWidth - 2 * Margin, Frame6Height);

    struct FrameNames
    {
        const char *frame, *angler, *value, *date, *raft, *box, *unit;
        QString valueHead, unitText;
        int comboNumber;
    };
    const FrameNames frameNames[3] = {
        { "Frame2", "Label2", "Label3", "Label4", "Label5", "Label7", "Label10", T::Size(), T::Centi(), 3 },
        { "Frame3", "Label19", "Label18", "Label17", "Label16", "Label14", "Label11", T::Count(), T::Mai(), 6 },
        { "Frame4", "Label28", "Label27", "Label26", "Label25", "Label23", "Label20", T::TotalHead(), T::Centi(), 9 },
    };
    const QString plainCaptions[3] = { T::Longest(), T::Count(), T::Total() };
    QGroupBox **frames[3] = { &Frame2, &Frame3, &Frame4 };
    QLabel **heads[3][4] = { { &Label2, &Label3, &Label4, &Label5 },
                             { &Label19, &Label18, &Label17, &Label16 },
                             { &Label28, &Label27, &Label26, &Label25 } };
    QLabel **boxes[3] = { &Label7, &Label14, &Label23 };
    QLabel **units[3] = { &Label10, &Label11, &Label20 };
    QComboBox **combos[3][3]
        = { { &Combo3, &Combo4, &Combo5 }, { &Combo6, &Combo7, &Combo8 }, { &Combo9, &Combo10, &Combo11 } };
    QPushButton **tenButtons[3] = { &Command3, &Command7, &Command8 };
    const char *tenNames[3] = { "Command3", "Command7", "Command8" };

    const int headWidth = 64;
    const int fieldLeft = Inner + headWidth + 6;
    const int fieldWidth = RecordWidth - fieldLeft - Inner;
    const int rowStep = 50;
    for (int c = 0; c < 3; ++c) {
        const FrameNames &n = frameNames[c];
        const int left = Inner + c * (RecordWidth + RecordGap);
        auto *frame = new QGroupBox(plainCaptions[c], Frame6);
        frame->setObjectName(QLatin1String(n.frame));
        frame->setGeometry(left, RecordTop, RecordWidth, RecordHeight);
        *frames[c] = frame;

        int y = 34;
        *heads[c][1] = makeLabel(frame, QLatin1String(n.value), n.valueHead, { Inner, y, headWidth, 30 });
        *boxes[c] = makeBox(frame, QLatin1String(n.box), { fieldLeft, y, 90, 30 });
        *units[c] = makeLabel(frame, QLatin1String(n.unit), n.unitText, { fieldLeft + 96, y, 60, 30 });
        const char *comboHeads[3] = { n.angler, n.date, n.raft };
        const QString comboHeadTexts[3] = { T::Angler(), T::Date(), T::Raft() };
        const int headIndex[3] = { 0, 2, 3 };
        for (int k = 0; k < 3; ++k) {
            y += rowStep;
            *heads[c][headIndex[k]]
                = makeLabel(frame, QLatin1String(comboHeads[k]), comboHeadTexts[k], { Inner, y, headWidth, 28 });
            const int number = n.comboNumber + k;
            QComboBox *combo
                = makeCombo(frame, QStringLiteral("Combo") + QString::number(number), { fieldLeft, y, fieldWidth, 28 });
            *combos[c][k] = combo;
            connect(combo, &QComboBox::activated, this, [this, number] { FollowRecordCombo(number); });
        }

        const Measure measure = rankings::AllMeasures[c];
        QPushButton *ten = makeButton(Frame6, QLatin1String(tenNames[c]), tenCaptions(measure).closed,
                                      { left + (RecordWidth - 240) / 2, TenButtonTop, 240, TenButtonHeight });
        *tenButtons[c] = ten;
        connect(ten, &QPushButton::clicked, this, [this, measure] { ToggleBestTen(measure); });
        m_categories[size_t(c)] = { measure, frame, *boxes[c], *combos[c][0], *combos[c][1], *combos[c][2], ten };
    }

    List3 = new QListWidget(Frame6);
    List3->setObjectName(QStringLiteral("List3"));
    List3->setGeometry(Inner, RecordTop, WindowWidth - 2 * Margin - 2 * Inner, RecordHeight);
    // A fixed-pitch face lines the ranks, keys and stamps up in columns.
    QFont listFont = List3->font();
    listFont.setFamilies({ QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("IPAGothic") });
    listFont.setStyleHint(QFont::TypeWriter);
    listFont.setPointSizeF(listFont.pointSizeF() + 1);
    List3->setFont(listFont);
    List3->hide();

    // ---- the raft search ----
    Command2 = makeButton(central, QStringLiteral("Command2"), T::BestEver(),
                          { Margin, LowerTop, SearchWidth, Command2Height });
    const int paneHeight = BrowserPane::frameSize().height();
    Frame1 = new QGroupBox(T::SearchByRaft(), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    const int frame1Top = LowerTop + Command2Height + 8;
    Frame1->setGeometry(Margin, frame1Top, SearchWidth, LowerTop + paneHeight - frame1Top);
    Label30 = makeLabel(Frame1, QStringLiteral("Label30"), T::Angler(), { Inner + 4, 32, 64, 28 });
    Combo1 = makeCombo(Frame1, QStringLiteral("Combo1"), { Inner + 74, 32, 240, 28 });
    const QStringList raftNames = T::RaftNames();
    QRadioButton **options[6] = { &Option1, &Option2, &Option3, &Option4, &Option5, &Option6 };
    for (int k = 1; k <= 6; ++k) {
        auto *opt = new QRadioButton(k <= 5 ? raftNames.at(k - 1) : T::AllRafts(), Frame1);
        opt->setObjectName(QStringLiteral("Option") + QString::number(k));
        const int row = (k - 1) / 3;
        const int column = (k - 1) % 3;
        opt->setGeometry(Inner + 4 + column * 124, 92 + row * 46, 120, 30);
        *options[k - 1] = opt;
        if (k <= 5)
            connect(opt, &QRadioButton::clicked, this, [this, k] { ChooseRaft(k); });
        else
            connect(opt, &QRadioButton::clicked, this, [this] { ChooseAllRafts(); });
    }

    charts::addStatisticsButton(*this, Frame1, { Inner + 4, 196, 240, 32 });

    // ---- the per-angler pane ----
    Frame5 = new QGroupBox(central);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    Frame5->setGeometry(PaneLeft, LowerTop, BrowserPane::frameSize().width(), paneHeight);
    browser = new BrowserPane(Frame5, game, [this](const QString &text, MessageButtons buttons, MessageIcon icon) {
        return message(text, buttons, icon);
    });

    connect(Command1, &QPushButton::clicked, this, [this] { CloseScreen(); });
    connect(Command2, &QPushButton::clicked, this, [this] { ShowBestEver(); });
    connect(Combo1, &QComboBox::activated, this, [this] { PickAngler(); });

    setFixedSize(WindowWidth, LowerTop + paneHeight + Margin);
}

QString Form6::dataDir() const
{
    return datafiles::DataDirectory(state().AppDir);
}

QRadioButton *Form6::option(int number) const
{
    return findChild<QRadioButton *>(QStringLiteral("Option") + QString::number(number));
}

QComboBox *Form6::recordCombo(int number) const
{
    return findChild<QComboBox *>(QStringLiteral("Combo") + QString::number(number));
}

const Form6::Category &Form6::categoryOf(Measure measure) const
{
    return m_categories[size_t(measure)];
}

int Form6::message(const QString &text, MessageButtons buttons, MessageIcon icon)
{
    ++m_messageDepth;
    const int answer = GameWindow::message(text, buttons, icon);
    --m_messageDepth;
    return answer;
}

bool Form6::event(QEvent *event)
{
    // The screen lost the focus to its own message box: becoming active
    // again when the box closes is not a new visit of the screen.
    if (event->type() == QEvent::WindowDeactivate && m_messageDepth > 0)
        m_backFromMessage = true;
    return GameWindow::event(event);
}

void Form6::load()
{
    FileSystem &files = game().platform.files;
    const QString dir = dataDir();
    // A save cut off between its day file and its record line is finished
    // first, so that its day is in the rankings.
    datafiles::FinishInterruptedSave(files, dir);
    const datafiles::RecordFile records = datafiles::ReadRecordFile(files, dir);
    state().RecordLines = records.lines;
    m_recordFileSound = records.found && records.readable && records.validEncoding;
    if (!records.found || !records.readable) {
        Command2->setEnabled(false);
        Frame1->hide();
        message(records.found ? T::RecordFileUnreadable() : T::NoPastData(),
                MessageButtons::Ok, records.found ? MessageIcon::Warning : MessageIcon::None);
        return;
    }
    if (!records.validEncoding)
        message(T::RecordFileUndecodable(), MessageButtons::Ok, MessageIcon::Warning);
    Command2->setEnabled(true);
    Frame1->show();

    if (files.exists(anglerListPath(dir))) {
        Combo1->addItem(T::Everybody());
        state().AnglerNames = readAnglerNames(files, dir);
        Combo1->addItems(state().AnglerNames);
        browser->setAnglers(state().AnglerNames);
        Combo1->setCurrentIndex(0);
    }
}

void Form6::activate()
{
    if (std::exchange(m_backFromMessage, false) || m_messageDepth > 0)
        return;
    if (m_recordFileSound && state().RecordLines.size() > prune::OfferAbove)
        PruneRecordFile();
}

bool Form6::queryUnload(bool byCloseControl)
{
    if (!byCloseControl)
        return false;
    message(T::UseCloseButton());
    return true;
}

void Form6::CloseScreen()
{
    game().screens().unload(*this);
}

void Form6::ShowBestEver()
{
    if (Combo1->count() > 0)
        Combo1->setCurrentIndex(0); // すべて
    Option6->setChecked(true);
    ChooseAllRafts();
}

void Form6::PickAngler()
{
    uncheckOptions();
}

void Form6::uncheckOptions()
{
    for (int k = 1; k <= 6; ++k) {
        QRadioButton *opt = option(k);
        opt->setAutoExclusive(false);
        opt->setChecked(false);
        opt->setAutoExclusive(true);
    }
}

void Form6::ChooseRaft(int raft)
{
    const QString caption = option(raft)->text();
    Label29->setText(T::DataOf(caption));
    SelectedRaft = caption;
    m_allRafts = false;
    CurRaftNo = raft;
    ShowFilteredRecords();
    CaptionRecordFrames();
}

void Form6::ChooseAllRafts()
{
    Label29->setText(T::DataOf(T::AllRafts()));
    SelectedRaft = T::Everybody();
    m_allRafts = true;
    // Without an angler list there is nobody to choose: everybody counts.
    if (everybodyChosen())
        ShowOverallRecords();
    else
        ShowFilteredRecords();
    CaptionRecordFrames();
}

void Form6::SetRaftName()
{
    const QString name = rankings::RaftName(CurRaftNo);
    if (!name.isEmpty())
        CurRaftName = name;
}

void Form6::ClearRecordDisplay()
{
    for (int n = 3; n <= 11; ++n)
        recordCombo(n)->clear();
    Label7->clear();
    Label14->clear();
    Label23->clear();
}

void Form6::ResetBestValues()
{
    BestSize = BestCount = BestTotal = QStringLiteral("0");
    BestAngler.clear();
    CurRaftNo = 0;
}

void Form6::SelectFirstEntries()
{
    for (int n = 3; n <= 11; ++n) {
        QComboBox *combo = recordCombo(n);
        if (combo->count() >= 1)
            combo->setCurrentIndex(0);
    }
}

void Form6::showBest(const Category &category, const bestrecords::BestRecord &best)
{
    category.value->setText(best.value);
    category.angler->addItems(best.anglers);
    category.date->addItems(best.dates);
    category.raft->addItems(best.rafts);
}

void Form6::ShowOverallRecords()
{
    ClearRecordDisplay();
    ResetBestValues();
    const std::vector<RecordLine> days = rankings::SavedDays(state().RecordLines);
    for (const Category &category : m_categories)
        showBest(category, bestrecords::BestOf(days, category.measure, bestrecords::Scope::everything()));
    SelectFirstEntries();
}

void Form6::ShowFilteredRecords()
{
    ClearRecordDisplay();
    BestSize = BestCount = BestTotal = QStringLiteral("0");
    BestAngler.clear();

    const QString chosen = Combo1->currentText();
    const bool everybody = everybodyChosen();
    bestrecords::Scope scope;
    if (!m_allRafts) {
        scope.raft = CurRaftNo;
        SetRaftName();
    } else {
        CurRaftNo = 0;
    }
    if (!everybody) {
        BestAngler = chosen;
        scope.angler = chosen;
    }
    const std::vector<RecordLine> days = rankings::SavedDays(state().RecordLines);
    QString *bests[3] = { &BestSize, &BestCount, &BestTotal };
    for (size_t c = 0; c < 3; ++c) {
        const bestrecords::BestRecord best = bestrecords::BestOf(days, m_categories[c].measure, scope);
        if (best.found)
            *bests[c] = best.key;
        showBest(m_categories[c], best);
    }
    SelectFirstEntries();
}

// すべて is the first entry of the angler list: it is told by its place, not
// by its words, which change with the language of the screen.
bool Form6::everybodyChosen() const
{
    return Combo1->currentIndex() <= 0;
}

void Form6::CaptionRecordFrames()
{
    const bool oneAngler = !everybodyChosen();
    for (const Category &category : m_categories) {
        const qsizetype n = oneAngler ? category.date->count() : category.angler->count();
        category.frame->setTitle(bestrecords::FrameCaption(category.measure, n, oneAngler));
    }
}

void Form6::FollowRecordCombo(int comboNumber)
{
    // Only the angler's own click moves the others: setting a combo from
    // here never comes back, so following always ends.
    if (m_following)
        return;
    m_following = true;
    const int first = 3 + (comboNumber - 3) / 3 * 3;
    const int position = recordCombo(comboNumber)->currentIndex();
    for (int n = first; n < first + 3; ++n) {
        QComboBox *other = recordCombo(n);
        if (n != comboNumber && other->count() > 1 && position < other->count() && other->currentIndex() != position)
            other->setCurrentIndex(position);
    }
    m_following = false;
}

void Form6::ToggleBestTen(Measure measure)
{
    const Category &own = categoryOf(measure);
    const TenCaptions captions = tenCaptions(measure);
    const bool opening = List3->isHidden();
    List3->clear();
    if (opening) {
        List3->addItems(rankings::BestTenLines(state().RecordLines, measure));
        List3->show();
        List3->raise();
        if (List3->count() > 0)
            List3->setCurrentRow(0);
        Frame6->setTitle(captions.frame);
        own.tenButton->setText(captions.shown);
        Label29->setText(T::TenScope());
    } else {
        List3->hide();
        Frame6->setTitle(T::RankingList());
        own.tenButton->setText(captions.closed);
        Label29->clear();
    }
    for (const Category &category : m_categories)
        if (category.tenButton != own.tenButton)
            category.tenButton->setHidden(opening);
    Command2->setHidden(opening);
    Frame1->setHidden(opening);
}

void Form6::PruneRecordFile()
{
    const QString question = T::PruneQuestion();
    state().Answer = message(question, MessageButtons::YesNo);
    if (state().Answer != AnswerYes)
        return;

    const prune::Outcome outcome = prune::PruneRecordFile(game().platform.files, dataDir());
    if (!outcome.written) {
        const QString inTheWay = datafiles::LockInTheWayText(datafiles::RecordFilePath(dataDir()));
        message(T::PruneFailed() + (inTheWay.isEmpty() ? QString() : QStringLiteral("\n\n") + inTheWay),
                MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    state().RecordLines = outcome.lines;
    browser->clearDays();
    List3->clear();

    const QString done = T::Pruned(outcome.keptDays);
    message(done);
}
