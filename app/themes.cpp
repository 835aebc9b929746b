#include "app/themes.h"

#include "app/appenums.h"
#include "app/applog.h"
#include "app/appstyle.h"
#include "app/msgdialog.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
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

QColor themeLinkColor(int theme)
{
    switch (theme) {
    case App::Light:
        return QColor(0x1F, 0x5F, 0xAF);
    case App::Gray:
        return QColor(0x0B, 0x4F, 0x9C);
    case App::Dark:
        return QColor(0x8A, 0xB4, 0xF8);
    default:
        return QColor();
    }
}

namespace {

// The theme's disabled text colour (as its style sheet gives it): disabled icons are drawn in it.
QColor themeDisabledTextColor(int theme)
{
    switch (theme) {
    case App::Gray:
        return QColor(0x4A, 0x4A, 0x4A);
    case App::Dark:
        return QColor(0xA5, 0xA5, 0xA5);
    default:
        return QColor(0x6B, 0x6B, 0x6B);
    }
}

// Links of rich-text labels are painted in the palette's link colours; Qt's default blue is
// unreadable on the dark theme. Icons outside any widget's palette (those of buttons and
// menus) take their disabled look from the application palette.
void applyPaletteColors(QApplication *app, int theme)
{
    QPalette palette = QApplication::palette();
    const QColor link = themeLinkColor(theme);
    palette.setColor(QPalette::Link, link);
    palette.setColor(QPalette::LinkVisited, link);
    const QColor disabled = themeDisabledTextColor(theme);
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, disabled);
    app->setPalette(palette);
}

} // namespace

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
        if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance())) {
            AppStyle::install();
            app->setStyleSheet(stream.readAll());
            applyPaletteColors(app, theme);
        }
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
