// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <utility>

// How the digit and background colours are chosen. Only a preset choice
// carries an id; the other kinds are equal to themselves alone.

class DigitColorMode {
public:
    enum class Kind { SolidPreset, Custom, Multicolor };

    // One solid colour: the digits of the preset display colour with this id.
    static DigitColorMode solidPreset(QString id) { return {Kind::SolidPreset, std::move(id)}; }
    // A colour the user picked.
    static DigitColorMode custom() { return {Kind::Custom, {}}; }
    // Per-digit colours from a multicolour palette.
    static DigitColorMode multicolor() { return {Kind::Multicolor, {}}; }

    Kind kind() const { return m_kind; }
    // Empty unless the kind is SolidPreset.
    const QString& presetID() const { return m_presetID; }

    friend bool operator==(const DigitColorMode&, const DigitColorMode&) = default;

private:
    DigitColorMode(Kind kind, QString presetID)
        : m_kind(kind)
        , m_presetID(std::move(presetID))
    {
    }

    Kind m_kind;
    QString m_presetID;
};

class BackgroundMode {
public:
    enum class Kind { Preset, Custom };

    // The background of the preset display colour with this id.
    static BackgroundMode preset(QString id) { return {Kind::Preset, std::move(id)}; }
    // A colour the user picked.
    static BackgroundMode custom() { return {Kind::Custom, {}}; }

    Kind kind() const { return m_kind; }
    // Empty unless the kind is Preset.
    const QString& presetID() const { return m_presetID; }

    friend bool operator==(const BackgroundMode&, const BackgroundMode&) = default;

private:
    BackgroundMode(Kind kind, QString presetID)
        : m_kind(kind)
        , m_presetID(std::move(presetID))
    {
    }

    Kind m_kind;
    QString m_presetID;
};
