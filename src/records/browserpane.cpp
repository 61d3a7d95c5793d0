#include "browserpane.h"

#include "charts/chartbuttons.h"
#include "app/controls.h"
#include "app/game.h"
#include "comforts/gyotaku.h"
#include "records/browser.h"
#include "records/browsertexts.h"
#include "records/datafiles.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int FrameWidth = 770;
constexpr int FrameHeight = 324;
constexpr int Pad = 12;
constexpr int ColumnWidth = 220;
constexpr int ListLeft = Pad + ColumnWidth + 16;
constexpr int ListTop = 56;


QLabel *makeBox(QWidget *parent, const QString &name, QRect geometry)
{
    QLabel *box = makeLabel(parent, name, QString(), geometry);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #7d8c99; padding: 0px 6px; }"));
    return box;
}


} // namespace

BrowserPane::BrowserPane(QGroupBox *frame, Game &game, Ask ask)
    : QObject(frame)
    , m_game(game)
    , m_ask(std::move(ask))
{
    namespace T = browsertexts;
    frame->setTitle(T::Frame());

    Label1 = makeLabel(frame, QStringLiteral("Label1"), T::PickName(), { Pad, 28, ColumnWidth, 24 });
    Combo2 = new QComboBox(frame);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setGeometry(Pad, ListTop, ColumnWidth, 28);
    Combo2->setMaxVisibleItems(16);

    const int headWidth = 84;
    const int boxLeft = Pad + headWidth;
    const int boxWidth = ColumnWidth - headWidth;
    Label6 = makeLabel(frame, QStringLiteral("Label6"), T::Longest(), { Pad, 100, headWidth, 28 });
    Label12 = makeBox(frame, QStringLiteral("Label12"), { boxLeft, 100, boxWidth, 28 });
    Label8 = makeLabel(frame, QStringLiteral("Label8"), T::Count(), { Pad, 134, headWidth, 28 });
    Label13 = makeBox(frame, QStringLiteral("Label13"), { boxLeft, 134, boxWidth, 28 });
    Label9 = makeLabel(frame, QStringLiteral("Label9"), T::Total(), { Pad, 168, headWidth, 28 });
    Label15 = makeBox(frame, QStringLiteral("Label15"), { boxLeft, 168, boxWidth, 28 });

    const int half = (ColumnWidth - 8) / 2;
    Command6 = makeButton(frame, QStringLiteral("Command6"), T::ShowLines(), { Pad, 210, half, 30 });
    Command5 = makeButton(frame, QStringLiteral("Command5"), T::Delete(), { Pad + half + 8, 210, half, 30 });
    Command4 = makeButton(frame, QStringLiteral("Command4"), T::BackToList(), { Pad, 244, half, 30 });
    Command6->setEnabled(false);
    Command5->setEnabled(false);
    Command4->hide();

    const int listWidth = FrameWidth - ListLeft - Pad;
    Label31 = makeLabel(frame, QStringLiteral("Label31"), QString(), { ListLeft, 28, listWidth, 24 });
    QFont chosen = Label31->font();
    chosen.setBold(true);
    Label31->setFont(chosen);
    const QRect listArea(ListLeft, ListTop, listWidth, FrameHeight - ListTop - Pad);
    List1 = new QListWidget(frame);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(listArea);
    List2 = new QListWidget(frame);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setGeometry(listArea);
    List2->setSelectionMode(QAbstractItemView::NoSelection);
    List2->hide();
    // The day's 魚拓 and 釣行記録 follow the chosen day, so they come once
    // the list of days is there.
    comforts::addGyotakuButton(*this, frame, { Pad + half + 8, 244, half, 30 });
    charts::addDayLogButton(*this, frame, { Pad, 278, ColumnWidth, 30 });

    connect(Combo2, &QComboBox::activated, this, [this] { ListAnglerDays(); });
    // A day is chosen by the mouse, the arrow keys or Space: whatever
    // selects it shows it. (Tabbing into the list only marks a day, and
    // marks nothing chosen.) Clicking the chosen day again, or Enter on it,
    // shows its figures again after "一覧へ" cleared them.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_filling && !selectedItemText().isEmpty())
            ShowDayFigures();
    });
    connect(List1, &QListWidget::itemClicked, this, [this] { ShowDayFigures(); });
    connect(List1, &QListWidget::itemActivated, this, [this] {
        if (!selectedItemText().isEmpty())
            ShowDayFigures();
    });
    connect(Command6, &QPushButton::clicked, this, [this] { ShowDayLines(); });
    connect(Command4, &QPushButton::clicked, this, [this] { BackToDayList(); });
    connect(Command5, &QPushButton::clicked, this, [this] { DeleteDay(); });
}

QSize BrowserPane::frameSize()
{
    return { FrameWidth, FrameHeight };
}

void BrowserPane::setAnglers(const QStringList &names)
{
    Combo2->clear();
    Combo2->addItems(names);
    Combo2->setCurrentIndex(-1);
}

QString BrowserPane::dataDir() const
{
    return datafiles::DataDirectory(m_game.state.AppDir);
}

