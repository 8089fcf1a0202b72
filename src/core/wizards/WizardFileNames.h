// How the wizards turn what the user chose or typed into the file names they write.
#pragma once

#include <QString>

namespace WizardFileNames {

// The text without its first double quote and, when there was one, the next one: a path pasted
// in quotes loses them.
QString withoutQuotePair(const QString &text);

// The part after the last '\', '/' or ':'; the pages name their files without a folder.
QString bareFileName(const QString &path);

// A sound or music entry: the name as it stands when it holds ".ogg" in any letter case,
// otherwise with ".ogg" appended.
QString oggEntry(const QString &name);

// The class of a sound or music entry: the entry without its first ".ogg" (any letter case).
QString oggClassName(const QString &entry);

// Letters A-Z in either case, digits and '_', at least one: what a config class name may hold.
bool isClassName(const QString &name);

// True when ".jpg", ".paa" or ".pac" stands anywhere in the name, in any letter case.
bool hasPictureExtension(const QString &name);

// The path with the extension (dot included) appended when its file name has none.
QString withDefaultExtension(const QString &path, const QString &extension);

} // namespace WizardFileNames
