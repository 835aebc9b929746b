#include "verdimonnuvo.h"

#include "app/productinfo.h"

#include <QComboBox>

void VerdimonNuvo::updateWindowTitle(bool fullInfo)
{
    const QString channel
        = updatesChannelComboBox ? updatesChannelComboBox->currentText() : QString();
    setWindowTitle(Product::windowTitle(fullInfo, channel));
}
