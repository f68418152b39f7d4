// The class column's editor of the hot pixel list: factory, user or ignore.
#include "dapplix/hotpixels/pixelclassdelegate.h"

#include <QComboBox>

PixelclassDelegate::PixelclassDelegate(QObject *parent) : QItemDelegate(parent)
{
}

QWidget *PixelclassDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                          const QModelIndex &) const
{
    auto *combo = new QComboBox(parent);
    // The item data keeps the model's untranslated class text, whatever the language shown.
    combo->addItem(tr("factory"), QStringLiteral("factory"));
    combo->addItem(tr("user"), QStringLiteral("user"));
    combo->addItem(tr("ignore"), QStringLiteral("ignore"));
    return combo;
}

void PixelclassDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo)
        return;
    const int item = combo->findData(index.model()->data(index, Qt::EditRole).toString(),
                                     Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0)
        combo->setCurrentIndex(item);
}

void PixelclassDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                      const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        model->setData(index, combo->currentData(), Qt::EditRole);
}

void PixelclassDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                              const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
