#include "KeyTableUnit.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "AcnProcsUnit.h"
#include "Alphabet.h"
#include "EncodeQuagmire.h"
#include "KeyPaintBox.h"
#include "KeyToolWindow.h"
#include "TessarinError.h"

namespace {

constexpr int BoxSize = 22;
constexpr int PaintWidth = 26 * BoxSize + 2;
constexpr int PaintHeight = 209;
constexpr int ButtonGap = 15; // from the paint box's bottom to the OK button's top
constexpr int ButtonLeft = 32;
constexpr int ScreenRoomForFrameAndButton = 140; // title bar, borders and the OK button below a scrolling table

bool occursIn(std::string_view text, const QString& letter)
{
    return letter.size() == 1 && letter.at(0).unicode() < 0x80 &&
           text.find(static_cast<char>(letter.at(0).unicode())) != std::string_view::npos;
}

// The letter colour of box j (1 to 26) of row i.
QColor letterColour(const KeyTableKeys& keys, std::size_t i, int j, const QString& letter)
{
    if (i == 0) {
        return occursIn(keys.QUAGKEY, letter) ? QColor(Qt::red) : QColor(Qt::black);
    }
    return j == keys.Column || occursIn(keys.QUAGCKEY, letter) ? QColor(Qt::red) : QColor(Qt::black);
}

// The height the scene needs: down to the bottom of the caret's second stroke.
int sceneHeight(const KeyBoxScene& scene, const QPaintDevice* device)
{
    const int caretTop = scene.marks.empty() ? 0 : scene.marks.back().y;
    return caretTop + QFontMetrics(scene.font, device).height() + 1;
}

} // namespace

KeyTableKeys ReadKeyTableKeys(const PuzzleDocument& puzzle)
{
    KeyTableKeys keys;
    keys.QUAGKEY = puzzle.QUAGKEY;
    keys.QUAGCKEY = puzzle.QUAGCKEY;
    keys.PlainKey = puzzle.QUAGKEY.empty() ? std::string(StandardAlphabet) : puzzle.QUAGKEY;
    keys.CipherKey = puzzle.QUAGCKEY.empty() ? std::string(StandardAlphabet) : puzzle.QUAGCKEY;
    const std::size_t at = puzzle.QUAGINDI.find('@');
    keys.IndicatorKey = puzzle.QUAGINDI.substr(0, at);
    if (keys.IndicatorKey.empty()) {
        keys.IndicatorKey.assign(7, keys.CipherKey.front());
    }
    if (at != std::string::npos) {
        try {
            keys.Column = ParseIntegerValue(std::string_view(puzzle.QUAGINDI).substr(at + 1, 2));
        } catch (const TessarinError& error) {
            keys.Column = 0;
            keys.ColumnError = error.what();
        }
    }
    return keys;
}

std::vector<std::string> BuildKeyTableRows(const KeyTableKeys& keys)
{
    const std::string indicator = keys.IndicatorKey + "@" + std::to_string(keys.Column);
    return BuildQuagmireTable(keys.PlainKey, keys.CipherKey, indicator).rows;
}

KeyBoxScene KeyTableScene(const KeyTableKeys& keys, const QFont& base, int width, const QPaintDevice* device)
{
    const int s = width / 26;
    KeyBoxScene scene = MakeKeyBoxScene(base, s, s / 2 + 3, QLatin1Char('A'), device);
    const std::vector<std::string> rows = BuildKeyTableRows(keys);
    int y = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (int j = 1; j <= 26; ++j) {
            const QString letter = KeyLetterAt(rows[i], static_cast<std::size_t>(j - 1));
            scene.boxes.push_back({(j - 1) * s, y, letter, letterColour(keys, i, j, letter)});
        }
        y += i == 0 ? 2 * s : s;
    }
    y += 2;
    // "^" twice, one pixel apart, makes a bold caret under the right part of the column's box.
    const int caretX = keys.Column * s - QFontMetrics(scene.font, device).horizontalAdvance(QLatin1Char('m')) - 1;
    scene.marks.push_back({caretX, y, QStringLiteral("^"), Qt::blue});
    scene.marks.push_back({caretX, y + 1, QStringLiteral("^"), Qt::blue});
    return scene;
}

TKeyTableForm::TKeyTableForm(const AcnProcs& holder, QWidget* parent) : TKeyTableForm(holder.Puzzle, parent) {}

TKeyTableForm::TKeyTableForm(const PuzzleDocument& puzzle, QWidget* parent)
    : QDialog(parent), m_keys(ReadKeyTableKeys(puzzle)),
      m_paint(
          new KeyPaintBox([this](const QWidget& box) { return KeyTableScene(m_keys, box.font(), box.width(), &box); }))
{
    SetUpKeyToolWindow(*this, tr("Quagmire Keyword Table"));
    m_paint->setObjectName(QStringLiteral("KeyPaint"));
    m_paint->setFont(font());
    const QRect view = placePaintBox();
    QPushButton* ok = MakeKeyButton(*this, QStringLiteral("Button1"), tr("OK"), ButtonLeft, view.height() + ButtonGap);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(view.right() + 1 + KeyWindowBorder, ok->geometry().bottom() + 1 + KeyWindowBorder);
}

QRect TKeyTableForm::placePaintBox()
{
    // An indicator longer than seven characters (a hand-edited file) gets all its rows: the paint box grows to
    // hold them, and its view scrolls when the screen is too small for it.
    m_paint->resize(PaintWidth, PaintHeight);
    m_paint->resize(PaintWidth, std::max(PaintHeight, sceneHeight(m_paint->scene(), m_paint)));
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("KeyPaintScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(m_paint);
    // Like the other paint boxes, the table lies on the window's button-face colour.
    m_paint->setAutoFillBackground(false);
    scroll->viewport()->setBackgroundRole(QPalette::Button);
    const QScreen* screen = this->screen();
    const int room = screen ? screen->availableGeometry().height() - ScreenRoomForFrameAndButton : m_paint->height();
    const int viewHeight = std::min(m_paint->height(), std::max(room, PaintHeight));
    const int scrollBarRoom = viewHeight < m_paint->height() ? scroll->verticalScrollBar()->sizeHint().width() : 0;
    scroll->setGeometry(KeyWindowBorder, KeyWindowBorder, PaintWidth + scrollBarRoom, viewHeight);
    return scroll->geometry();
}

void TKeyTableForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    MoveToScreenTopLeft(*this);
}
