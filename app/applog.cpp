#include "app/applog.h"

#include "app/fonts.h"
#include "app/productinfo.h"
#include "app/settings.h"
#include "widgets/scrollbar.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>

namespace {

QTextBrowser *theLogView = nullptr;
// The text of the log, one entry a line. Like the view it keeps only the latest logViewLines
// lines: a thousand refreshes leave tens of thousands of lines, and a long session would
// otherwise grow with each of them.
QStringList theLogLines;

void keepLine(const QString &line)
{
    for (const QString &part : line.split(QLatin1Char('\n')))
        theLogLines.append(part);
    if (theLogLines.size() > logViewLines)
        theLogLines.erase(theLogLines.begin(), theLogLines.end() - logViewLines);
}

QLocale englishUs()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace

QTextBrowser *logView()
{
    if (!theLogView) {
        theLogView = new QTextBrowser();
        // The view takes ownership of its scroll bars and gives them their orientation.
        theLogView->setHorizontalScrollBar(new ScrollBar());
        theLogView->setVerticalScrollBar(new ScrollBar());
        registerFontSubstitutions();
        QFont font;
        font.setFamily(Settings::fontFamily());
        font.setPixelSize(Settings::fontSize());
        font.setWeight(QFont::Normal);
        font.setStyleStrategy(QFont::PreferAntialias);
        theLogView->setFont(font);
        QTextDocument *document = theLogView->document();
        document->setMaximumBlockCount(logViewLines);
        QObject::connect(document, &QTextDocument::contentsChanged, document, [document] {
            if (document->isEmpty())
                theLogLines.clear();
        });
    }
    return theLogView;
}

QString logText()
{
    return theLogLines.join(QLatin1Char('\n'));
}

namespace {

void addLine(const QString &line)
{
    keepLine(line);
    // Lines carry servers' answers and file names: QTextEdit::append would take one that looks
    // like markup for rich text, so the line goes in as plain text, with append's scrolling.
    QTextBrowser *view = logView();
    QScrollBar *bar = view->verticalScrollBar();
    const bool followEnd = bar->value() >= bar->maximum();
    QTextDocument *document = view->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    if (!document->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(line, QTextCharFormat());
    if (followEnd)
        bar->setValue(bar->maximum());
}

} // namespace

void appendToLog(const QString &line)
{
    // The view is a widget: a line from another thread is handed to the GUI thread.
    QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread()) {
        QMetaObject::invokeMethod(
            app, [line] { addLine(line); }, Qt::QueuedConnection);
        return;
    }
    addLine(line);
}

QString currentTimestamp()
{
    return englishUs().toString(QDateTime::currentDateTime(),
                                QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString logFolderPath()
{
    const QString folder = QDir::toNativeSeparators(QStringLiteral("%1/Log").arg(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)));
    if (!QDir(folder).exists())
        QDir().mkpath(folder);
    return folder;
}

QString defaultLogFilePath(const QString &folder, const QString &localeName)
{
    QString product = QString::fromLatin1(Product::displayName);
    product.replace(QRegularExpression(QStringLiteral("\\s")), QStringLiteral("_"));
    const QString stamp = englishUs().toString(QDateTime::currentDateTime(),
                                               QStringLiteral("yyyy.MM.dd.HH.mm.ss.zzz"));
    return QDir::toNativeSeparators(
        QStringLiteral("%1/%2_Log_%3_%4.txt").arg(folder, product, localeName, stamp));
}

QString defaultLogFilePath()
{
    return defaultLogFilePath(logFolderPath(), QLocale::system().name());
}

QString logPathSetting()
{
    return Settings::appSettingsValue(QStringLiteral("LogPath"), QString()).toString();
}

void removeSavedLog()
{
    const QString path = logPathSetting();
    if (!path.isEmpty() && QFile::exists(path))
        QFile::remove(path);
}

void clearLogPathSetting()
{
    removeSavedLog();
    Settings::setSettingsValue(QStringLiteral("AppSettings"), QStringLiteral("LogPath"), QString());
}
