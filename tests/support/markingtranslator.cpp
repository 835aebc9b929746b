#include "markingtranslator.h"

QString MarkingTranslator::translate(const char *context, const char *sourceText,
                                     const char *disambiguation, int n) const
{
    Q_UNUSED(disambiguation)
    Q_UNUSED(n)
    if (qstrcmp(context, "QObject") == 0 && sourceText && *sourceText)
        return QStringLiteral("@") + QString::fromUtf8(sourceText);
    return QString();
}
