#include "app/applog.h"
#include "app/msgdialog.h"
#include "app/themes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSlider>
#include <QTabWidget>
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

// Leftmost column of a row band whose colour differs from the band's first pixel.
int firstInkColumn(const QImage &image, int top, int bottom)
{
    const QRgb background = image.pixel(image.width() - 3, (top + bottom) / 2);
    for (int x = 2; x < image.width(); ++x) {
        for (int y = top; y < bottom; ++y) {
            if (image.pixel(x, y) != background)
                return x;
        }
    }
    return -1;
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

    void themeNumbers_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("light") << 0;
        QTest::newRow("gray") << 1;
        QTest::newRow("dark") << 2;
    }

    // Rich-text links (the refresh links, the About page) must stay readable on every theme.
    void linksAreReadable_data() { themeNumbers_data(); }
    void linksAreReadable()
    {
        QFETCH(int, theme);
        applyTheme(theme, nullptr);
        QCOMPARE(qApp->palette().color(QPalette::Link), themeLinkColor(theme));
        QCOMPARE(qApp->palette().color(QPalette::LinkVisited), themeLinkColor(theme));

        QWidget page;
        auto *link = new QLabel(
            QStringLiteral("<a style=\"text-decoration: none;\" href=\"#\">refresh</a>"), &page);
        page.ensurePolished();
        link->ensurePolished();
        const QColor background = page.palette().color(QPalette::Window);
        const QColor linkColor = link->palette().color(QPalette::Link);
        QCOMPARE(linkColor, themeLinkColor(theme));
        QVERIFY2(contrastRatio(linkColor, background) >= 4.5,
                 qPrintable(QStringLiteral("%1 on %2: %3")
                                .arg(linkColor.name(), background.name())
                                .arg(contrastRatio(linkColor, background))));
    }

    void unknownThemeKeepsTheLinkColour()
    {
        applyTheme(2, nullptr);
        applyTheme(7, nullptr);
        QCOMPARE(qApp->palette().color(QPalette::Link), themeLinkColor(2));
        QVERIFY(!themeLinkColor(7).isValid());
    }

    // Every image a theme names must exist, or the control shows nothing where its arrow goes.
    void imagesOfTheThemeExist_data() { themeNumbers_data(); }
    void imagesOfTheThemeExist()
    {
        QFETCH(int, theme);
        QFile file(QString::fromLatin1(themeResourcePath(theme)));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString sheet = QString::fromUtf8(file.readAll());
        QRegularExpressionMatchIterator urls
            = QRegularExpression(QStringLiteral("url\\(([^)]+)\\)")).globalMatch(sheet);
        int count = 0;
        while (urls.hasNext()) {
            const QString path = urls.next().captured(1).trimmed();
            QVERIFY2(QFile::exists(path), qPrintable(path));
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
            ++count;
        }
        QVERIFY(count >= 2); // the combo box arrow, enabled and disabled
    }

    // The selected entry of the Settings list stays where it stood: only its background changes.
    void selectedSettingsEntryDoesNotMove_data() { themeNumbers_data(); }
    void selectedSettingsEntryDoesNotMove()
    {
        QFETCH(int, theme);
        applyTheme(theme, nullptr);
        QListWidget list;
        list.setObjectName(QStringLiteral("settingsMenuView"));
        QPixmap icon(16, 16);
        icon.fill(Qt::red);
        for (int i = 0; i < 3; ++i)
            new QListWidgetItem(QIcon(icon), QStringLiteral("Entry"), &list);
        list.setFocusPolicy(Qt::NoFocus);
        list.setCurrentRow(1);
        list.resize(200, 150);
        list.show();
        const QImage shot = list.grab().toImage();
        const QRect plain = list.visualItemRect(list.item(0));
        const QRect selected = list.visualItemRect(list.item(1));
        const QPoint offset = list.viewport()->mapTo(&list, QPoint(0, 0));
        const int plainX
            = firstInkColumn(shot, plain.top() + offset.y() + 2, plain.bottom() + offset.y() - 2);
        const int selectedX = firstInkColumn(shot, selected.top() + offset.y() + 2,
                                             selected.bottom() + offset.y() - 2);
        QVERIFY(plainX > 0);
        QCOMPARE(selectedX, plainX);
    }

    // The opacity slider offers its positions with tick marks under the groove.
    void sliderShowsTickMarks_data() { themeNumbers_data(); }
    void sliderShowsTickMarks()
    {
        QFETCH(int, theme);
        applyTheme(theme, nullptr);
        QWidget page;
        auto *slider = new QSlider(Qt::Horizontal, &page);
        slider->setRange(5, 10);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(1);
        slider->setValue(10);
        slider->setMinimumWidth(200);
        slider->resize(slider->sizeHint().expandedTo(QSize(200, 0)));
        page.resize(240, 60);
        page.show();
        QImage plain = slider->grab().toImage();
        slider->setTickPosition(QSlider::NoTicks);
        slider->resize(plain.size());
        const QImage without = slider->grab().toImage();
        QCOMPARE(without.size(), plain.size());
        // Only tick marks tell the two pictures apart.
        int differing = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (plain.pixel(x, y) != without.pixel(x, y))
                    ++differing;
            }
        }
        QVERIFY2(differing > 0, "no tick marks drawn");
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
