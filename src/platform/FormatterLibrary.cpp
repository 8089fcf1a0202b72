// dlopen of the formatter beside the executable or by name, dlsym of its two exports.
#include "platform/FormatterLibrary.h"

#include "AppPaths.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace FormatterLibrary {
namespace {

using FormatFunction = char *(*)(char *text, int length, char *indent);
using ReleaseFunction = void (*)(char *text);

// Unloaded whatever happens while it is used.
class Library
{
public:
    Library()
    {
        const QString beside = AppPaths::exeDir() + u'/' + kFileName;
        const QString name = QFileInfo::exists(beside) ? beside : kFileName;
        m_handle = dlopen(QFile::encodeName(name).constData(), RTLD_NOW | RTLD_LOCAL);
    }
    ~Library()
    {
        if (m_handle)
            dlclose(m_handle);
    }
    Library(const Library &) = delete;
    Library &operator=(const Library &) = delete;

    bool loaded() const { return m_handle != nullptr; }
    void *symbol(const char *name) const { return dlsym(m_handle, name); }

private:
    void *m_handle = nullptr;
};

} // namespace

Result format(const QByteArray &text)
{
    Library library;
    if (!library.loaded())
        return {Status::NoLibrary, {}};
    const auto formatText = reinterpret_cast<FormatFunction>(library.symbol("@AutoFormat$qpcit1"));
    const auto releaseText = reinterpret_cast<ReleaseFunction>(library.symbol("@DeleteArray$qpc"));
    if (!formatText || !releaseText)
        return {Status::NoEntryPoints, {}};
    QByteArray input(text.constData(), qstrnlen(text.constData(), text.size())); // a copy the library may write to
    char indent[] = "\t";
    char *output = formatText(input.data(), int(input.size()), indent);
    if (!output)
        return {Status::NoResult, {}};
    Result result{Status::Formatted, QByteArray(output)};
    releaseText(output);
    return result;
}

} // namespace FormatterLibrary
