#pragma once

#include "app/uilanguage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QTranslator>

#include <memory>
#include <optional>

// The picture programs draw as the game does: in its font and in the
// desktop's language (LANGUAGE=en for English). The translation returned
// must stay alive while they draw.
inline std::unique_ptr<QTranslator> drawAsTheGame()
{
    QFont font(QStringLiteral("Noto Sans CJK JP"), 10);
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")});
    QApplication::setFont(font);
    std::unique_ptr<QTranslator> words =
        loadGameTranslation(uiLanguageFor(std::nullopt, LocaleEnvironment::current()));
    if (words)
        QCoreApplication::installTranslator(words.get());
    return words;
}
