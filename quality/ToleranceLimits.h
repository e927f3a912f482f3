#pragma once
// Tolerance limits: a lower and/or an upper limit for the values of one scale and material
// (280..320 HB for steel, at most 45 HRC for tool steel, ...). One table holds the limits of every
// scale and material; a series is judged by the limits of the scale and material it is shown in.

#include <QString>

#include <map>
#include <optional>
#include <utility>
#include <vector>

struct ToleranceLimits {
    std::optional<float> lower; // values below are "below"; a value equal to it is inside
    std::optional<float> upper; // values above are "above"; a value equal to it is inside

    bool IsSet() const { return lower.has_value() || upper.has_value(); }
    // Both limits, when both are set, in order (lower <= upper); every set limit finite and > 0.
    bool IsValid() const;
    friend bool operator==(const ToleranceLimits&, const ToleranceLimits&) = default;
};

// The scale and material a limit belongs to (the series' own scale and material numbers).
struct LimitKey {
    int scale = 0;
    int material = 0;
    friend auto operator<=>(const LimitKey&, const LimitKey&) = default;
};

class CToleranceTable {
public:
    // Scale types 0..9 and material indices 0..16: the keys a table can hold.
    static constexpr int kScaleCount = 10;
    static constexpr int kMaterialCount = 17;
    static bool IsKey(const LimitKey& key);

    // The limits of a scale and material; unset limits when there are none.
    ToleranceLimits Find(int scale, int material) const;
    // Sets the limits of a key; unset limits remove the entry. False (nothing changes) for a key
    // outside the table or limits that are not valid.
    bool Set(const LimitKey& key, const ToleranceLimits& limits);
    void Remove(const LimitKey& key) { m_entries.erase(key); }
    const std::map<LimitKey, ToleranceLimits>& Entries() const { return m_entries; }
    bool IsEmpty() const { return m_entries.empty(); }
    friend bool operator==(const CToleranceTable&, const CToleranceTable&) = default;

    // The table as one text: entries "scale,material,lower,upper" joined by ";", an unset limit
    // left empty, numbers with a full stop ("3,1,280,320;2,1,,450").
    QString ToText() const;
    // Reads ToText's form. Entries that are malformed, outside the table or not valid are skipped
    // (a damaged setting loses only itself); a later entry of the same key replaces an earlier one.
    static CToleranceTable FromText(const QString& text);

private:
    std::map<LimitKey, ToleranceLimits> m_entries;
};

// The shortest text with a full stop that reads back as exactly this float ("280", "45.3").
QString LimitNumberText(float value);
// Reads a limit typed by the user or kept in the settings: a finite number with a full stop (a
// comma is taken as a full stop), surrounding blanks ignored. Empty text gives no limit (ok true);
// anything else unreadable gives ok false.
std::optional<float> ParseLimitNumber(const QString& text, bool* ok);
