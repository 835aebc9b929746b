#pragma once
// Texts of the vendor's server as the windows show them: always plain text, never markup.

#include <QString>

class QTextEdit;

// The release notes with a bullet for each list marker ('-' or '*' and a blank at the start of a
// line); hyphens inside words and lines stay.
QString withListBullets(const QString &notes);
// Appends `text` as a new paragraph in plain text: markup in it is shown as typed and its line
// breaks are kept.
void appendPlainText(QTextEdit *view, const QString &text);
