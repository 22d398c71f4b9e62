#include "SplashUnit.h"

#include <QApplication>
#include <QBitmap>
#include <QEvent>
#include <QEventLoop>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace {

constexpr QSize SplashSize(419, 306);

} // namespace

QPixmap TSplashScreen::splashPicture()
{
    // The picture is drawn on transparency first; what stays mostly transparent becomes pure magenta, the rest
    // opaque, so no blended magenta fringe shows at the smooth edges of the shape.
    QImage image(SplashSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QSvgRenderer renderer(QStringLiteral(":/shell/splash.svg"));
        QPainter painter(&image);
        renderer.render(&painter);
    }
    const QRgb magenta = qRgb(255, 0, 255);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(line[x]);
            line[x] = qAlpha(line[x]) < 128 ? magenta : qRgb(c.red(), c.green(), c.blue());
        }
    }
    return QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
}

TSplashScreen::TSplashScreen() : QSplashScreen(splashPicture(), Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashScreen"));
    // Not shown (the splash has no caption), but it tells the splash apart from the main window for the desktop.
    setWindowTitle(QStringLiteral("Starting Tessarin 5"));
    // Pure magenta is transparent: the picture's shape is the window's shape.
    setMask(pixmap().createMaskFromColor(QColor(255, 0, 255), Qt::MaskInColor));
}

TSplashScreen::~TSplashScreen()
{
    done();
}

void TSplashScreen::showAtStart()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_cursorSet = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    repaint();
    QCoreApplication::processEvents();
}

void TSplashScreen::pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void TSplashScreen::finishWhenActive(QWidget* mainWindow, int fallbackMs)
{
    mainWindow->installEventFilter(this);
    if (mainWindow->isActiveWindow()) {
        done();
        return;
    }
    QTimer::singleShot(fallbackMs, this, [this] { done(); });
}

bool TSplashScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { done(); });
    }
    return QSplashScreen::eventFilter(watched, event);
}

void TSplashScreen::done()
{
    if (m_cursorSet) {
        QApplication::restoreOverrideCursor();
        m_cursorSet = false;
    }
    if (!m_done) {
        m_done = true;
        hide();
    }
}
