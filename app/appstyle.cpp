#include "app/appstyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace {

const char *iconResource(QStyle::StandardPixmap which)
{
    switch (which) {
    case QStyle::SP_TrashIcon:
        return ":/Icon/trash.svg";
    case QStyle::SP_MessageBoxInformation:
        return ":/Icon/msg_information.svg";
    case QStyle::SP_MessageBoxWarning:
        return ":/Icon/msg_warning.svg";
    case QStyle::SP_MessageBoxCritical:
        return ":/Icon/msg_critical.svg";
    case QStyle::SP_MessageBoxQuestion:
        return ":/Icon/msg_question.svg";
    default:
        return nullptr;
    }
}

} // namespace

AppStyle::AppStyle()
    : QProxyStyle()
{
}

void AppStyle::install()
{
    static QPointer<AppStyle> installed;
    if (installed)
        return;
    installed = new AppStyle;
    QApplication::setStyle(installed); // the application takes ownership
}

QIcon AppStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                             const QWidget *widget) const
{
    if (const char *resource = iconResource(standardIcon))
        return QIcon(QString::fromLatin1(resource));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

void AppStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                  QPainter *painter, const QWidget *widget) const
{
    const auto *sliderOption = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control == CC_Slider && sliderOption) {
        // The base style paints the handle in the button colour, which the themes make the
        // page colour: the handle would vanish into the page.
        QStyleOptionSlider slider(*sliderOption);
        const QColor text = slider.palette.color(QPalette::WindowText);
        const QColor page = slider.palette.color(QPalette::Window);
        const QColor handle((text.red() + page.red()) / 2, (text.green() + page.green()) / 2,
                            (text.blue() + page.blue()) / 2);
        slider.palette.setColor(QPalette::Button, handle);
        QProxyStyle::drawComplexControl(control, &slider, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

int AppStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                        QStyleHintReturn *returnData) const
{
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QPixmap AppStyle::generatedIconPixmap(QIcon::Mode iconMode, const QPixmap &pixmap,
                                      const QStyleOption *option) const
{
    // Selected icons keep their own colours: the base style would wash them with the
    // platform's highlight colour, which belongs to no theme.
    if (iconMode == QIcon::Selected)
        return pixmap;
    if (iconMode != QIcon::Disabled || !option || pixmap.isNull())
        return QProxyStyle::generatedIconPixmap(iconMode, pixmap, option);
    // The shape in the disabled text colour: the base style's grey wash is lost on dark pages.
    QPixmap result(pixmap.size());
    result.setDevicePixelRatio(pixmap.devicePixelRatio());
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.drawPixmap(0, 0, pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(result.rect(),
                     option->palette.color(QPalette::Disabled, QPalette::WindowText));
    painter.end();
    return result;
}
