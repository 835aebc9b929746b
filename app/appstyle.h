#pragma once
// The application's style: the platform style with the program's own icons for the standard
// pictures it shows (message boxes, the trash can), plain-text dialog buttons (the platform's
// glossy button pictures belong to no theme), disabled icons drawn in the disabled text colour,
// selected icons in their own colours, and slider handles half way between the text and the
// page colour, so that they keep their contrast in every theme.

#include <QProxyStyle>

class AppStyle : public QProxyStyle
{
    Q_OBJECT

public:
    AppStyle();

    // Makes an AppStyle the application's style unless it already is; the style sheets of the
    // themes then draw on top of it.
    static void install();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    QPixmap generatedIconPixmap(QIcon::Mode iconMode, const QPixmap &pixmap,
                                const QStyleOption *option) const override;
};
