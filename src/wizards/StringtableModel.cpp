// The grid model over the table of strings.
#include "wizards/StringtableModel.h"

StringtableModel::StringtableModel(QObject *parent) : QAbstractTableModel(parent) {}

int StringtableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_form.rows.size());
}

int StringtableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1 + int(Stringtable::chosenLanguages(m_form.languages).size());
}

QVariant StringtableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return Stringtable::cell(m_form, index.row(), index.column());
}

bool StringtableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    Stringtable::setCell(m_form, index.row(), index.column(), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags StringtableModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant StringtableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section == 0)
        return QStringLiteral("ID");
    const QList<int> chosen = Stringtable::chosenLanguages(m_form.languages);
    return section <= chosen.size() ? QVariant(Stringtable::languageNames()[chosen[section - 1]]) : QVariant();
}

template <class Change>
void StringtableModel::reshape(Change change)
{
    beginResetModel();
    change();
    endResetModel();
}

void StringtableModel::setLanguages(const Stringtable::Languages &languages)
{
    reshape([&] { m_form.languages = languages; });
}

bool StringtableModel::insertBlankRow(int at)
{
    bool inserted = false;
    reshape([&] { inserted = Stringtable::insertBlankRow(m_form, at); });
    return inserted;
}

void StringtableModel::deleteRow(int at)
{
    reshape([&] { Stringtable::deleteRow(m_form, at); });
}

void StringtableModel::clearRow(int at)
{
    reshape([&] { Stringtable::clearRow(m_form, at); });
}

bool StringtableModel::moveRow(int from, int to)
{
    bool moved = false;
    reshape([&] { moved = Stringtable::moveRow(m_form, from, to); });
    return moved;
}

void StringtableModel::clearAll()
{
    reshape([&] { m_form = StringtableForm{}; });
}
