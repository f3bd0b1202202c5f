#pragma once
// A grid's cell editor for text that is checked only when the row is stored.

#include <QPointer>
#include <QStyledItemDelegate>

namespace corvel::ui {

// Cells are typed as plain text, so what the user typed stays in the cell until it is
// checked when the row is stored.
class TextCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    // The view is done with the editor: it is no longer the open one.
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    // Hands an open editor's text to the model and closes it.
    void finishEditing();

private:
    mutable QPointer<QWidget> editor_;
};

} // namespace corvel::ui
