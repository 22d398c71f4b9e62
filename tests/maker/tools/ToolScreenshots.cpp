// Saves a picture of each key window, made for a puzzle whose keys show every colour, into the folder given as
// the only argument: tools-cipher-alphabet.png, tools-playfair-square.png, tools-keyword-table.png,
// tools-vigenere-table.png (and the offset form of the cipher alphabet window). Run by hand to look at them.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include "AcnProcsUnit.h"
#include "CipherAlphaUnit.h"
#include "KeyTableUnit.h"
#include "PlayfairSqUnit.h"
#include "Random.h"
#include "VigenTableUnit.h"

namespace {

// On a real display the picture is taken from the screen, frame included; offscreen from the window itself.
void save(QDialog& window, const QDir& folder, const QString& name)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return;
    }
    QTest::qWait(300);
    const bool onScreen = QGuiApplication::platformName() == u"xcb"_qs;
    // On screen: from the screen's corner down to the frame's far corner, which shows where the window opens.
    const QRect frame = window.frameGeometry();
    const QPixmap picture =
        onScreen ? window.screen()->grabWindow(0, 0, 0, frame.right() + 9, frame.bottom() + 9) : window.grab();
    picture.save(folder.filePath(name));
    window.hide();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    AcnProcs holder;
    holder.Puzzle.CIPHKEY = "QWERTYUIOPASDFGHJKLZXCVBNM";
    holder.Puzzle.CRADIOS = "10";
    holder.Puzzle.PLAYKEY = "MONARCHY";
    holder.Puzzle.QUAGKEY = "SPRING";
    holder.Puzzle.QUAGCKEY = "FLOWER";
    holder.Puzzle.QUAGINDI = "BLOOM@3";
    Random rng(5);

    TCipherAlphaForm alpha(holder, rng);
    save(alpha, folder, QStringLiteral("tools-cipher-alphabet.png"));
    alpha.setOffsetMode(true);
    save(alpha, folder, QStringLiteral("tools-cipher-alphabet-offset.png"));
    TPlayfairSqForm square(holder);
    save(square, folder, QStringLiteral("tools-playfair-square.png"));
    TKeyTableForm table(holder);
    save(table, folder, QStringLiteral("tools-keyword-table.png"));
    holder.Puzzle.QUAGINDI = "HANDEDITEDKEY@12"; // longer than the box allows: one row per character
    TKeyTableForm longTable(holder);
    save(longTable, folder, QStringLiteral("tools-keyword-table-long.png"));
    TVigenTableForm vigenere(holder);
    save(vigenere, folder, QStringLiteral("tools-vigenere-table.png"));
    return 0;
}
