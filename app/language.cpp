#include "app/language.h"

#include "app/appenums.h"

QLocale::Language systemLanguage()
{
    return QLocale::system().language();
}

int resolvedLanguage(int language, QLocale::Language system)
{
    switch (language) {
    case App::English:
    case App::Russian:
    case App::Ukrainian:
        return language;
    case App::AutoSelect:
        if (system == QLocale::Russian)
            return App::Russian;
        if (system == QLocale::Ukrainian)
            return App::Ukrainian;
        return App::English;
    default:
        return App::English;
    }
}

int resolvedLanguage(int language)
{
    return resolvedLanguage(language, systemLanguage());
}

QString languageCode(int language, QLocale::Language system)
{
    switch (resolvedLanguage(language, system)) {
    case App::Russian:
        return QStringLiteral("ru");
    case App::Ukrainian:
        return QStringLiteral("uk");
    default:
        return QStringLiteral("en");
    }
}

QString languageCode(int language)
{
    return languageCode(language, systemLanguage());
}
