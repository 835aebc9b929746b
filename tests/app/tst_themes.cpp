#include "app/applog.h"
#include "app/msgdialog.h"
#include "app/themes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QStringList styleWarnings;

void collectStyleWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && message.contains(QLatin1String("style"), Qt::CaseInsensitive))
        styleWarnings.append(message);
}

struct Shown
{
    QString title;
    QString text;
    int kind;
};

} // namespace

class TestThemes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
        QSettings().clear();
    }

    void init()
    {
        m_shown.clear();
        MsgDialog::setTestResponder([this](MsgDialog *d) {
            m_shown.append({ d->windowTitle(), d->textLabel()->text(), d->iconKind() });
            return int(QDialogButtonBox::Ok);
        });
    }

    void themes_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("dashColour");
        QTest::newRow("light") << 0 << "#000000";
        QTest::newRow("gray") << 1 << "#000000";
        QTest::newRow("dark") << 2 << "#FFFFFF";
    }
    void themes()
    {
        QFETCH(int, theme);
        QFETCH(QString, dashColour);
        qApp->setStyleSheet(QString());
        applyTheme(theme, nullptr);
        QVERIFY(m_shown.isEmpty());
        const QString sheet = qApp->styleSheet();
        QVERIFY(QRegularExpression(QStringLiteral("QFrame#inputItem\\s*\\{\\s*border:\\s*1.5px "
                                                  "dashed %1;")
                                       .arg(dashColour))
                    .match(sheet)
                    .hasMatch());
        const QRegularExpression clear(QStringLiteral(
            "QPushButton#clearAttachment\\s*\\{[^}]*border-radius:\\s*10px;[^}]*width:\\s*10px;"
            "[^}]*height:\\s*10px;[^}]*background-color:\\s*#D0D0D0;"));
        QVERIFY(clear.match(sheet).hasMatch());
        QVERIFY(QRegularExpression(
                    QStringLiteral("QPushButton#clearAttachment:hover\\s*\\{\\s*background-"
                                   "color:\\s*#919191;"))
                    .match(sheet)
                    .hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("QScrollBar:vertical\\s*\\{\\s*width:\\s*12px;"))
                    .match(sheet)
                    .hasMatch());
        QVERIFY(
            QRegularExpression(QStringLiteral("QScrollBar:horizontal\\s*\\{\\s*height:\\s*12px;"))
                .match(sheet)
                .hasMatch());
    }

    void everyThemeParsesAndPaints_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("light") << 0;
        QTest::newRow("gray") << 1;
        QTest::newRow("dark") << 2;
    }
    void everyThemeParsesAndPaints()
    {
        QFETCH(int, theme);
        styleWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectStyleWarnings);
        applyTheme(theme, nullptr);

        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *tabs = new QTabWidget;
        auto *tree = new QTreeWidget;
        tree->setHeaderLabels({ "Property", "Value" });
        for (int i = 0; i < 40; ++i)
            new QTreeWidgetItem(tree, { QStringLiteral("Row %1").arg(i), "Value" });
        tabs->addTab(tree, "CPU");
        tabs->addTab(new QTextBrowser, "Log");
        layout->addWidget(tabs);
        auto *combo = new QComboBox;
        combo->addItems({ "Light", "Gray", "Dark" });
        layout->addWidget(combo);
        layout->addWidget(new QLineEdit("text"));
        layout->addWidget(new QCheckBox("Check"));
        layout->addWidget(new QLabel("Label"));
        auto *frame = new QFrame;
        frame->setObjectName("inputItem");
        frame->setMinimumHeight(30);
        layout->addWidget(frame);
        auto *clear = new QPushButton;
        clear->setObjectName("clearAttachment");
        layout->addWidget(clear, 0, Qt::AlignLeft);
        layout->addWidget(new QPushButton("Save"));
        window.resize(520, 480);
        window.show();
        const QImage shot = window.grab().toImage();
        qInstallMessageHandler(previous);

        QVERIFY2(styleWarnings.isEmpty(), qPrintable(styleWarnings.join('\n')));
        QVERIFY(!shot.isNull());
        QCOMPARE(clear->size(), QSize(10, 10));
        const QString shots = qEnvironmentVariable("VN_THEME_SHOTS");
        if (!shots.isEmpty())
            shot.save(QStringLiteral("%1/theme-%2.png").arg(shots).arg(theme));
    }

    void unknownThemeKeepsTheSheet()
    {
        applyTheme(1, nullptr);
        const QString before = qApp->styleSheet();
        m_shown.clear();
        applyTheme(5, nullptr);
        QCOMPARE(m_shown.size(), 2);
        QCOMPARE(m_shown.at(0).title, QString("Error"));
        QCOMPARE(m_shown.at(0).text, QString("Unable to change theme!"));
        QCOMPARE(m_shown.at(0).kind, 3);
        QCOMPARE(m_shown.at(1).title, QString("Error"));
        QCOMPARE(m_shown.at(1).text, QString("Unable to set theme. File is not found!"));
        QCOMPARE(qApp->styleSheet(), before);
        const QString last = logView()->document()->lastBlock().text();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}: "
                                                   "theme change was not applied$"))
                     .match(last)
                     .hasMatch(),
                 qPrintable(last));
    }

    void resourcePaths()
    {
        QCOMPARE(QString(themeResourcePath(0)), QString(":Themes/light.qss"));
        QCOMPARE(QString(themeResourcePath(1)), QString(":Themes/gray.qss"));
        QCOMPARE(QString(themeResourcePath(2)), QString(":Themes/dark.qss"));
        QCOMPARE(QString(themeResourcePath(3)), QString());
        QCOMPARE(QString(themeResourcePath(-1)), QString());
    }

private:
    QVector<Shown> m_shown;
};

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
