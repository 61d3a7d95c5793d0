#include "form4.h"

#include "app/controls.h"
#include "app/game.h"
#include "app/screens.h"
#include "mainscreen/rafts.h"
#include "platform/picturebox.h"
#include "prep/form3.h"
#include "spottexts.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The raft pictures are drawn at 211 x 191; the card shows them at twice
// that, so the six rows and the description fit on the water.
constexpr int PictureWidth = 2 * 211;
constexpr int PictureHeight = 2 * 191;
constexpr int Margin = 10;
constexpr int CardTop = Margin;
constexpr int FrameWidth = PictureWidth + 2 * Margin;
constexpr int FrameHeight = 26 + PictureHeight + Margin;
constexpr int BelowCard = CardTop + FrameHeight + Margin;
constexpr int WindowWidth = FrameWidth + 2 * Margin;
constexpr int WindowHeight = BelowCard + 3 * 34 + Margin;

// Rows on the water, left of the raft.
constexpr int RowsLeft = 14;
constexpr int RowsTop = 62;
constexpr int RowHeight = 30;
constexpr int HeadingLeft = RowsLeft + 10;
constexpr int HeadingWidth = 92;
constexpr int AverageLeft = HeadingLeft + HeadingWidth;
constexpr int ValueLeft = AverageLeft + 32;
constexpr int ValueWidth = 72;
constexpr int UnitLeft = ValueLeft + ValueWidth + 3;
constexpr int RowsWidth = UnitLeft + 30 - RowsLeft;

const QString boxStyle = QStringLiteral("QLabel { background: white; border: 1px solid #7d8c99; padding: 0px 2px; }");


QLabel *makeBox(QWidget *parent, const QString &name, QRect geometry)
{
    QLabel *box = makeLabel(parent, name, QString(), geometry, Qt::AlignCenter);
    box->setStyleSheet(boxStyle);
    return box;
}

} // namespace

