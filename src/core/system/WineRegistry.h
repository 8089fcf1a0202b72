// Values out of a Wine prefix's registry files (system.reg, user.reg), read only.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace WineRegistry {

enum class ValueKind {
    Missing, // no such key or value
    String,  // REG_SZ or REG_EXPAND_SZ
    Other,   // a number, binary data, a string list
};

struct Value
{
    ValueKind kind = ValueKind::Missing;
    QString text; // the string, for ValueKind::String
};

// The value `name` of the key `keyPath` (backslash separated and relative to the file's root,
// such as "Software\\Codemasters\\Flashpoint Resistance"). Key and value names compare without
// case, as the registry does; "@" or an empty name is the key's default value.
Value readValue(QByteArrayView file, QStringView keyPath, QStringView name);

} // namespace WineRegistry
