#pragma once

#include <QSplashScreen>

/// The splash window of the start-up: the picture without border or caption, its magenta pixels transparent, shown
/// with the hourglass pointer until the main window has become active.
class TSplashScreen : public QSplashScreen
{
    Q_OBJECT
public:
    TSplashScreen();
    ~TSplashScreen() override;

    /// Sets the hourglass pointer, shows the splash and paints it at once.
    void showAtStart();
    /// Holds start-up up for ms milliseconds while window events keep being processed.
    void pause(int ms);
    /// Closes the splash (and restores the pointer) once mainWindow has become active, at the latest after
    /// fallbackMs milliseconds after it was shown.
    void finishWhenActive(QWidget* mainWindow, int fallbackMs = 1500);

    /// The splash picture, 419 by 306 pixels, with the magenta outside of its shape.
    static QPixmap splashPicture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void done();

    bool m_cursorSet = false;
    bool m_done = false;
};
