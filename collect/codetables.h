#pragma once
// Code-to-text tables: each turns one WMI code family into its display text. Stateless; any
// thread. Some rows are translated, others are shown in English in every language.

#include <QString>

QString localeIdText(qint32 lcid);
QString processorTypeText(qint32 code);
QString cpuStatusText(qint32 code);
QString videoArchitectureText(qint32 code);
QString memoryFormFactorText(quint32 code);
QString memoryTypeText(qint32 code);
QString memoryTypeDetailText(quint32 code);
QString availabilityText(quint32 code);
QString configManagerErrorText(qint32 code);
QString statusInfoText(quint32 code);

// Number of rows of the locale table (tests).
int localeIdCount();
