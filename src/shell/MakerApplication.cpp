#include "MakerApplication.h"

#include "TessarinError.h"

MakerApplication::MakerApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Dunmarrow32"));
    // The application title "Tessarin 5" titles the message boxes. It is the name, not a display name, because a
    // display name would be appended to every other window's caption ("About Tessarin").
    setApplicationName(QStringLiteral("Tessarin 5"));
    setApplicationVersion(QStringLiteral(TESSARIN_VERSION));
    setDesktopFileName(QStringLiteral("org.example.tessarin.maker"));
}

bool MakerApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (m_dialogs != nullptr) {
            m_dialogs->showError(activeWindow(), QString::fromUtf8(e.what()));
        }
    }
    return false;
}
