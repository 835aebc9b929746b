// The round avatar button: default picture, replacement, stretching and its signals.

#include "accounts/accountimage.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

class TstAccountImage : public QObject
{
    Q_OBJECT

private slots:
    void defaultPictureAndItsReplacement()
    {
        AccountImage image;
        const QImage defaultPicture = QPixmap(QStringLiteral(":/Icon/user_avatar.svg")).toImage();
        QVERIFY(!defaultPicture.isNull());
        QCOMPARE(image.avatar().toImage(), defaultPicture);
        QPixmap red(10, 10);
        red.fill(Qt::red);
        image.setAvatar(red);
        QCOMPARE(image.avatar().toImage().pixelColor(5, 5), QColor(Qt::red));
        image.setAvatar(QPixmap()); // a null picture brings the default back
        QCOMPARE(image.avatar().toImage(), defaultPicture);
    }

    void paintsCircleWithStretchedPicture()
    {
        AccountImage image;
        image.setFixedSize(100, 100);
        // A wide picture, left half red and right half blue, is stretched, not cropped.
        QPixmap wide(200, 50);
        wide.fill(Qt::red);
        QPainter(&wide).fillRect(100, 0, 100, 50, Qt::blue);
        image.setAvatar(wide);
        const QImage shot = image.grab().toImage();
        QCOMPARE(shot.pixelColor(25, 50), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(75, 50), QColor(Qt::blue));
        // Corners lie outside the circle and stay unpainted by the picture.
        QVERIFY(shot.pixelColor(1, 1) != QColor(Qt::red));
        QVERIFY(shot.pixelColor(98, 98) != QColor(Qt::blue));
    }

    // Any mouse button clicks once; hovering enters and leaves once.
    void mouseSignals()
    {
        AccountImage image;
        image.resize(25, 25);
        QSignalSpy clicks(&image, &AccountImage::mouseClick);
        QSignalSpy enters(&image, &AccountImage::mouseEnter);
        QSignalSpy leaves(&image, &AccountImage::mouseLeave);
        for (Qt::MouseButton button : { Qt::LeftButton, Qt::RightButton, Qt::MiddleButton }) {
            QTest::mousePress(&image, button);
            QTest::mouseRelease(&image, button);
        }
        QCOMPARE(clicks.count(), 3);
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
