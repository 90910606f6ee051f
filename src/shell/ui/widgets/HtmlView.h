// The HTML view several windows share: a page held in memory, shown and printed.
#pragma once

#include <QString>

class QTextBrowser;
class QWidget;

namespace qiming::shell {

// Discards the container's current view and shows the text in a new one that fills it.
// Nothing is read from disk or the network. Returns the new view.
QTextBrowser *showHtmlPage(QWidget *container, const QString &text);
// The container's current view, or null.
QTextBrowser *currentHtmlView(QWidget *container);
// The platform's print dialog, then the page at its 96-dpi sizes. False when cancelled.
bool printPage(QTextBrowser *view);

} // namespace qiming::shell
