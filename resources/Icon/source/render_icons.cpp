// Renders the SVG drawings of this folder into the PNG/ICO files the program loads.
// Build and run once after changing a drawing (needs only Qt):
//   g++ -std=c++17 -fPIC render_icons.cpp -o /tmp/render_icons \
//       $(pkg-config --cflags --libs Qt5Svg Qt5Gui) && QT_QPA_PLATFORM=offscreen /tmp/render_icons
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

static bool render(const QString &svg, const QSize &size, const QString &target, const char *format)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return false;
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    QImageWriter writer(target, format);
    return writer.write(image);
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QDir here(QFileInfo(QString::fromLocal8Bit(__FILE__)).absolutePath());
    const QString iconDir = here.absoluteFilePath(QStringLiteral(".."));
    const QString splashDir = here.absoluteFilePath(QStringLiteral("../../Splash"));
    QTextStream out(stdout);
    int failures = 0;

    const QStringList drawings = here.entryList({ QStringLiteral("*.svg") }, QDir::Files);
    for (const QString &file : drawings) {
        const QString base = QFileInfo(file).completeBaseName();
        const QString svg = here.absoluteFilePath(file);
        bool ok = false;
        if (base == QLatin1String("Dravonel_Logo")) {
            ok = render(svg, QSize(1242, 362), splashDir + "/Dravonel_Logo.png", "png");
        } else if (base == QLatin1String("verdimon_icon")) {
            ok = render(svg, QSize(64, 64), iconDir + "/verdimon_icon.ico", "ico");
        } else if (base.size() == 5 && base.at(2) == QLatin1Char('_')) {
            ok = render(svg, QSize(48, 32), iconDir + "/" + base + ".png", "png"); // flags
        } else {
            ok = render(svg, QSize(48, 48), iconDir + "/" + base + ".png", "png");
        }
        out << (ok ? "ok     " : "FAILED ") << file << '\n';
        failures += ok ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
