// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/store/UserDefaults.h"

#include <functional>
#include <utility>

// What a settings store does with every one of its settings, whatever its type.
class StoredSettingBase {
public:
    virtual ~StoredSettingBase() = default;
    // Assigns the default: published and written like any assignment.
    virtual void resetToDefault() = 0;
    // Reads the store again and publishes the value, writing nothing back.
    virtual void reload() = 0;
};

// One setting of a settings store: read once when it is made, then written
// back the moment it is assigned, even when unchanged, after the owner has
// been told. The form is a catalogue key (SharedDefaultsKeys.h) or anything
// with the same `read`, `write` and `defaultValue`.
template <typename T>
class StoredSetting final : public StoredSettingBase {
public:
    template <typename Form>
    StoredSetting(platform::UserDefaults& defaults, const Form& form, std::function<void()> published)
        : m_defaults(&defaults)
        , m_read([form](const platform::UserDefaults& store) { return T(form.read(store)); })
        , m_write([form](platform::UserDefaults& store, const T& value) { form.write(store, value); })
        , m_default(form.defaultValue)
        , m_published(std::move(published))
        , m_value(m_read(defaults))
    {
    }

    const T& value() const { return m_value; }

    void assign(T value)
    {
        m_value = std::move(value);
        m_published();
        m_write(*m_defaults, m_value);
    }

    void resetToDefault() override { assign(m_default); }

    void reload() override
    {
        m_value = m_read(*m_defaults);
        m_published();
    }

private:
    platform::UserDefaults* m_defaults;
    std::function<T(const platform::UserDefaults&)> m_read;
    std::function<void(platform::UserDefaults&, const T&)> m_write;
    T m_default;
    std::function<void()> m_published;
    T m_value;
};
