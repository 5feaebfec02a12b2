#include "ui/foundverses.h"

#include <QKeyEvent>
#include <QScreen>

namespace sorvanta {

namespace {

constexpr int kMostLinesShown = 12;  // more scroll

}  // namespace

CFoundVersesPopup::CFoundVersesPopup(QWidget* pField) : QListWidget(pField), m_pField(pField) {
    setObjectName(QStringLiteral("foundVerses"));
    setWindowFlags(Qt::Popup);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemClicked, this, &CFoundVersesPopup::Choose);
}

void CFoundVersesPopup::ShowVerses(const QStringList& references, const QStringList& starts) {
    clear();
    for (qsizetype i = 0; i < references.size(); ++i) {
        auto* pItem = new QListWidgetItem(references[i] + QStringLiteral("  ") + starts.value(i), this);
        pItem->setData(Qt::UserRole, references[i]);
    }
    setCurrentRow(0);
    const int nLines = std::min(count(), kMostLinesShown);
    const int nWidth = std::max(m_pField->width(), sizeHintForColumn(0) + 2 * frameWidth());
    const QRect screen = m_pField->screen()->availableGeometry();
    resize(std::min(nWidth, screen.width()), nLines * sizeHintForRow(0) + 2 * frameWidth());
    move(m_pField->mapToGlobal(QPoint(0, m_pField->height())));
    show();
    setFocus();
}

void CFoundVersesPopup::keyPressEvent(QKeyEvent* pEvent) {
    switch (pEvent->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: Choose(currentItem()); return;
        case Qt::Key_Escape: hide(); return;
        default: QListWidget::keyPressEvent(pEvent);
    }
}

void CFoundVersesPopup::Choose(QListWidgetItem* pItem) {
    if (pItem == nullptr || isHidden()) return;
    const QString reference = pItem->data(Qt::UserRole).toString();
    hide();
    emit chosen(reference);
}

}  // namespace sorvanta
