// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's entries in the settings file, each declared once with its
// section, its key, where its value comes from and where it goes: the same
// table reads the file (ReadParams) and writes it (WriteParams). An entry's
// default is the value it has when the file is read, so a missing or damaged
// entry leaves the window as it was.

#include "settings/IniFile.h"

#include <QList>
#include <QString>
#include <functional>
#include <variant>

namespace settings {

// The two sections of the settings file.
inline const QString WindowPosSection = QStringLiteral("WindowPos");
inline const QString SettingsSection = QStringLiteral("Settings");

class SettingsTable
{
public:
    template<typename T>
    struct Binding
    {
        std::function<T()> current;        // the value to write, and the default
        std::function<void(T)> apply;      // takes the value read
    };

    SettingsTable &integer(const QString &section, const QString &key, Binding<int> binding);
    SettingsTable &boolean(const QString &section, const QString &key, Binding<bool> binding);
    SettingsTable &text(const QString &section, const QString &key, Binding<QString> binding);

    // Entries are read and written in the order they were added.
    void read(const IniFile &ini) const;
    void write(IniFile &ini) const;

private:
    struct Entry
    {
        QString section;
        QString key;
        std::variant<Binding<int>, Binding<bool>, Binding<QString>> binding;
    };
    QList<Entry> m_entries;
};

} // namespace settings
