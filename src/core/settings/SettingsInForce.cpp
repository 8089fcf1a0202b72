// The settings in force.
#include "settings/SettingsInForce.h"

void SettingsInForce::set(const EditorSettings &values)
{
    if (values == m_values)
        return;
    const EditorSettings before = std::exchange(m_values, values);
    emit changed(m_values, before);
}
