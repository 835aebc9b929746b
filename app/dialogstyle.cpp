#include "app/dialogstyle.h"

#include "app/fonts.h"
#include "app/settings.h"

#include <QDialog>

void applyDialogWindowStyle(QDialog *dialog)
{
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint
                           | Qt::WindowCloseButtonHint);
    dialog->setWindowOpacity(Settings::windowOpacity());
}

QFont dialogFont()
{
    registerFontSubstitutions();
    QFont font;
    font.setFamily(Settings::fontFamily());
    font.setPixelSize(Settings::fontSize());
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
