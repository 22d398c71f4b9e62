#include "PlayfairSqUnit.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include "AcnProcsUnit.h"
#include "Alphabet.h"
#include "EncodePlayfair.h"
#include "KeyPaintBox.h"
#include "KeyToolWindow.h"

namespace {

constexpr int PaintWidth = 150;
constexpr int ToolBarLeft = 176;
constexpr int ToolBarTop = 16;

QToolButton* toolButton(QWidget* parent, const QString& name, const QString& icon, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setFixedSize(23, 22);
    button->setFocusPolicy(Qt::NoFocus);
    if (!icon.isEmpty()) {
        button->setIcon(QIcon(icon));
    }
    button->setToolTip(tip);
    return button;
}

} // namespace

KeyBoxScene PlayfairSquareScene(const std::string& square, const QFont& base, int width, const QPaintDevice* device)
{
    const int s = width / 5 - 1;
    KeyBoxScene scene = MakeKeyBoxScene(base, s, s / 2, QLatin1Char('M'), device);
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            const std::size_t index = static_cast<std::size_t>(r * 5 + c);
            scene.boxes.push_back({c * s, r * s, KeyLetterAt(square, index), Qt::black});
        }
    }
    return scene;
}

TPlayfairSqForm::TPlayfairSqForm(const AcnProcs& holder, QWidget* parent)
    : QDialog(parent), m_square(PlayfairSquareOf(holder.SquareKeyToEdit())),
      m_paint(new KeyPaintBox(
          [this](const QWidget& box) { return PlayfairSquareScene(m_square, box.font(), box.width(), &box); }, this)),
      m_accept(MakeKeyButton(*this, QStringLiteral("AcceptBtn"), tr("OK"), ToolBarLeft, 60)),
      m_cancel(MakeKeyButton(*this, QStringLiteral("CancelBtn"), tr("Cancel"), ToolBarLeft, 0))
{
    SetUpKeyToolWindow(*this, tr("Playfair Square"));
    m_paint->setObjectName(QStringLiteral("ABCPaint"));
    // The paint box is as high as it is wide, so that the square area is square.
    m_paint->setGeometry(KeyWindowBorder, KeyWindowBorder, PaintWidth, PaintWidth);
    QWidget* toolBar = makeToolBar();

    m_accept->setDefault(true);
    connect(m_accept, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_Left), this), &QShortcut::activated, this,
            &TPlayfairSqForm::ToolButton1Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Right), this), &QShortcut::activated, this,
            &TPlayfairSqForm::ToolButton2Click);

    const int clientHeight = PaintWidth + 2 * KeyWindowBorder;
    setFixedSize(toolBar->geometry().right() + 1 + KeyWindowBorder, clientHeight);
    m_cancel->move(m_cancel->x(), clientHeight - 2 * m_cancel->height());
}

QWidget* TPlayfairSqForm::makeToolBar()
{
    auto* toolBar = new QFrame(this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setFrameShape(QFrame::Panel);
    toolBar->setFrameShadow(QFrame::Raised);
    auto* layout = new QHBoxLayout(toolBar);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    QToolButton* back = toolButton(toolBar, QStringLiteral("ToolButton1"), QStringLiteral(":/tools/arrow-left.svg"),
                                   tr("Move the letters one place back"));
    QToolButton* spacer = toolButton(toolBar, QStringLiteral("ToolButton3"), {}, {});
    spacer->setEnabled(false);
    QToolButton* forward = toolButton(toolBar, QStringLiteral("ToolButton2"), QStringLiteral(":/tools/arrow-right.svg"),
                                      tr("Move the letters one place forward"));
    layout->addWidget(back);
    layout->addWidget(spacer);
    layout->addWidget(forward);
    connect(back, &QToolButton::clicked, this, &TPlayfairSqForm::ToolButton1Click);
    connect(forward, &QToolButton::clicked, this, &TPlayfairSqForm::ToolButton2Click);
    toolBar->move(KeyWindowBorder + ToolBarLeft, KeyWindowBorder + ToolBarTop);
    toolBar->resize(toolBar->sizeHint());
    return toolBar;
}

std::string TPlayfairSqForm::square() const
{
    return m_square;
}

void TPlayfairSqForm::setKeyword(const std::string& keyword)
{
    m_square = PlayfairSquareOf(keyword);
    m_paint->update();
}

void TPlayfairSqForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    MoveToScreenTopLeft(*this);
}

void TPlayfairSqForm::ToolButton1Click()
{
    m_square = RotateLeft(m_square, 1);
    m_paint->update();
}

void TPlayfairSqForm::ToolButton2Click()
{
    m_square = RotateRight(m_square, 1);
    m_paint->update();
}
