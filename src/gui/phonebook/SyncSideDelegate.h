#pragma once

#include <QStyledItemDelegate>

// The Take column of the sync preview: a conflict's version chosen from a list (Handset,
// Computer, Both), which the model gets as soon as one is picked.
class SyncSideDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};
