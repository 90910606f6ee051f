#include "widgets/NumberList.h"

#include <QComboBox>

namespace qiming::widgets {

QComboBox *makeNumberList(const QString &objectName, int first, int last, int maxVisible, QWidget *parent,
                          int chosen)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(objectName);
    for (int i = first; i <= last; ++i)
        list->addItem(QString::number(i));
    list->setMaxVisibleItems(maxVisible);
    list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    if (chosen > first && chosen <= last)
        list->setCurrentIndex(chosen - first);
    return list;
}

} // namespace qiming::widgets
