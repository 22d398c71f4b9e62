#include "MakerApplication.h"

#include "TessarinError.h"

MakerApplication::MakerApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Dunmarrow32"));
    setApplicationName(QStringLiteral("Tessarin"));
    setApplicationDisplayName(QStringLiteral("Tessarin 5"));
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
