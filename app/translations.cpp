#include "app/translations.h"

#include "app/language.h"
#include "app/settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

QString appTranslationPath(const QString &code)
{
    return QStringLiteral(":/Localization/%1_%2.qm").arg(QStringLiteral("VerdimonNuvo"), code);
}

namespace {

QStringList &qtFolderOverride()
{
    static QStringList folders;
    return folders;
}

} // namespace

void setQtTranslationFolders(const QStringList &folders)
{
    qtFolderOverride() = folders;
}

QString qtTranslationPath(const QString &code)
{
    QStringList folders = qtFolderOverride();
    if (folders.isEmpty()) {
        folders << QCoreApplication::applicationDirPath() + QStringLiteral("/translations")
                << QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    }
    const QString fileName = QStringLiteral("qt_%1.qm").arg(code);
    for (const QString &folder : folders) {
        const QString path = QStringLiteral("%1/%2").arg(folder, fileName);
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}

bool switchTranslation(QTranslator *appTranslator, QTranslator *qtTranslator, int language)
{
    if (appTranslator)
        QCoreApplication::removeTranslator(appTranslator);
    if (qtTranslator)
        QCoreApplication::removeTranslator(qtTranslator);

    const QString code = languageCode(language);
    bool appLoaded = false;
    if (appTranslator) {
        appLoaded = appTranslator->load(appTranslationPath(code));
        QCoreApplication::installTranslator(appTranslator);
    }
    if (qtTranslator) {
        const QString qtPath = qtTranslationPath(code);
        if (qtPath.isEmpty() || !qtTranslator->load(qtPath))
            qtTranslator->load(QString()); // drop the previous language's catalogue
        QCoreApplication::installTranslator(qtTranslator);
    }
    return appLoaded;
}

bool loadTranslations(QTranslator *appTranslator, QTranslator *qtTranslator)
{
    const int language
        = Settings::intValue(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"), 0);
    return switchTranslation(appTranslator, qtTranslator, language);
}

QString languageFlagIconPath(QLocale::Language system)
{
    switch (system) {
    case QLocale::Russian:
        return QStringLiteral(":Icon/ru_RU.png");
    case QLocale::Ukrainian:
        return QStringLiteral(":Icon/uk_UA.png");
    default:
        return QStringLiteral(":Icon/en_US.png");
    }
}

QPixmap languageFlagIcon()
{
    return QPixmap(languageFlagIconPath(systemLanguage()));
}
