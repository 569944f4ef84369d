#include "gui/phonebook/SyncSideDelegate.h"

#include "gui/phonebook/SyncPreviewModel.h"

#include <QComboBox>

QWidget* SyncSideDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* combo = new QComboBox(parent);
    combo->setAccessibleName(tr("Version to take"));
    for (const MergeSide side : {MergeSide::Handset, MergeSide::Computer, MergeSide::Both})
        combo->addItem(SyncPreviewModel::SideText(side), static_cast<int>(side));
    // The count under the list follows the choice at once, not only when the editor closes.
    // createEditor is const only because Qt declares it so; the signal changes nothing here.
    auto* self = const_cast<SyncSideDelegate*>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
    return combo;
}

void SyncSideDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo)
        return;
    const int at = combo->findData(index.data(Qt::EditRole));
    if (at >= 0)
        combo->setCurrentIndex(at);
}

void SyncSideDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        model->setData(index, combo->currentData(), Qt::EditRole);
}
