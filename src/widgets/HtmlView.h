// The HTML view several windows share: a page held in memory, shown and printed.
#pragma once

#include <QString>

class QPrinter;
class QTextBrowser;
class QTextDocument;
class QWidget;

namespace qiming::widgets {

// Discards the container's current view and shows the text in a new one that fills it.
// Nothing is read from disk or the network; styleSheet, if any, applies before the text is laid
// out. Returns the new view.
QTextBrowser *showHtmlPage(QWidget *container, const QString &text, const QString &styleSheet = {});
// The container's current view, or null.
QTextBrowser *currentHtmlView(QWidget *container);
// The platform's print dialog (which offers a PDF file too), then printDocument.
// False when cancelled.
bool printPage(QTextBrowser *view);
// The print dialog over parent, then printDocument. False when cancelled.
bool printWithDialog(const QTextDocument &document, QWidget *parent);
// Lays the page out at 96 dpi, the sizes its px values mean, and scales the painter up to
// the printer's resolution; drawn at printer resolution directly the text would be specks.
bool printDocument(const QTextDocument &document, QPrinter &printer);

} // namespace qiming::widgets
