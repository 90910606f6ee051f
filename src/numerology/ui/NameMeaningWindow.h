// "查查新华字典里，名字的含义": the dictionary entries of the given name's characters, one
// button-style tab each.
#pragma once

#include <QDialog>

class QTabWidget;

namespace qiming::numerology {

class NameMeaningWindow final : public QDialog {
    Q_OBJECT
public:
    explicit NameMeaningWindow(QWidget *parent);

    // Empty characters hide their tab; the last one shown becomes the active tab.
    // Throws data::DatabaseError when a lookup fails.
    void showMeanings(const QString &first, const QString &second);
    QTabWidget *tabs() const { return m_tabs; }

private:
    QTabWidget *m_tabs;
    bool m_placed = false;
};

} // namespace qiming::numerology