QString BrowserPane::selectedItemText() const
{
    const QListWidgetItem *item = List1->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void BrowserPane::clearFigures()
{
    m_figures = {};
    Label31->clear();
    Label12->clear();
    Label13->clear();
    Label15->clear();
}

void BrowserPane::clearDays()
{
    m_filling = true;
    List1->clear();
    m_fileNames.clear();
    m_filling = false;
    List1->show();
    List2->hide();
}

void BrowserPane::ListAnglerDays()
{
    m_filling = true;
    m_fileNames.clear();
    List1->clear();
    m_filling = false;
    List1->show();
    List2->hide();
    clearFigures();

    const QString angler = Combo2->currentText();
    m_fileNames = datafiles::ListDayFiles(m_game.platform.files, dataDir(), angler);
    m_filling = true;
    for (const QString &name : std::as_const(m_fileNames))
        List1->addItem(browser::DayItem(name));
    List1->setCurrentRow(-1);
    m_filling = false;
    m_game.state.DirEntryCount = int(m_fileNames.size());

    if (List1->count() > browser::WarnAbove)
        m_ask(browser::TooManyFilesWarning(angler), MessageButtons::Ok, MessageIcon::Warning);
}

void BrowserPane::ShowDayFigures()
{
    const int row = List1->currentRow();
    const QString text = selectedItemText();
    if (!text.isEmpty()) {
        List2->clear();
        m_dayLines.clear();
        if (row >= 0 && row < m_fileNames.size()) {
            // A day deleted from outside since the listing is simply not read.
            const datafiles::DayFile day
                = datafiles::ReadDayFile(m_game.platform.files, dataDir(), Combo2->currentText(), m_fileNames.at(row));
            if (day.found) {
                m_dayLines = day.lines;
                List2->addItems(day.lines);
            }
        }
        Label31->setText(text);
    }
    m_figures = browser::FiguresOf(m_dayLines);
    Label12->setText(m_figures.longest);
    Label13->setText(m_figures.count);
    Label15->setText(m_figures.total);
    Command5->setEnabled(true);
    Command6->setEnabled(true);
}

void BrowserPane::ShowDayLines()
{
    if (selectedItemText().isEmpty()) {
        m_ask(browsertexts::ChooseToShow(), MessageButtons::Ok, MessageIcon::None);
        return;
    }
    List2->show();
    List1->hide();
    Command4->show();
    Command5->setEnabled(false);
    Command6->setEnabled(false);
    List2->setFocus(); // the lines shown take the keys, to be read with the arrows
}

void BrowserPane::BackToDayList()
{
    List1->show();
    List2->hide();
    Command4->hide();
    Command5->setEnabled(true);
    Command6->setEnabled(true);
    clearFigures();
    List1->setFocus();
}

void BrowserPane::DeleteDay()
{
    const QString text = selectedItemText();
    if (text.isEmpty()) {
        m_ask(browsertexts::ChooseToDelete(), MessageButtons::Ok, MessageIcon::None);
        return;
    }
    const int row = List1->currentRow();
    const int answer = m_ask(browser::DeleteQuestion(text), MessageButtons::OkCancel, MessageIcon::None);
    m_game.state.Answer = answer;
    if (answer != AnswerOk)
        return;
    if (row >= 0 && row < m_fileNames.size()) {
        namespace T = browsertexts;
        using Outcome = datafiles::DayFileDeletion::Outcome;
        using Why = datafiles::DayFileDeletion::Why;
        const QString angler = Combo2->currentText();
        const QString fileName = m_fileNames.at(row);
        const datafiles::DayFileDeletion deletion
            = datafiles::DeleteDayFile(m_game.platform.files, dataDir(), angler, fileName);
        const QString paragraph = QStringLiteral("\n\n");
        if (deletion.gone()) {
            // Only a day whose file is really gone leaves the log.
            const daylog::DayLog::Forgetting log = m_game.dayLog().dayDeleted(angler, fileName);
            if (!log.forgotten)
                m_ask(T::LogKeptDay(text) + paragraph + log.words, MessageButtons::Ok, MessageIcon::Warning);
            else if (!log.words.isEmpty())
                m_ask(log.words, MessageButtons::Ok, MessageIcon::Warning);
        } else if (deletion.outcome == Outcome::Refused) {
            m_ask(T::DeleteRefused(text), MessageButtons::Ok,
                  MessageIcon::Warning);
        } else {
            QString why;
            switch (deletion.why) {
            case Why::ReadOnlyDisk:
                why = T::DeleteFailedReadOnlyDisk() + QLatin1Char('\n');
                break;
            case Why::NotAllowed:
                why = T::DeleteFailedNotAllowed() + QLatin1Char('\n');
                break;
            case Why::InUse:
                why = T::DeleteFailedInUse() + QLatin1Char('\n');
                break;
            case Why::Unknown:
                break;
            }
            m_ask(T::DeleteFailed(text, why), MessageButtons::Ok,
                  MessageIcon::Warning);
        }
    }
    ListAnglerDays();
}
