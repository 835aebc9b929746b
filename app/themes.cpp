#include "app/themes.h"

#include "app/appenums.h"
#include "app/applog.h"
#include "app/msgdialog.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>

const char *themeResourcePath(int theme)
{
    switch (theme) {
    case App::Light:
        return ":Themes/light.qss";
    case App::Gray:
        return ":Themes/gray.qss";
    case App::Dark:
        return ":Themes/dark.qss";
    default:
        return "";
    }
}

void applyTheme(int theme, QWidget *parent)
{
    const QString fileName = QString::fromLatin1(themeResourcePath(theme));
    if (fileName.isEmpty()) {
        MsgDialog message(parent, QObject::tr("Error"), QObject::tr("Unable to change theme!"), 3,
                          QDialogButtonBox::Ok);
        message.exec();
    }

    QFile file(fileName);
    if (!fileName.isEmpty() && file.exists() && file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream stream(&file);
        stream.setCodec("UTF-8");
        if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
            app->setStyleSheet(stream.readAll());
        file.close();
        return;
    }

    MsgDialog message(parent, QObject::tr("Error"),
                      QObject::tr("Unable to set theme. File is not found!"), 3,
                      QDialogButtonBox::Ok);
    message.exec();
    appendToLog(QStringLiteral("%1: %2").arg(currentTimestamp(),
                                             QObject::tr("theme change was not applied")));
}
