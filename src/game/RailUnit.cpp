#include "RailUnit.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWindow>

#include "QtCodePage.h"
#include "SolvingCommands.h"

TRailForm::TRailForm(const GamePuzzle& puzzle, QWidget* parent) : QDialog(parent, Qt::Tool), m_puzzle(puzzle)
{
    setObjectName(QStringLiteral("RailForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Rail Fence Rails"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Rails:"), this);
    m_rails = new QSpinBox(this);
    m_rails->setObjectName(QStringLiteral("RailsBox"));
    m_rails->setRange(2, 9);
    label->setBuddy(m_rails);
    auto* read = new QPushButton(QStringLiteral("Read into &Board"), this);
    read->setObjectName(QStringLiteral("ReadBtn"));
    read->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    top->addWidget(label);
    top->addWidget(m_rails);
    top->addStretch(1);
    top->addWidget(read);
    top->addWidget(close);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("RailMemo"));
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("Courier New"), 11);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    m_memo->setFont(font);
    layout->addLayout(top);
    layout->addWidget(m_memo, 1);
    connect(m_rails, &QSpinBox::valueChanged, this, &TRailForm::showLayout);
    connect(read, &QPushButton::clicked, this, [this] { Q_EMIT readIntoBoard(rails()); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(520, 260);
    showLayout();
}

int TRailForm::rails() const
{
    return m_rails->value();
}

void TRailForm::setRails(int rails)
{
    m_rails->setValue(rails);
}

void TRailForm::showLayout()
{
    const RailLayout layout = LayOutRails(m_puzzle, rails());
    QStringList lines;
    for (const std::string& line : layout.lines) {
        lines.append(FromCodePage(line));
    }
    lines.append(QString());
    lines.append(QStringLiteral("Reading: ") + FromCodePage(layout.reading));
    m_memo->setPlainText(lines.join(QLatin1Char('\n')));
}

void PlaceBesideBoard(QWidget* tool, const QWidget* mainWindow, const QWidget* board)
{
    const QScreen* screen = mainWindow->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QRect frame = mainWindow->frameGeometry();
    const QRect boardArea(board->mapToGlobal(QPoint(0, 0)), board->size());
    const QSize size = tool->frameGeometry().size().expandedTo(tool->size());
    QPoint at;
    if (frame.right() + 8 + size.width() <= area.right()) {
        at = QPoint(frame.right() + 8, boardArea.top());
    } else if (frame.left() - 8 - size.width() >= area.left()) {
        at = QPoint(frame.left() - 8 - size.width(), boardArea.top());
    } else {
        at = QPoint(boardArea.right() - size.width(), boardArea.bottom() - size.height());
        at.setY(qMax(at.y(), boardArea.top()));
        at.setX(qMax(at.x(), area.left()));
    }
    at.setY(qMin(at.y(), area.bottom() - size.height()));
    at.setY(qMax(at.y(), area.top()));
    tool->move(at);
    if (QWindow* handle = tool->windowHandle()) {
        handle->setFramePosition(at);
    }
}
