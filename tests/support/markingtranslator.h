#pragma once
// Puts "@" before every text of the "QObject" context, so a test sees which texts pass through
// translation and which are shown as they stand in every language.

#include <QTranslator>

class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override;
};
