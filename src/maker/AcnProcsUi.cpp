#include "AcnProcsUi.h"

#include <QEventLoop>
#include <QTimer>

void ShowError(const UiServices& ui, QWidget* parent, const QString& message)
{
    ui.sounds->playError();
    ui.dialogs->showError(parent, message);
}

void ReportError(const UiServices& ui, QWidget* parent, const QString& message)
{
    ui.dialogs->showError(parent, message);
}

void PauseFor(int ms)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}
