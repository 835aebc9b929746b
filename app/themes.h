#pragma once
// The program's look: one of three style sheets from the resources, set on the application.

#include <QColor>

class QWidget;

// Theme numbers are App::Theme (0 light, 1 gray, 2 dark). Another number, or a style sheet
// missing from the resources, shows an error (parent: the window asking) and leaves the current
// style sheet in force.
void applyTheme(int theme, QWidget *parent);

// Colour of rich-text links in a theme (style sheets cannot reach it; it is a palette colour).
// Invalid for an unknown number.
QColor themeLinkColor(int theme);

// Resource path of a theme's style sheet; empty for an unknown number.
const char *themeResourcePath(int theme);
