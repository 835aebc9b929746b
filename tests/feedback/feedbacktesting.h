#pragma once
// Shared by the feedback and log tests: message boxes noted as "title|text", and the
// reachability test pointed at a loopback port.

#include "app/msgdialog.h"
#include "appidentity.h"

#include <QStringList>

inline void noteMessages(QStringList *messages)
{
    MsgDialog::setTestResponder([messages](MsgDialog *box) {
        *messages << box->windowTitle() + QLatin1Char('|') + box->textLabel()->text();
        return int(QDialogButtonBox::Ok);
    });
}

inline void setWebPort(quint16 port)
{
    qputenv("VN_WEB_HOST", "127.0.0.1");
    qputenv("VN_WEB_PORT", QByteArray::number(port));
}
