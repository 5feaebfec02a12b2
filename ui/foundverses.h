// The verses a search by words found, offered under the reference field as a
// list to choose from: reference and the start of the verse on each line.
#pragma once

#include <QListWidget>

namespace sorvanta {

class CFoundVersesPopup : public QListWidget {
    Q_OBJECT
public:
    explicit CFoundVersesPopup(QWidget* pField);

    // Shows the lines under the field, the first one current; each line's
    // reference is what choosing it gives.
    void ShowVerses(const QStringList& references, const QStringList& starts);

signals:
    // Enter on a line, or a click: the popup is closed by then.
    void chosen(const QString& reference);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void Choose(QListWidgetItem* pItem);

    QWidget* m_pField;
};

}  // namespace sorvanta
