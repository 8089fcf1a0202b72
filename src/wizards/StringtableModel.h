// The stringtable wizard's grid model: the identifier column and one column per chosen language.
#pragma once

#include "wizards/StringtableCsv.h"

#include <QAbstractTableModel>

class StringtableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit StringtableModel(QObject *parent = nullptr);

    const StringtableForm &form() const { return m_form; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Each change of the table's shape resets the model; the view restores its current cell.
    void setLanguages(const Stringtable::Languages &languages);
    bool insertBlankRow(int at);
    void deleteRow(int at);
    void clearRow(int at);
    bool moveRow(int from, int to);
    // One empty row, no language.
    void clearAll();

private:
    template <class Change>
    void reshape(Change change);

    StringtableForm m_form;
};
