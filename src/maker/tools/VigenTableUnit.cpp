#include "VigenTableUnit.h"

#include <QPushButton>

#include "AcnProcsUnit.h"
#include "EncodeVigenere.h"
#include "KeyPaintBox.h"
#include "KeyToolWindow.h"

namespace {

constexpr int TableLeft = 36;
constexpr int TableWidth = 472;
constexpr int PaintHeight = 513;

KeyBoxScene vigenereScene(const QFont& base, int tableWidth, const QPaintDevice* device)
{
    const int s = tableWidth / 26;
    return MakeKeyBoxScene(base, s, s / 2 + 3, QLatin1Char('A'), device);
}

QString letterAt(const std::string& row, int index)
{
    return QString(QChar(static_cast<char16_t>(row[static_cast<std::size_t>(index)])));
}

} // namespace

KeyBoxScene VigenereTableScene(const QFont& base, int width, const QPaintDevice* device)
{
    KeyBoxScene scene = vigenereScene(base, width, device);
    const int s = scene.boxSize;
    const VigenereTableRows rows = VigenereTable();
    for (int j = 0; j < 26; ++j) {
        scene.boxes.push_back({j * s, 0, letterAt(rows[0], j), Qt::blue});
    }
    for (int k = 1; k <= 26; ++k) {
        for (int j = 0; j < 26; ++j) {
            scene.boxes.push_back({j * s, (k + 1) * s, letterAt(rows[static_cast<std::size_t>(k)], j), Qt::black});
        }
    }
    return scene;
}

KeyBoxScene VigenereSideScene(const QFont& base, int tableWidth, const QPaintDevice* device)
{
    KeyBoxScene scene = vigenereScene(base, tableWidth, device);
    const int s = scene.boxSize;
    for (int k = 1; k <= 26; ++k) {
        scene.boxes.push_back({0, (k + 1) * s, QString(QChar(static_cast<char16_t>(u'A' + k - 1))), Qt::blue});
    }
    return scene;
}

TVigenTableForm::TVigenTableForm(const AcnProcs& /*holder*/, QWidget* parent) : QDialog(parent)
{
    SetUpKeyToolWindow(*this, tr("Vigenere Table"));
    auto* table =
        new KeyPaintBox([](const QWidget& box) { return VigenereTableScene(box.font(), box.width(), &box); }, this);
    table->setObjectName(QStringLiteral("VPaint"));
    table->setGeometry(KeyWindowBorder + TableLeft, KeyWindowBorder, TableWidth, PaintHeight);
    auto* side = new KeyPaintBox(
        [table](const QWidget& box) { return VigenereSideScene(box.font(), table->width(), &box); }, this);
    side->setObjectName(QStringLiteral("SidePaint"));
    side->setGeometry(KeyWindowBorder, KeyWindowBorder, TableLeft, PaintHeight);

    QPushButton* ok = MakeKeyButton(*this, QStringLiteral("Button1"), tr("OK"), 48, 0);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // Room for 28 box heights (the header, the gap and 26 rows), then the button one button height lower.
    const int rowsHeight = (TableWidth / 26) * 28;
    ok->move(ok->x(), KeyWindowBorder + rowsHeight + ok->height());
    setFixedSize(KeyWindowBorder + TableLeft + TableWidth + KeyWindowBorder,
                 ok->geometry().bottom() + 1 + KeyWindowBorder);
}

void TVigenTableForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    MoveToScreenTopLeft(*this);
}
