#include "net/servertext.h"

#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

QString withListBullets(const QString &notes)
{
    static const QRegularExpression marker(QStringLiteral("(^|\\n)([ \\t]*)[-*](?=[ \\t])"));
    QString bulleted = notes;
    bulleted.replace(marker, QStringLiteral("\\1\\2") + QChar(0x2022));
    return bulleted;
}

void appendPlainText(QTextEdit *view, const QString &text)
{
    QTextCursor cursor(view->document());
    cursor.movePosition(QTextCursor::End);
    if (!view->document()->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.setCharFormat(QTextCharFormat());
    cursor.insertText(text);
}
