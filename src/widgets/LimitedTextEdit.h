// A plain text input that refuses what goes beyond its limit, typed or pasted; line breaks
// count as characters.
#pragma once

#include <QPlainTextEdit>

namespace qiming::widgets {

class LimitedTextEdit final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LimitedTextEdit(int limit, QWidget *parent = nullptr);
    int limit() const { return m_limit; }

private:
    void clip();
    int m_limit;
    bool m_clipping = false;
};

} // namespace qiming::widgets
