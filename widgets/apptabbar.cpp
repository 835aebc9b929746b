#include "widgets/apptabbar.h"

#include "app/appenums.h"
#include "app/settings.h"

#include <QFont>
#include <QFontMetrics>
#include <QStyleOptionTab>
#include <QStylePainter>

namespace {
int readTabPosition()
{
    bool ok = false;
    const int value = Settings::settingsValue(QStringLiteral("AppSettings"),
                                              QStringLiteral("TabPosition"), App::North)
                          .toInt(&ok);
    if (!ok)
        return App::North;
    switch (value) {
    case App::North:
    case App::South:
    case App::West:
    case App::East:
        return value;
    default:
        return App::North;
    }
}
} // namespace

AppTabBar::AppTabBar(QWidget *parent, bool elide)
    : QTabBar(parent)
    , m_tabPosition(App::North)
    , m_tabSize(115, 30)
    , m_elide(elide)
{
    m_tabPosition = readTabPosition();
    // The window is made wide enough for every tab where the screen allows (the main window);
    // on a screen too small for them, the scroll buttons reach the rest.
    setUsesScrollButtons(true);

    QFont font;
    font.setFamily(Settings::fontFamily());
    font.setPixelSize(Settings::fontSize());
    font.setWeight(QFont::Bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    setFont(font);
}

AppTabBar::~AppTabBar() = default;

QSize AppTabBar::tabSizeHint(int index) const
{
    // 115 x 30, or larger where a label in a large font needs more; labels stand upright on
    // every side, so side tabs grow the same way.
    const QSize label = fontMetrics().size(Qt::TextShowMnemonic, tabText(index));
    // Around the label (and a few pixels of air) the padding and border the style, or the
    // theme's style sheet, draws a tab with.
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = shape();
    option.text = tabText(index);
    return m_tabSize.expandedTo(
        style()->sizeFromContents(QStyle::CT_TabBarTab, &option, label + QSize(10, 6), this));
}

void AppTabBar::paintEvent(QPaintEvent *event)
{
    QStylePainter painter(this);
    const bool vertical = m_tabPosition == App::West || m_tabPosition == App::East;
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        if (m_elide)
            option.text = painter.fontMetrics().elidedText(option.text, Qt::ElideRight, 70);
        painter.drawControl(QStyle::CE_TabBarTabShape, option);

        painter.save();
        QSize size = option.rect.size();
        if (vertical)
            size.transpose();
        QRect rect(QPoint(), size);
        rect.moveCenter(option.rect.center());
        option.rect = rect;

        // The style turns labels of side tabs a quarter turn; turning the painter back the
        // other way keeps them horizontal.
        const QPoint centre = tabRect(i).center();
        painter.translate(centre);
        if (m_tabPosition == App::West)
            painter.rotate(90);
        else if (m_tabPosition == App::East)
            painter.rotate(270);
        painter.translate(-centre);
        painter.drawControl(QStyle::CE_TabBarTabLabel, option);
        painter.restore();
    }
    QWidget::paintEvent(event);
}
