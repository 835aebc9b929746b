#pragma once
// "@" before every "QObject" text: shows which texts pass through translation.

#include <QTranslator>

class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override;
};
