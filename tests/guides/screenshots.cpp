// Draws the settings screen, every raft's spot card and the hints into PNG
// files, for looking at the screens without playing. Not a test: run it by
// hand with a folder to write into.
#include "app/screens.h"
#include "guides/form4.h"
#include "guides/form7.h"
#include "prep/form3.h"
#include "support/testgame.h"
#include "support/shotsetup.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<QTranslator> words = drawAsTheGame();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(out);
    const auto save = [&](QWidget &w, const QString &name) {
        QApplication::processEvents();
        w.grab().save(QDir(out).filePath(name + QStringLiteral(".png")));
    };

    TestGame t;
    QDir(t.dir()).mkpath(QStringLiteral("fishingdata"));
    QFile list(t.dir() + QStringLiteral("/fishingdata/釣り人.txt"));
    if (list.open(QIODevice::WriteOnly))
        list.write(QStringLiteral(" 2 \r\n浜田\r\n磯野\r\n").toLocal8Bit()); // the shot only needs names
    t.random.pushDraw(4, 12);
    Form3 &settings = t.screens().form3();
    t.screens().show(settings);
    settings.Combo3->setEditText(QStringLiteral("浜田"));
    save(settings, QStringLiteral("settings_narrow"));

    settings.Command1->click();
    settings.Option3->click();
    settings.Command2->click();
    settings.Command3->click();
    settings.Combo2->setCurrentIndex(2);
    save(settings, QStringLiteral("settings_wide"));

    for (int k = 1; k <= 5; ++k) {
        settings.ShowDetailsOf(k);
        Form4 &card = t.screens().form4();
        save(card, QStringLiteral("spot_") + QString::number(k));
        card.Command5->click();
        t.advance(0);
    }

    settings.Command5->click();
    Form7 &hints = t.screens().form7();
    for (const char *topic : { "Option2", "Option3", "Option7", "Option1", "Option4", "Option5", "Option6" }) {
        hints.option(QLatin1String(topic))->click();
        save(hints, QStringLiteral("hints_") + QLatin1String(topic));
    }
    return 0;
}
