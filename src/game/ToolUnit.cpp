#include "ToolUnit.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtMath>

#include "QtCodePage.h"
#include "UiServices.h"

namespace {
constexpr int ButtonHeight = 25;
constexpr int LabelLeft = 230; // the key labels stand right of the OK button

QFont MemoFont(int points)
{
    QFont font(QStringLiteral("Courier New"), points);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// The room the memo needs to show all its lines: the design sizes suit Courier New, and the fixed-pitch font that
// stands in for it may have taller lines or wider letters. A few pixels spare keep the caret inside.
QSize MemoRoom(const QPlainTextEdit& memo, const QStringList& lines)
{
    const QFontMetricsF metrics(memo.font());
    qreal widest = 0;
    for (const QString& line : lines) {
        widest = qMax(widest, metrics.horizontalAdvance(line));
    }
    // Each line takes its spacing rounded up to whole pixels; the document margin lies above and below the text.
    const int margins = qCeil(2 * memo.document()->documentMargin()) + 2 * memo.frameWidth() + 4;
    return {qCeil(widest) + margins, static_cast<int>(lines.size()) * qCeil(metrics.lineSpacing()) + margins};
}
} // namespace

TToolForm::TToolForm(ToolKeys keys, Dialogs* dialogs, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_keys(std::move(keys)), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("ToolForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Tool"));
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("ToolMemo"));
    m_memo->setReadOnly(true); // the keys are shown, not edited
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setFont(MemoFont(12));
    QPalette pal = m_memo->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    m_memo->setPalette(pal);
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("KwLbl1"));
    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("KwLbl2"));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OkBtn"));
    m_ok->setFixedSize(75, ButtonHeight);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::close);
    resize(513, m_memoHeight + ButtonHeight + 36);
}

void TToolForm::moveToScreenCorner()
{
    const QScreen* s = screen();
    if (s == nullptr) {
        return;
    }
    // The corner is that of the frame, so the window manager keeps the title bar on the screen.
    const QPoint corner = s->availableGeometry().topLeft();
    move(corner);
    if (QWindow* handle = windowHandle()) {
        handle->setFramePosition(corner);
    }
}

void TToolForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_built) {
        return;
    }
    m_built = true;
    const ToolContent content = BuildToolContent(m_keys);
    if (content.built) {
        showContent(content);
    }
    // After the last resize: a resize places the window by its client area again.
    if (m_place) {
        m_place(this);
    } else {
        moveToScreenCorner();
    }
}

void TToolForm::showContent(const ToolContent& content)
{
    setWindowTitle(FromCodePage(content.caption));
    m_label1->setText(FromCodePage(content.label1));
    m_label2->setText(FromCodePage(content.label2));
    m_memo->setFont(MemoFont(content.fontPoints));
    QStringList lines;
    for (const std::string& line : content.lines) {
        lines.append(FromCodePage(line));
    }
    // The design sizes, grown where the font needs more room, so that no line is cut off or scrolled away.
    const QSize room = MemoRoom(*m_memo, lines);
    m_memoHeight = qMax(content.memoHeight, room.height());
    m_memoWidth = content.memoWidth > 0 ? qMax(content.memoWidth, room.width()) : 0;
    // A long keyword widens the window rather than being cut off at its edge.
    const int labels = LabelLeft + qMax(m_label1->sizeHint().width(), m_label2->sizeHint().width()) + 8;
    resize(qMax(qMax(content.clientWidth, labels), qMax(m_memoWidth, room.width())), m_memoHeight + ButtonHeight + 36);
    placeControls();
    if (!content.error.empty()) {
        m_memo->clear();
        m_dialogs->showError(this, QString::fromUtf8(content.error));
        return;
    }
    m_memo->setPlainText(lines.join(QLatin1Char('\n')));
}

void TToolForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeControls();
}

void TToolForm::placeControls()
{
    const int h = height();
    m_memo->setGeometry(0, 0, m_memoWidth > 0 ? m_memoWidth : width(), m_memoHeight);
    m_label1->setGeometry(LabelLeft, h - 47, width() - LabelLeft, 20);
    m_label2->setGeometry(LabelLeft, h - 25, width() - LabelLeft, 20);
    m_ok->move(32, h - 5 - ButtonHeight);
}
