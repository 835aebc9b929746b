#include "app/applog.h"
#include "app/appstyle.h"
#include "app/msgdialog.h"
#include "app/themes.h"
#include "tests/support/appidentity.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

QStringList styleWarnings;

void collectStyleWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && message.contains(QLatin1String("style"), Qt::CaseInsensitive))
        styleWarnings.append(message);
}

// WCAG contrast ratio of two colours.
double contrastRatio(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF())
            + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestThemes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QSettings().clear(); }

    void init()
    {
        m_shown.clear();
        MsgDialog::setTestResponder([this](MsgDialog *d) {
            m_shown << QStringLiteral("%1|%2|%3")
                           .arg(d->windowTitle(), d->textLabel()->text())
                           .arg(d->iconKind());
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
    // The sheet parses cleanly, names only images that exist and keeps links readable.
    void themes()
    {
        QFETCH(int, theme);
        QFETCH(QString, dashColour);
        styleWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectStyleWarnings);
        qApp->setStyleSheet(QString());
        applyTheme(theme, nullptr);
        QVERIFY(m_shown.isEmpty());
        const QString sheet = qApp->styleSheet();
        for (const QString &rule :
             { "QFrame#inputItem\\s*\\{\\s*border:\\s*1.5px dashed " + dashColour + ";",
               QString("QPushButton#clearAttachment\\s*\\{[^}]*border-radius:\\s*10px;[^}]*width:"
                       "\\s*10px;[^}]*height:\\s*10px;[^}]*background-color:\\s*#D0D0D0;"),
               QString("QPushButton#clearAttachment:hover\\s*\\{\\s*background-color:\\s*#919191;"),
               QString("QScrollBar:vertical\\s*\\{\\s*width:\\s*12px;"),
               QString("QScrollBar:horizontal\\s*\\{\\s*height:\\s*12px;") })
            QVERIFY2(sheet.contains(QRegularExpression(rule)), qPrintable(rule));
        int images = 0;
        for (auto it = QRegularExpression("url\\(([^)]+)\\)").globalMatch(sheet); it.hasNext();) {
            const QString path = it.next().captured(1).trimmed();
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
            ++images;
        }
        QVERIFY(images >= 2); // the combo box arrow, enabled and disabled

        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *tree = new QTreeWidget;
        for (int i = 0; i < 40; ++i)
            new QTreeWidgetItem(tree, { QStringLiteral("Row %1").arg(i) });
        auto *combo = new QComboBox;
        combo->addItems({ "Light", "Gray", "Dark" });
        auto *link = new QLabel("<a style=\"text-decoration: none;\" href=\"#\">refresh</a>");
        auto *frame = new QFrame;
        frame->setObjectName("inputItem");
        auto *clear = new QPushButton;
        clear->setObjectName("clearAttachment");
        for (QWidget *widget :
             QList<QWidget *> { tree, combo, link, frame, new QCheckBox("Check") })
            layout->addWidget(widget);
        layout->addWidget(clear, 0, Qt::AlignLeft);
        window.resize(520, 480);
        window.show();
        window.grab(); // paints every widget with the sheet
        qInstallMessageHandler(previous);
        QVERIFY2(styleWarnings.isEmpty(), qPrintable(styleWarnings.join('\n')));
        QCOMPARE(clear->size(), QSize(10, 10));

        QCOMPARE(qApp->palette().color(QPalette::Link), themeLinkColor(theme));
        QCOMPARE(qApp->palette().color(QPalette::LinkVisited), themeLinkColor(theme));
        const QColor background = window.palette().color(QPalette::Window);
        const QColor linkColor = link->palette().color(QPalette::Link);
        QCOMPARE(linkColor, themeLinkColor(theme));
        QVERIFY2(contrastRatio(linkColor, background) >= 4.5,
                 qPrintable(linkColor.name() + " on " + background.name()));
        // Links also stand on trees and lists (the refresh links), dialogs, frames and scroll
        // areas: readable on every plain background the sheet gives these.
        static const QRegularExpression block(QStringLiteral("([^{}/]+)\\{([^}]*)\\}"));
        static const QRegularExpression fill(
            QStringLiteral("background-color:\\s*(#[0-9A-Fa-f]{6})"));
        static const QRegularExpression underLinks(QStringLiteral(
            "^(QWidget|QDialog|QFrame|QLabel|QTreeView|QListWidget|QScrollArea)( |,|$)"));
        QStringList checked;
        for (auto it = block.globalMatch(sheet); it.hasNext();) {
            const QRegularExpressionMatch rule = it.next();
            const QString selector = rule.captured(1).trimmed();
            const QRegularExpressionMatch colour = fill.match(rule.captured(2));
            if (!selector.contains(underLinks) || selector.contains(':') || !colour.hasMatch())
                continue;
            checked << selector;
            QVERIFY2(
                contrastRatio(linkColor, QColor(colour.captured(1))) >= 4.5,
                qPrintable(linkColor.name() + " on " + colour.captured(1) + " of " + selector));
        }
        QVERIFY2(checked.size() >= 3, qPrintable(checked.join('|')));
    }

    // Disabled icons take the disabled text colour; normal ones keep their own.
    void disabledIconColour()
    {
        AppStyle style;
        QPixmap pixmap(4, 4);
        pixmap.fill(Qt::blue);
        QStyleOption option;
        option.palette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::red);
        const auto corner = [&](QIcon::Mode mode) {
            return style.generatedIconPixmap(mode, pixmap, &option).toImage().pixelColor(0, 0);
        };
        QCOMPARE(corner(QIcon::Disabled), QColor(Qt::red));
        QCOMPARE(corner(QIcon::Normal), QColor(Qt::blue));
    }

    void unknownThemeKeepsTheSheet()
    {
        applyTheme(2, nullptr);
        const QString before = qApp->styleSheet();
        m_shown.clear();
        applyTheme(5, nullptr);
        QCOMPARE(m_shown,
                 QStringList({ "Error|Unable to change theme!|3",
                               "Error|Unable to set theme. File is not found!|3" }));
        QCOMPARE(qApp->styleSheet(), before);
        QCOMPARE(qApp->palette().color(QPalette::Link), themeLinkColor(2));
        QVERIFY(!themeLinkColor(7).isValid());
        const QString last = logView()->document()->lastBlock().text();
        QVERIFY2(last.contains(QRegularExpression(
                     "^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}: theme change was not applied$")),
                 qPrintable(last));
        const QStringList sheets { "", ":Themes/light.qss", ":Themes/gray.qss", ":Themes/dark.qss",
                                   "" };
        for (int theme = -1; theme <= 3; ++theme)
            QCOMPARE(QString(themeResourcePath(theme)), sheets.at(theme + 1));
    }

private:
    QStringList m_shown;
};

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
