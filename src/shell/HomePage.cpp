#include "shell/HomePage.h"

#include "widgets/AppIcons.h"

#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace qiming::shell {

namespace {

struct Mode {
    const char *objectName;
    const char *caption;
    const char *sign;
    QColor colour;
};

} // namespace

HomePage::HomePage(QWidget *parent)
    : QWidget(parent)
{
    const Mode modes[] = {{"BitBtn1", "高分模式", "高", QColor(0xd9, 0x4f, 0x3d)},
                          {"BitBtn2", "经典模式", "经", QColor(0xc7, 0x8a, 0x1c)},
                          {"BitBtn3", "诗词模式", "诗", QColor(0x3d, 0x8f, 0x5a)},
                          {"BitBtn4", "取英文名", "En", QColor(0x3a, 0x6e, 0xc2)},
                          {"BitBtn5", "取小名", "小", QColor(0xc4, 0x4f, 0x9a)},
                          {"BitBtn6", "组合模式", "组", QColor(0x6b, 0x55, 0xb8)}};
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    for (const Mode &m : modes) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(m.objectName));
        b->setText(QString::fromUtf8(m.caption));
        b->setIcon(widgets::tileIcon(QString::fromUtf8(m.sign), m.colour));
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setMinimumSize(128, 44);
        b->setStyleSheet(QStringLiteral("QToolButton { font-size: 15px; font-weight: bold; }"));
        b->setFocusPolicy(Qt::StrongFocus); // reachable with Tab, pressed with Space
        buttons->addWidget(b);
        m_buttons.push_back(b);
    }
    buttons->addStretch();

    auto *text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("Memo1"));
    text->setReadOnly(true);
    text->setOpenLinks(false);
    text->setHtml(introduction());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(buttons);
    layout->addWidget(text, 1);
}

QString HomePage::introduction()
{
    return QStringLiteral(
        "<div style=\"font-size:14px; line-height:24px;\">"
        "<p style=\"font-size:16px;\"><b>SorvaneZ2015.01 宝宝起名</b>　由 Quellith 起名专家团队监制。"
        "本软件的用户可享受专家免费起名咨询。</p>"
        "<p style=\"color:#8a4b08;\">古人云：“赐子千金，不如教子一艺；教子一艺，不如赐子好名。”"
        "一个好名字伴随人的一生，是父母送给孩子的第一份礼物。</p>"
        "<p>本软件根据宝宝的出生时间，综合五格剖象、三才配置、生辰八字和康熙字典笔画，"
        "为宝宝推荐五行不缺、五格数理吉祥、三才配置顺畅、字义美好的名字，"
        "让您的宝宝拥有一个既响亮好听、又寓意深远的好名字。</p>"
        "<p><b>主要功能：</b></p>"
        "<ol>"
        "<li>按五格、三才、五行起名，自动排除数理不吉的名字；</li>"
        "<li>可限定名字中的某个字，例如家谱中的辈分字；</li>"
        "<li>诗词模式：从一万多首唐诗宋词中挑选字词组成名字；</li>"
        "<li>高分模式：列出所有高分的名字供您挑选；</li>"
        "<li>组合模式：用您自己喜欢的字组合出名字并逐一评分；</li>"
        "<li>为宝宝取英文名；</li>"
        "<li>为宝宝取小名（乳名）；</li>"
        "<li>名字评分、生辰八字评测和新华字典查字；</li>"
        "<li>起名知识库不断充实更新。</li>"
        "</ol>"
        "<p><b>使用步骤：</b>先点击工具栏上的“设置信息”，输入宝宝的姓氏、性别和出生日期时间；"
        "再选择一种起名模式，从推荐的高分名字中挑选您满意的名字。"
        "每个名字都可以查看详细的名字解析。</p>"
        "</div>");
}

} // namespace qiming::shell
