#include "widgets/PageControls.h"

#include <QLabel>
#include <QPushButton>

namespace qiming::widgets {

QPushButton *pageButton(const char *name, const char *caption, QWidget *parent, int minimumWidth)
{
    auto *b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumSize(minimumWidth, 28);
    return b;
}

QLabel *pageLabel(const char *name, const QString &text, QWidget *parent, bool green)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    if (green)
        l->setStyleSheet(QStringLiteral("QLabel { color: #008000; }"));
    return l;
}

QLabel *hintLabel(const QString &text, QWidget *parent, const char *colour)
{
    auto *l = new QLabel(text, parent);
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("QLabel { color: %1; }").arg(QString::fromLatin1(colour)));
    return l;
}

} // namespace qiming::widgets
