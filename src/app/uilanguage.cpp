#include "app/uilanguage.h"

#include <QLibraryInfo>

#include <optional>

namespace {

// "en_GB.UTF-8", "en@quot" and "en" are English; "C", "POSIX" and "" name
// no language the game speaks.
std::optional<UiLanguage> spokenLanguage(const QString &locale)
{
    qsizetype end = 0;
    while (end < locale.size() && locale.at(end).isLetter())
        ++end;
    const QString code = locale.left(end);
    if (code == u"en")
        return UiLanguage::English;
    if (code == u"ja")
        return UiLanguage::Japanese;
    return std::nullopt;
}

} // namespace

LocaleEnvironment LocaleEnvironment::current()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
            qEnvironmentVariable("LANG")};
}

UiLanguage uiLanguageFor(const LocaleEnvironment &environment)
{
    const QStringList preferences = environment.language.split(u':', Qt::SkipEmptyParts);
    for (const QString &preference : preferences) {
        if (const auto spoken = spokenLanguage(preference))
            return *spoken;
    }
    for (const QString *locale : {&environment.lcAll, &environment.lcMessages, &environment.lang}) {
        if (!locale->isEmpty())
            return spokenLanguage(*locale).value_or(UiLanguage::Japanese);
    }
    return UiLanguage::Japanese;
}

UiLanguage uiLanguageFor(std::optional<UiLanguage> chosen, const LocaleEnvironment &environment)
{
    return chosen ? *chosen : uiLanguageFor(environment);
}

QString languageCode(UiLanguage language)
{
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<UiLanguage> languageFromCode(const QString &code)
{
    if (code == u"en")
        return UiLanguage::English;
    if (code == u"ja")
        return UiLanguage::Japanese;
    return std::nullopt;
}

QStringList qtCatalogues(UiLanguage language)
{
    switch (language) {
    case UiLanguage::Japanese:
        return {QStringLiteral("qtbase_ja"), QStringLiteral("qtmultimedia_ja")};
    case UiLanguage::English:
        break;
    }
    return {};
}

std::vector<std::unique_ptr<QTranslator>> loadQtTranslations(UiLanguage language)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    std::vector<std::unique_ptr<QTranslator>> loaded;
    for (const QString &catalogue : qtCatalogues(language)) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(catalogue, folder))
            loaded.push_back(std::move(translator));
    }
    return loaded;
}

std::unique_ptr<QTranslator> loadGameTranslation(UiLanguage language)
{
    if (language != UiLanguage::English)
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/namiyose_en.qm")))
        return nullptr;
    return translator;
}
