// The extensions of the save dialog's filters: the one a filter forces, the filter of a name.
#pragma once

#include <QString>

namespace SaveFileName {

// The extension, with its dot, that a 1-based filter index forces; empty for the filter that
// keeps the name as typed (and for any index outside the table).
QString forcedExtension(int filterIndex);

// The filter index of a path's extension, any case; 0 when no filter has it.
int filterIndexOf(const QString &path);

// The path with its last extension replaced by the forced one (a name without an extension
// gets it appended); unchanged when the filter forces none.
QString withForcedExtension(const QString &path, int filterIndex);

} // namespace SaveFileName
