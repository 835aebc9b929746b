#include "widgets/apptabcontrol.h"

#include "app/appenums.h"
#include "app/settings.h"
#include "widgets/apptabbar.h"

AppTabControl::AppTabControl(QWidget *parent)
    : QTabWidget(parent)
    , m_elide(false)
{
    setTabBar(new AppTabBar(this, m_elide));

    bool ok = false;
    int position = Settings::settingsValue(QStringLiteral("AppSettings"),
                                           QStringLiteral("TabPosition"), App::North)
                       .toInt(&ok);
    if (!ok)
        position = App::North;
    switch (position) {
    case App::South:
        setTabPosition(QTabWidget::South);
        break;
    case App::West:
        setTabPosition(QTabWidget::West);
        break;
    case App::East:
        setTabPosition(QTabWidget::East);
        break;
    default:
        setTabPosition(QTabWidget::North);
        break;
    }
}

AppTabControl::~AppTabControl() = default;
