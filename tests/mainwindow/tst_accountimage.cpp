// The round avatar button: default picture, replacement, stretching and its signals.

#include "accounts/accountimage.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

class TstAccountImage : public QObject
{
    Q_OBJECT

private:
    static QPixmap filled(const QSize &size, const QColor &colour)
    {
        QPixmap picture(size);
        picture.fill(colour);
        return picture;
    }

private slots:
    void startsWithDefaultPicture()
    {
        AccountImage image;
        QVERIFY(!image.avatar().isNull());
        QCOMPARE(image.avatar().toImage(),
                 QPixmap(QStringLiteral(":/Icon/user_avatar.svg")).toImage());
    }

    void nullPictureRestoresDefault()
    {
        AccountImage image;
        const QImage defaultPicture = image.avatar().toImage();
        image.setAvatar(filled(QSize(10, 10), Qt::red));
        QCOMPARE(image.avatar().toImage().pixelColor(5, 5), QColor(Qt::red));
        image.setAvatar(QPixmap());
        QCOMPARE(image.avatar().toImage(), defaultPicture);
    }

    void paintsCircleWithStretchedPicture()
    {
        AccountImage image;
        image.setFixedSize(100, 100);
        // A wide picture, left half red and right half blue, is stretched, not cropped.
        QPixmap wide(200, 50);
        wide.fill(Qt::red);
        {
            QPainter painter(&wide);
            painter.fillRect(100, 0, 100, 50, Qt::blue);
        }
        image.setAvatar(wide);
        const QImage shot = image.grab().toImage();
        QCOMPARE(shot.pixelColor(25, 50), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(75, 50), QColor(Qt::blue));
        // Corners lie outside the circle and stay unpainted by the picture.
        QVERIFY(shot.pixelColor(1, 1) != QColor(Qt::red));
        QVERIFY(shot.pixelColor(98, 98) != QColor(Qt::blue));
    }

    void pressEmitsClickOnce_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }

    void pressEmitsClickOnce()
    {
        QFETCH(int, button);
        AccountImage image;
        image.resize(25, 25);
        QSignalSpy clicks(&image, &AccountImage::mouseClick);
        QTest::mousePress(&image, Qt::MouseButton(button));
        QCOMPARE(clicks.count(), 1);
    }

    void hoverEmitsEnterAndLeave()
    {
        AccountImage image;
        QSignalSpy enters(&image, &AccountImage::mouseEnter);
        QSignalSpy leaves(&image, &AccountImage::mouseLeave);
        QHoverEvent enter(QEvent::HoverEnter, QPointF(1, 1), QPointF(-1, -1));
        QCoreApplication::sendEvent(&image, &enter);
        QHoverEvent leave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(1, 1));
        QCoreApplication::sendEvent(&image, &leave);
        QCOMPARE(enters.count(), 1);
        QCOMPARE(leaves.count(), 1);
    }
};

QTEST_MAIN(TstAccountImage)
#include "tst_accountimage.moc"
