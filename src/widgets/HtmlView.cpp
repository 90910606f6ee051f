#include "widgets/HtmlView.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace qiming::widgets {

namespace {

const QString kViewName = QStringLiteral("htmlView");

// A view that never fetches anything: pages carry all they show.
class OfflineBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int, const QUrl &) override { return {}; }
};

} // namespace

QTextBrowser *currentHtmlView(QWidget *container)
{
    return container->findChild<QTextBrowser *>(kViewName, Qt::FindDirectChildrenOnly);
}

QTextBrowser *showHtmlPage(QWidget *container, const QString &text, const QString &styleSheet)
{
    if (QTextBrowser *old = currentHtmlView(container)) {
        old->setObjectName(QString());
        old->hide();
        old->deleteLater();
    }
    auto *layout = qobject_cast<QVBoxLayout *>(container->layout());
    if (!layout) {
        layout = new QVBoxLayout(container);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    auto *view = new OfflineBrowser(container);
    view->setObjectName(kViewName);
    view->resize(600, 500);
    view->setOpenLinks(false);
    view->setOpenExternalLinks(false);
    layout->addWidget(view);
    view->raise();
    if (!styleSheet.isEmpty())
        view->document()->setDefaultStyleSheet(styleSheet);
    view->setHtml(text);
    view->show();
    return view;
}

bool printPage(QTextBrowser *view)
{
    return view && printWithDialog(*view->document(), view->window());
}

bool printWithDialog(const QTextDocument &document, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return printDocument(document, printer);
}

bool printDocument(const QTextDocument &document, QPrinter &printer)
{
    std::unique_ptr<QTextDocument> doc(document.clone());
    const QRectF page = printer.pageRect(QPrinter::Inch);
    const double scale = printer.resolution() / 96.0;
    const QSizeF pageSize(page.width() * 96.0, page.height() * 96.0);
    doc->setPageSize(pageSize);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.scale(scale, scale);
    const int pages = doc->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            printer.newPage();
        painter.save();
        painter.translate(0, -i * pageSize.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, i * pageSize.height(), pageSize.width(), pageSize.height());
        painter.setClipRect(context.clip);
        doc->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

} // namespace qiming::widgets
