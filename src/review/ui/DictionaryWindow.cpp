#include "review/ui/DictionaryWindow.h"

#include "data/SharedDatabase.h"
#include "numerology/Lookups.h"
#include "widgets/HtmlView.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace qiming::review {

DictionaryWindow::DictionaryWindow(QWidget *parent)
    : QDialog(parent)
    , m_field(new QLineEdit(this))
    , m_search(new QPushButton(QStringLiteral("检索"), this))
    , m_viewArea(new QWidget(this))
{
    setObjectName(QStringLiteral("TForm9"));
    setWindowTitle(QStringLiteral("新华字典"));
    widgets::setFixedClientSize(this, 720, 600);
    auto *about = new QLabel(QStringLiteral("本字典现收录2万多个汉字。在搜索框内输入汉字，点击检索，就可以找到相应汉字的"
                                            "拼音、部首、笔划、注解、出处。"),
                             this);
    about->setWordWrap(true);
    auto *hint = new QLabel(QStringLiteral("请输入汉字"), this);
    m_field->setObjectName(QStringLiteral("Edit1"));
    m_field->setMaxLength(8); // one character, or a pinyin syllable such as xuan2
    m_field->setFixedWidth(110);
    m_field->setToolTip(QStringLiteral("输入一个汉字；也可以输入拼音（如 xuan 或 xuan1），列出读这个音的字"));
    m_search->setObjectName(QStringLiteral("Button1"));
    m_search->setDefault(true);
    m_search->setAutoDefault(true);
    m_viewArea->setObjectName(QStringLiteral("viewArea"));
    auto *row = new QHBoxLayout;
    row->addWidget(hint);
    row->addWidget(m_field);
    row->addWidget(m_search);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(row);
    layout->addWidget(m_viewArea, 1);
    connect(m_search, &QPushButton::clicked, this, &DictionaryWindow::lookup);
}

QTextBrowser *DictionaryWindow::view() const
{
    return widgets::currentHtmlView(m_viewArea);
}

void DictionaryWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    widgets::centerOnScreen(this);
}

void DictionaryWindow::showPage(const QString &html)
{
    QTextBrowser *v = widgets::showHtmlPage(m_viewArea, html, QStringLiteral("a { text-decoration: none; }"));
    connect(v, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (url.scheme() == QLatin1String("zi"))
            openEntry(url.path());
    });
}

void DictionaryWindow::openEntry(const QString &ch)
{
    m_field->setText(ch);
    lookup();
}

void DictionaryWindow::lookup()
{
    const QString text = m_field->text().trimmed();
    if (text.isEmpty())
        return;
    widgets::runGuarded(this, [&] {
        data::Database &db = data::sharedDatabase();
        static const QRegularExpression syllable(QStringLiteral("^[a-zA-Zü:āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ]+[1-5]?$"));
        if (syllable.match(text).hasMatch()) {
            const QString page = numerology::charactersReadAs(db, text);
            showPage(page.isEmpty() ? QStringLiteral("<p>没有找到读作 %1 的常用字。</p>").arg(text.toHtmlEscaped()) : page);
            return;
        }
        // The first character only, as the one-character field of old held.
        const QString ch = text.left(text.at(0).isHighSurrogate() ? 2 : 1);
        showPage(numerology::linkCharacters(numerology::lookupCharacter(db, ch), ch));
    });
}

} // namespace qiming::review
