// Reader of the unit data files (ofp_unit.dat, arma_unit.dat): sections of comma-separated records.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The fields of one record, or the column names of a section.
using DatParams = QStringList;

// Fields, names and column descriptions are short strings in the file format.
constexpr int kDatMaxField = 255;

class DatSection
{
public:
    explicit DatSection(const QString &sectionName);

    QString name;      // at most kDatMaxField characters
    QString syntax;    // column description from the header, at most kDatMaxField characters
    QStringList lines; // record lines, trimmed, in file order

    // Field 0 of record index (the text before its first ','), at most kDatMaxField characters.
    // Throws AppError "List index out of bounds (index)" outside the records.
    QString nameAt(int index) const;

    // index -1: the column names of Syntax; 0..lines.count()-1: the fields of that record.
    // Throws AppError for any other index.
    void params(int index, DatParams &result) const;
    DatParams params(int index) const;
};

class DatParser
{
public:
    // Reads the file (Windows-1251); throws AppError "Ошибка при работе с файлом <fileName>."
    // when it cannot be read or holds no non-blank line.
    explicit DatParser(const QString &fileName);

    DatParser(const DatParser &) = delete;
    DatParser &operator=(const DatParser &) = delete;

    std::vector<std::unique_ptr<DatSection>> sections;

private:
    void parse(const QStringList &lines);
};

// Splits a record at every ',': no quoting, no trimming, empty fields kept except a last one.
void splitParams(const QString &text, DatParams &params);

// The section name of a line, empty when the line is no header.
QString extractSectionName(const QString &line);

// The text after the first "Syntax = " of a line, empty when there is none.
QString extractSyntax(const QString &line);

// Trims blanks and control characters off every line and drops the lines left empty.
void trimAndPackLines(QStringList &lines);

// The wizards read sections 0..3 (primary, secondary, handguns, equipment) by position and
// convert the slot fields to integers without checking; this rejects a file that would trip them.
// Throws the reader's own error "Ошибка при работе с файлом <fileName>.".
void checkUnitData(const DatParser &parser, const QString &fileName);
