#include "CipherAlphaUnit.h"

#include <QIcon>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include "AcnProcsUnit.h"
#include "Alphabet.h"
#include "EncodeCipher.h"
#include "HorizontalUpDown.h"
#include "KeyPaintBox.h"
#include "KeyToolWindow.h"

namespace {

constexpr int BoxSize = 30;
constexpr int PaintWidth = 26 * BoxSize + 2; // the last box's grey outline lies two pixels past 26 boxes
constexpr int PaintHeight = 65;
constexpr int ButtonTop = 80;
constexpr int TurnLimit = 104;

} // namespace

KeyBoxScene CipherAlphaScene(const std::string& alphabet, const QFont& base, int width, const QPaintDevice* device)
{
    const int s = width / 26;
    KeyBoxScene scene = MakeKeyBoxScene(base, s, s / 2 + 3, QLatin1Char('A'), device);
    for (int j = 0; j < 26; ++j) {
        const QString plain(QChar(static_cast<char16_t>(u'A' + j)));
        scene.boxes.push_back({j * s, 0, plain, Qt::black});
        scene.boxes.push_back({j * s, s, KeyLetterAt(alphabet, static_cast<std::size_t>(j)), Qt::black});
    }
    return scene;
}

TCipherAlphaForm::TCipherAlphaForm(const AcnProcs& holder, Random& rng, QWidget* parent)
    : QDialog(parent), m_holder(holder), m_rng(rng),
      m_alphabet(holder.AlphabetToEdit().empty() ? std::string(StandardAlphabet) : holder.AlphabetToEdit()),
      m_paint(new KeyPaintBox(
          [this](const QWidget& box) { return CipherAlphaScene(m_alphabet, box.font(), box.width(), &box); }, this)),
      m_reset(new QToolButton(this)), m_upDown(new HorizontalUpDown(-TurnLimit, TurnLimit, this)),
      m_accept(MakeKeyButton(*this, QStringLiteral("AcceptBtn"), tr("OK"), 113, ButtonTop)),
      m_cancel(MakeKeyButton(*this, QStringLiteral("CancelBtn"), tr("Cancel"), 240, ButtonTop))
{
    SetUpKeyToolWindow(*this, tr("Cipher Alphabet"));
    m_paint->setObjectName(QStringLiteral("XYZPaint"));
    m_paint->setGeometry(KeyWindowBorder, KeyWindowBorder, PaintWidth, PaintHeight);

    m_reset->setObjectName(QStringLiteral("SpeedButton1"));
    m_reset->setText(tr("Reset"));
    m_reset->setIcon(QIcon(QStringLiteral(":/tools/reset.svg")));
    m_reset->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_reset->setGeometry(KeyWindowBorder + 24, KeyWindowBorder + ButtonTop, KeyButtonWidth, KeyButtonHeight);
    connect(m_reset, &QToolButton::clicked, this, &TCipherAlphaForm::SpeedButton1Click);

    m_upDown->setObjectName(QStringLiteral("UpDown1"));
    m_upDown->setGeometry(KeyWindowBorder + 24, KeyWindowBorder + ButtonTop, 50, KeyButtonHeight);
    connect(m_upDown, &HorizontalUpDown::clicked, this, &TCipherAlphaForm::UpDown1Click);

    m_accept->setDefault(true);
    connect(m_accept, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    // The arrow keys turn the alphabet as the arrows do, whichever control has the focus.
    connect(new QShortcut(QKeySequence(Qt::Key_Left), this), &QShortcut::activated, this, [this] { turnByKey(false); });
    connect(new QShortcut(QKeySequence(Qt::Key_Right), this), &QShortcut::activated, this, [this] { turnByKey(true); });

    setFixedSize(PaintWidth + 2 * KeyWindowBorder, KeyWindowBorder + ButtonTop + KeyButtonHeight + KeyWindowBorder);
    setOffsetMode(false);
}

void TCipherAlphaForm::setOffsetMode(bool offset)
{
    m_offsetMode = offset;
    m_reset->setVisible(!offset);
    m_upDown->setVisible(offset);
}

std::string TCipherAlphaForm::alphabet() const
{
    return m_alphabet;
}

void TCipherAlphaForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    MoveToScreenTopLeft(*this);
}

void TCipherAlphaForm::SpeedButton1Click()
{
    m_alphabet = ShuffledAlphabet(m_rng);
    // An empty CRADIOS (a hand-edited file) counts as "Similar".
    if (!m_holder.Puzzle.CRADIOS.empty() && m_holder.Puzzle.CRADIOS.front() == '1') {
        m_alphabet = MakeAlphabetUnique(m_alphabet);
    }
    m_paint->update();
}

void TCipherAlphaForm::UpDown1Click(bool next)
{
    if (m_alphabet.empty()) {
        return;
    }
    m_alphabet = next ? RotateRight(m_alphabet, 1) : RotateLeft(m_alphabet, 1);
    m_paint->update();
}

void TCipherAlphaForm::turnByKey(bool next)
{
    if (m_offsetMode) {
        m_upDown->step(next);
    }
}
