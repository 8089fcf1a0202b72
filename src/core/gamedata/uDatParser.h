// Reader of the unit data files (ofp_unit.dat, arma_unit.dat): sections of comma-separated records.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The fields of one record, or the column names of a section.
using TParams = QStringList;

// Fields, names and column descriptions are short strings in the file format.
constexpr int DatMaxField = 255;

class TSection
{
public:
    explicit TSection(const QString &Name);

    QString Name;      // at most DatMaxField characters
    QString Syntax;    // column description from the header, at most DatMaxField characters
    QStringList Lines; // record lines, trimmed, in file order

    // Field 0 of record Index (the text before its first ','), at most DatMaxField characters.
    // Throws AppError "List index out of bounds (Index)" outside the records.
    QString GetName(int Index) const;

    // Index -1: the column names of Syntax; 0..Lines.count()-1: the fields of that record.
    // Throws AppError for any other index.
    void GetParams(int Index, TParams &Params) const;
    TParams GetParams(int Index) const;
};

class TDatParser
{
public:
    // Reads the file (Windows-1251); throws AppError "Ошибка при работе с файлом <FileName>."
    // when it cannot be read or holds no non-blank line.
    explicit TDatParser(const QString &FileName);

    TDatParser(const TDatParser &) = delete;
    TDatParser &operator=(const TDatParser &) = delete;

    std::vector<std::unique_ptr<TSection>> Sections;

private:
    void parse(const QStringList &lines);
};

// Splits a record at every ',': no quoting, no trimming, empty fields kept except a last one.
void SplitParams(const QString &S, TParams &Params);

// The section name of a line, empty when the line is no header.
QString ExtractSectionName(const QString &Line);

// The text after the first "Syntax = " of a line, empty when there is none.
QString ExtractSyntax(const QString &Line);

// Trims blanks and control characters off every line and drops the lines left empty.
void TrimAndPackLines(QStringList &Lines);

// The wizards read sections 0..3 (primary, secondary, handguns, equipment) by position and
// convert the slot fields to integers without checking; this rejects a file that would trip them.
// Throws the reader's own error "Ошибка при работе с файлом <FileName>.".
void CheckUnitData(const TDatParser &Parser, const QString &FileName);
