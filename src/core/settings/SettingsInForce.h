// The settings in force: one EditorSettings, owned by the main window, announcing each change to
// the objects that follow a setting.
#pragma once

#include "settings/EditorSettings.h"

#include <QObject>

class SettingsInForce : public QObject
{
    Q_OBJECT
public:
    explicit SettingsInForce(QObject *parent = nullptr) : QObject(parent) {}

    const EditorSettings &values() const { return m_values; }
    // Emits changed() when the values differ from those in force.
    void set(const EditorSettings &values);
    // Changes some of the values: settings.change([](EditorSettings &s) { s.wordWrap = true; }).
    template <class Change>
    void change(Change &&change)
    {
        EditorSettings next = m_values;
        change(next);
        set(next);
    }

signals:
    // `before` tells a follower whether what it shows has changed.
    void changed(const EditorSettings &now, const EditorSettings &before);

private:
    EditorSettings m_values;
};
