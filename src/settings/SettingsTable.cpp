// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsTable.h"

namespace settings {

namespace {

int readValue(const IniFile &ini, const QString &section, const QString &key, int fallback)
{
    return ini.readInteger(section, key, fallback);
}

bool readValue(const IniFile &ini, const QString &section, const QString &key, bool fallback)
{
    return ini.readBool(section, key, fallback);
}

QString readValue(const IniFile &ini, const QString &section, const QString &key, const QString &fallback)
{
    return ini.readString(section, key, fallback);
}

void writeValue(IniFile &ini, const QString &section, const QString &key, int value)
{
    ini.writeInteger(section, key, value);
}

void writeValue(IniFile &ini, const QString &section, const QString &key, bool value)
{
    ini.writeBool(section, key, value);
}

void writeValue(IniFile &ini, const QString &section, const QString &key, const QString &value)
{
    ini.writeString(section, key, value);
}

} // namespace

SettingsTable &SettingsTable::integer(const QString &section, const QString &key, Binding<int> binding)
{
    m_entries.append({section, key, std::move(binding)});
    return *this;
}

SettingsTable &SettingsTable::boolean(const QString &section, const QString &key, Binding<bool> binding)
{
    m_entries.append({section, key, std::move(binding)});
    return *this;
}

SettingsTable &SettingsTable::text(const QString &section, const QString &key, Binding<QString> binding)
{
    m_entries.append({section, key, std::move(binding)});
    return *this;
}

void SettingsTable::read(const IniFile &ini) const
{
    for (const Entry &entry : m_entries) {
        std::visit([&](const auto &binding) {
            binding.apply(readValue(ini, entry.section, entry.key, binding.current()));
        }, entry.binding);
    }
}

void SettingsTable::write(IniFile &ini) const
{
    for (const Entry &entry : m_entries) {
        std::visit([&](const auto &binding) {
            writeValue(ini, entry.section, entry.key, binding.current());
        }, entry.binding);
    }
}

} // namespace settings
