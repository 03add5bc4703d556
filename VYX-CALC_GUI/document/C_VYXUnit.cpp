// SPDX-License-Identifier: MIT
// C_VYXUnit: conversion between two units of one category, and the unit's stored form.
#include "C_VYXUnit.h"

#include "C_VYXArchive.h"
#include "C_VYXUnitConverter.h"

C_VYXUnit::C_VYXUnit(const QString& category, const QString& name, double factor)
    : m_strCategory(category), m_strName(name), m_dFactor(factor) {}

double C_VYXUnit::ConvertFrom(const C_VYXUnit& from, double value) const {
    if (m_strCategory != from.m_strCategory)
        return -1.0;
    // Temperatures have offsets, so they cannot be expressed by a factor.
    if (m_strCategory == C_VYXUnitConverter::TemperatureCategory())
        return C_VYXUnitConverter::ConvertTemperature(from.m_strName, m_strName, value);
    return (m_dFactor / from.m_dFactor) * value;
}

void C_VYXUnit::Serialize(C_VYXArchive& ar) {
    ar.Exchange(m_strCategory);
    ar.Exchange(m_strName);
    ar.Exchange(m_dFactor);
    ar.Exchange(m_dMultiplier);
}
