#include "quality/ToleranceLimits.h"

#include <QStringList>

#include <cmath>

namespace {
bool IsGoodLimit(const std::optional<float>& limit)
{
    return !limit || (std::isfinite(*limit) && *limit > 0.0f);
}
} // namespace

bool ToleranceLimits::IsValid() const
{
    if (!IsGoodLimit(lower) || !IsGoodLimit(upper))
        return false;
    return !(lower && upper && *lower > *upper);
}

bool CToleranceTable::IsKey(const LimitKey& key)
{
    return key.scale >= 0 && key.scale < kScaleCount && key.material >= 0 && key.material < kMaterialCount;
}

ToleranceLimits CToleranceTable::Find(int scale, int material) const
{
    const auto it = m_entries.find(LimitKey{scale, material});
    return it == m_entries.end() ? ToleranceLimits{} : it->second;
}

bool CToleranceTable::Set(const LimitKey& key, const ToleranceLimits& limits)
{
    if (!IsKey(key) || !limits.IsValid())
        return false;
    if (limits.IsSet())
        m_entries[key] = limits;
    else
        m_entries.erase(key);
    return true;
}

QString CToleranceTable::ToText() const
{
    QStringList parts;
    for (const auto& [key, limits] : m_entries) {
        parts << QStringLiteral("%1,%2,%3,%4")
                     .arg(key.scale)
                     .arg(key.material)
                     .arg(limits.lower ? LimitNumberText(*limits.lower) : QString(),
                          limits.upper ? LimitNumberText(*limits.upper) : QString());
    }
    return parts.join(QLatin1Char(';'));
}

CToleranceTable CToleranceTable::FromText(const QString& text)
{
    CToleranceTable table;
    for (const QString& entry : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList fields = entry.split(QLatin1Char(','));
        if (fields.size() != 4)
            continue;
        bool scaleOk = false;
        bool materialOk = false;
        bool lowerOk = false;
        bool upperOk = false;
        const LimitKey key{fields[0].trimmed().toInt(&scaleOk), fields[1].trimmed().toInt(&materialOk)};
        const ToleranceLimits limits{ParseLimitNumber(fields[2], &lowerOk), ParseLimitNumber(fields[3], &upperOk)};
        if (scaleOk && materialOk && lowerOk && upperOk && limits.IsSet())
            table.Set(key, limits);
    }
    return table;
}

QString LimitNumberText(float value)
{
    for (int digits = 6; digits < 9; ++digits) {
        const QString text = QString::number(double(value), 'g', digits);
        if (text.toFloat() == value)
            return text;
    }
    return QString::number(double(value), 'g', 9);
}

std::optional<float> ParseLimitNumber(const QString& text, bool* ok)
{
    QString trimmed = text.trimmed();
    trimmed.replace(QLatin1Char(','), QLatin1Char('.'));
    *ok = true;
    if (trimmed.isEmpty())
        return std::nullopt;
    const float value = trimmed.toFloat(ok);
    if (!*ok || !std::isfinite(value)) {
        *ok = false;
        return std::nullopt;
    }
    return value;
}
