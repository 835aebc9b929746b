#pragma once
// Shared by the feedback and log tests: message boxes noted as "title|text|icon", and the
// reachability test pointed at a loopback port.

#include "app/msgdialog.h"
#include "appidentity.h"

#include <QStringList>

inline void noteMessages(QStringList *messages, Qt::TextFormat *format = nullptr)
{
    MsgDialog::setTestResponder([messages, format](MsgDialog *box) {
        if (format)
            *format = box->textLabel()->textFormat();
        *messages << QStringLiteral("%1|%2|%3")
                         .arg(box->windowTitle(), box->textLabel()->text())
                         .arg(box->iconKind());
        return int(QDialogButtonBox::Ok);
    });
}

inline void setWebPort(quint16 port)
{
    qputenv("VN_WEB_HOST", "127.0.0.1");
    qputenv("VN_WEB_PORT", QByteArray::number(port));
}