Form4::Form4(Game &game)
    : GameWindow(game, QStringLiteral("Form4"))
{
    namespace T = spottexts;
    setWindowTitle(T::Caption());
    setFixedSize(WindowWidth, WindowHeight);
    auto *central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette sea = central->palette();
    sea.setColor(QPalette::Window, QColor(0xe7, 0xf1, 0xf4));
    central->setPalette(sea);
    setCentralWidget(central);

    QGroupBox **frames[6] = { nullptr, &Frame1, &Frame2, &Frame3, &Frame4, &Frame5 };
    ControlArray<QLabel> *valueArrays[6] = { nullptr, &A1, &B1, &C1, &D1, &E1 };
    const QString arrayNames[6]
        = { QString(),           QStringLiteral("A1"), QStringLiteral("B1"), QStringLiteral("C1"), QStringLiteral("D1"),
            QStringLiteral("E1") };
    const QStringList headings = T::headings();
    for (int k = 1; k <= 5; ++k) {
        auto *frame = new QGroupBox(central);
        frame->setObjectName(QStringLiteral("Frame") + QString::number(k));
        frame->setGeometry(Margin, CardTop, FrameWidth, FrameHeight);
        QFont titleFont = frame->font();
        titleFont.setBold(true);
        frame->setFont(titleFont);
        *frames[k] = frame;

        auto *water = new PictureBox(frame);
        water->setObjectName(QStringLiteral("Picture") + QString::number(k));
        water->setPictureName(QStringLiteral("raft_") + QString::number(k));
        water->setGeometry(Margin, 26, PictureWidth, PictureHeight);
        QFont plain = frame->font(); // the frame's caption alone is bold
        plain.setBold(false);
        water->setFont(plain);
        waterPictures[std::size_t(k)] = water;

        // A pale slate under the rows keeps them readable on any water.
        auto *slate = new QLabel(water);
        slate->setGeometry(RowsLeft, RowsTop - 8, RowsWidth, 6 * RowHeight + 14);
        slate->setStyleSheet(
            QStringLiteral("QLabel { background: rgba(255, 255, 255, 205); border: 1px solid rgba(40, 70, 100, 110);"
                           " border-radius: 6px; }"));

        const rafts::Raft *raft = rafts::byNumber(k);
        for (int row = 1; row <= 6; ++row) {
            const int top = RowsTop + (row - 1) * RowHeight;
            Label4.set(QStringLiteral("Label4"), (k - 1) * 6 + (row - 1),
                       makeLabel(water, QString(), headings.at(row - 1), { HeadingLeft, top, HeadingWidth, 24 }));
            QLabel *value = makeBox(water, QString(), { ValueLeft, top, ValueWidth, 24 });
            value->setText(raft ? rafts::shownCell(raft->cells()[std::size_t(row)]) : QString());
            valueArrays[k]->set(arrayNames[k], row, value);
        }
        makeLabel(water, QString(), T::DepthUnit(), { UnitLeft, RowsTop, 28, 24 });
        const int sizeTop = RowsTop + 4 * RowHeight;
        makeLabel(water, QString(), T::SizeAverage(), { AverageLeft, sizeTop, 30, 24 });
        makeLabel(water, QString(), T::SizeUnit(), { UnitLeft, sizeTop, 30, 24 });

        const std::optional<T::SpotCard> card = T::card(k);
        // The tide's two directions, where the water runs past the raft.
        const QString tideStyle = QStringLiteral(
            "QLabel { color: white; background: rgba(16, 54, 96, 165); border-radius: 10px; padding: 2px 10px;"
            " font-weight: bold; }");
        QLabel *tideA = makeLabel(water, card->tideA.name, card->tideA.text, {}, Qt::AlignCenter);
        QLabel *tideB = makeLabel(water, card->tideB.name, card->tideB.text, {}, Qt::AlignCenter);
        for (QLabel *tide : { tideA, tideB }) {
            tide->setStyleSheet(tideStyle);
            tide->adjustSize();
        }
        // Whichever caption points left stands on the left.
        const bool aPointsLeft = card->tideA.text.startsWith(QChar(0x2190));
        QLabel *left = aPointsLeft ? tideA : tideB;
        QLabel *right = aPointsLeft ? tideB : tideA;
        const int tideTop = RowsTop + 6 * RowHeight + 24;
        left->move(RowsLeft, tideTop);
        right->move(PictureWidth - 14 - right->width(), tideTop);

        QLabel *description
            = makeLabel(water, card->description.name, card->description.text,
                        { RowsLeft, PictureHeight - 46, PictureWidth - 2 * RowsLeft, 32 }, Qt::AlignCenter);
        description->setStyleSheet(
            QStringLiteral("QLabel { background: rgba(255, 255, 255, 215); border: 1px solid rgba(40, 70, 100, 110);"
                           " border-radius: 6px; color: #17324d; }"));
        frame->hide();
    }
    const auto named = [this](const char *name) { return findChild<QLabel *>(QLatin1String(name)); };
    Label2 = named("Label2"), Label3 = named("Label3"), Label6 = named("Label6"), Label7 = named("Label7");
    Label8 = named("Label8"), Label9 = named("Label9"), Label10 = named("Label10"), Label11 = named("Label11");
    Label12 = named("Label12"), Label13 = named("Label13");
    Label37 = named("Label37"), Label38 = named("Label38"), Label39 = named("Label39");
    Label40 = named("Label40"), Label41 = named("Label41");

    // ---- below the card: the raft and today's tides ----
    const int y = BelowCard;
    Label36 = makeLabel(central, QStringLiteral("Label36"), T::Label36(), { Margin + 4, y, 54, 28 });
    Label1 = makeBox(central, QStringLiteral("Label1"), { Margin + 58, y, 112, 28 });
    QFont raftFont = Label1->font();
    raftFont.setBold(true);
    Label1->setFont(raftFont);

    const int tides = 202;
    Label20 = makeLabel(central, QStringLiteral("Label20"), T::Label20(), { tides, y, 120, 28 });
    QFont headingFont = Label20->font();
    headingFont.setBold(true);
    Label20->setFont(headingFont);
    const auto tideRow = [&](int top, QLabel *&head, const char *headName, const QString &headText, QLabel *&first,
                             const char *firstName, QLabel *&firstHour, const char *firstHourName, QLabel *&second,
                             const char *secondName, QLabel *&secondHour, const char *secondHourName) {
        head = makeLabel(central, QLatin1String(headName), headText, { tides, top, 36, 28 });
        first = makeBox(central, QLatin1String(firstName), { tides + 38, top, 36, 28 });
        firstHour = makeLabel(central, QLatin1String(firstHourName), T::Hour(), { tides + 77, top, 18, 28 });
        second = makeBox(central, QLatin1String(secondName), { tides + 98, top, 36, 28 });
        secondHour = makeLabel(central, QLatin1String(secondHourName), T::Hour(), { tides + 137, top, 18, 28 });
    };
    tideRow(y + 34, Label14, "Label14", T::Label14(), Label16, "Label16", Label32, "Label32", Label17, "Label17",
            Label33, "Label33");
    tideRow(y + 68, Label15, "Label15", T::Label15(), Label18, "Label18", Label35, "Label35", Label19, "Label19",
            Label34, "Label34");

    Command5 = new QPushButton(T::Command5(), central);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command5->setGeometry(WindowWidth - Margin - 76, y + 64, 76, 34);
    Command5->setDefault(true);
    connect(Command5, &QPushButton::clicked, this, [this] { CloseCard(); });

    // Escape closes the card as its own button does.
    auto *escape = new QAction(this);
    escape->setObjectName(QStringLiteral("Escape"));
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(escape);
    connect(escape, &QAction::triggered, this, [this] { CloseCard(); });
}

void Form4::load()
{
    ShowSpotTable();
}

QGroupBox *Form4::frame(int spotNo) const
{
    return findChild<QGroupBox *>(QStringLiteral("Frame") + QString::number(spotNo));
}

const ControlArray<QLabel> &Form4::values(int spotNo) const
{
    const ControlArray<QLabel> *arrays[5] = { &A1, &B1, &C1, &D1, &E1 };
    return *arrays[qBound(1, spotNo, 5) - 1];
}

void Form4::ShowSpotTable()
{
    for (int k = 1; k <= 5; ++k)
        frame(k)->hide();
    const int spotNo = state().SpotNo;
    // Only the settings screen opens the card, and it names a raft first;
    // any other number shows no card.
    if (QGroupBox *card = rafts::byNumber(spotNo) ? frame(spotNo) : nullptr) {
        card->move(card->x(), CardTop);
        card->show();
        Label1->setText(rafts::name(spotNo));
        // The card's title has room for the name's gloss.
        card->setTitle(spottexts::GuideTitle(rafts::shownName(spotNo)));
    }
    // Today's tide hours, once the settings screen has drawn them into the day.
    if (game().screens().loadedForm3()) {
        const Day &day = game().day;
        Label16->setText(QString::number(day.tides.firstHigh));
        Label17->setText(QString::number(day.tides.secondHigh));
        Label18->setText(QString::number(day.tides.earlierLow));
        Label19->setText(QString::number(day.tides.laterLow));
    }
}

void Form4::CloseCard()
{
    game().screens().unload(*this);
}

void Form4::followChosenRaft(Screens &screens)
{
    if (Form4 *card = screens.loadedForm4())
        card->ShowSpotTable();
}

void Form4::closeOnCrossing(Screens &screens)
{
    if (Form4 *card = screens.loadedForm4())
        card->CloseCard();
}
