#include "widgets/LimitedTextEdit.h"

namespace qiming::widgets {

LimitedTextEdit::LimitedTextEdit(int limit, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_limit(limit)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::clip);
}

void LimitedTextEdit::clip()
{
    if (m_clipping)
        return;
    const QString text = toPlainText();
    qsizetype excess = text.size() - m_limit;
    if (excess <= 0)
        return;
    // What was just typed or pasted ends at the cursor: its tail goes, the rest stays.
    QTextCursor cursor = textCursor();
    const int end = cursor.position();
    int start = qMax(0, end - int(excess));
    if (start > 0 && start < text.size() && text.at(start).isLowSurrogate())
        --start; // never half a character
    m_clipping = true;
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    setTextCursor(cursor);
    m_clipping = false;
    // A change elsewhere than at the cursor (rare): cut the end.
    if (toPlainText().size() > m_limit) {
        m_clipping = true;
        QString kept = toPlainText().left(m_limit);
        if (kept.size() && kept.back().isHighSurrogate())
            kept.chop(1);
        setPlainText(kept);
        moveCursor(QTextCursor::End);
        m_clipping = false;
    }
}

} // namespace qiming::widgets
