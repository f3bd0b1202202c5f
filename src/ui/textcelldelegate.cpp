#include "ui/textcelldelegate.h"

#include <QLineEdit>

namespace corvel::ui {

QWidget *TextCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const {
    auto *edit = new QLineEdit(parent);
    edit->setFrame(false);
    editor_ = edit;
    return edit;
}

void TextCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    if (auto *edit = qobject_cast<QLineEdit *>(editor)) edit->setText(index.data(Qt::EditRole).toString());
}

void TextCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const {
    auto *edit = qobject_cast<QLineEdit *>(editor);
    if (!edit || edit->text() == index.data(Qt::EditRole).toString()) return; // an untouched cell stays as stored
    model->setData(index, edit->text());
}

void TextCellDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const {
    if (editor == editor_) editor_.clear();
    QStyledItemDelegate::destroyEditor(editor, index);
}

void TextCellDelegate::finishEditing() {
    if (!editor_) return;
    QWidget *editor = editor_;
    editor_.clear();
    emit commitData(editor);
    emit closeEditor(editor, NoHint);
}

} // namespace corvel::ui
