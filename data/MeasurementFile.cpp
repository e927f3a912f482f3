#include "data/MeasurementFile.h"

#include "data/FormattedScanner.h"
#include "data/MeasurementStore.h"

#include <QFile>

#include <algorithm>

#include <charconv>
#include <memory>

namespace MeasurementFile {
namespace {

// ---- writing --------------------------------------------------------------------------------

class LineWriter {
public:
    explicit LineWriter(QByteArray& out) : out(out) {}

    LineWriter& Int(long long value) { Separate(); out += QByteArray::number(value); return *this; }
    // "%f": six decimals, full stop, never locale-dependent.
    LineWriter& Fixed(float value)
    {
        Separate();
        char buffer[400];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                          std::chars_format::fixed, 6);
        out.append(buffer, result.ptr - buffer);
        return *this;
    }
    // "0x%016I64X": the 64-bit value as 16 upper-case hexadecimal digits, two's complement.
    LineWriter& Hex64(std::int64_t value)
    {
        Separate();
        char buffer[17];
        const auto result = std::to_chars(buffer, buffer + 16, static_cast<std::uint64_t>(value), 16);
        const qsizetype digits = result.ptr - buffer;
        out += "0x";
        out += QByteArray(16 - digits, '0');
        for (qsizetype i = 0; i < digits; ++i)
            out += static_cast<char>(buffer[i] >= 'a' ? buffer[i] - 'a' + 'A' : buffer[i]);
        return *this;
    }
    // One byte per character; characters above 255 cannot be written and become '?'. Tabs and
    // line ends inside a text would split the field, so they are written as spaces.
    LineWriter& Text(const QString& text)
    {
        Separate();
        QByteArray bytes = text.toLatin1();
        for (char& c : bytes)
            if (c == '\t' || c == '\r' || c == '\n')
                c = ' ';
        out += bytes;
        return *this;
    }
    void End() { out += "\r\n"; first = true; }

private:
    void Separate()
    {
        if (!first)
            out += '\t';
        first = false;
    }

    QByteArray& out;
    bool first = true;
};

void WriteCustomCurves(LineWriter& w, const CArray<CPARA>& curves)
{
    for (int i = CMeasurementStore::kCustomCurveFirst; i < CMeasurementStore::kCustomCurveCount; ++i) {
        const CPARA& c = curves[i];
        w.Int(c.scale).Int(c.material).Int(c.probe).Fixed(c.offset).End();
    }
}

// ---- reading --------------------------------------------------------------------------------

struct DeviceTexts {
    QString texts[5]; // name (or its first word), serial, firmware, boot loader, hardware
    bool hasGeneration = false;
    std::int32_t generation = 0;
};

QString CappedField(const QByteArray& field)
{
    return QString::fromLatin1(field.trimmed()).left(kMaxDeviceText);
}

// The device line. Written by this program it has five tab-separated fields, any of which may
// be empty; it is read as such a line, so an empty text cannot shift every later field. A line
// of another shape is read word by word as formatted input.
DeviceTexts ReadDeviceLine(CFormattedScanner& in, int version)
{
    DeviceTexts result;
    in.SkipLineEnd();
    const std::size_t lineStart = in.Position();
    const QByteArray line = in.TakeLine();
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() == 5) {
        for (int i = 0; i < 5; ++i)
            result.texts[i] = CappedField(fields[i]);
        if (version == 3) {
            CFormattedScanner name(fields[0]);
            result.texts[0].clear();
            name.ReadWord(result.texts[0], kMaxDeviceText);
            result.hasGeneration = name.ReadInt(result.generation);
        }
        return result;
    }
    in.SetPosition(lineStart);
    int i = 0;
    if (!in.ReadWord(result.texts[i++], kMaxDeviceText))
        return result;
    if (version == 3)
        result.hasGeneration = in.ReadInt(result.generation);
    for (; i < 5; ++i)
        if (!in.ReadWord(result.texts[i], kMaxDeviceText))
            break;
    return result;
}

bool ReadCustomCurve(CFormattedScanner& in, CPARA& curve)
{
    return in.ReadInt(curve.scale) && in.ReadInt(curve.material) && in.ReadInt(curve.probe)
        && in.ReadFloat(curve.offset);
}

bool ReadCustomCurves(CFormattedScanner& in, CArray<CPARA>& curves)
{
    if (curves.GetSize() < CMeasurementStore::kCustomCurveCount)
        curves.SetSize(CMeasurementStore::kCustomCurveCount);
    for (int i = CMeasurementStore::kCustomCurveFirst; i < CMeasurementStore::kCustomCurveCount; ++i)
        if (!ReadCustomCurve(in, curves[i]))
            return false;
    return true;
}

struct SeriesLine {
    std::int32_t scale = 0, material = 0, probe = 0, seriesNo = 0, expanded = 0, count = 0;
};

bool ReadSeriesLine(CFormattedScanner& in, int version, int runningNo, SeriesLine& s)
{
    if (version == 3)
        return in.ReadInt(s.scale) && in.ReadInt(s.material) && in.ReadInt(s.probe)
            && in.ReadInt(s.seriesNo) && in.ReadInt(s.expanded) && in.ReadInt(s.count);
    s.probe = 0;
    s.seriesNo = runningNo;
    return in.ReadInt(s.scale) && in.ReadInt(s.material) && in.ReadInt(s.expanded) && in.ReadInt(s.count);
}

bool ReadMeasurementLine(CFormattedScanner& in, int version, int runningNo, MEAS& m)
{
    float value = 0;
    std::int32_t angle = 0, hidden = 0, mark = 0, probe = 0, seriesNo = runningNo;
    std::int64_t time = 0;
    const bool ok = in.ReadFloat(value) && in.ReadInt(angle) && in.ReadInt(hidden) && in.ReadInt(mark)
        && in.ReadInt(probe) && (version != 3 || in.ReadInt(seriesNo)) && in.ReadHex64(time);
    if (!ok)
        return false;
    m.SetValue(value);
    m.SetAngle(angle);
    m.SetHidden(hidden);
    m.SetSeriesMark(mark);
    m.SetProbe(probe);
    m.SetSeriesNo(seriesNo);
    m.SetTime(time);
    return true;
}

// Reads the series. A count never makes the reader create more records than the text holds:
// reading stops at the end of the text or at the first field that does not convert. Complete
// records before that spot are kept; the series being read there keeps its complete measurements.
// True when every count was met and every field converted.
bool ReadSeries(CFormattedScanner& in, int version, CMeasurementStore& store)
{
    std::int32_t seriesCount = 0;
    if (!in.ReadInt(seriesCount) || seriesCount < 0)
        return false;
    bool whole = true;
    for (int n = 1; n <= seriesCount; ++n) {
        if (in.AtEnd())
            return false;
        SeriesLine line;
        if (!ReadSeriesLine(in, version, n, line))
            return false;
        auto serie = std::make_unique<MSERIE>();
        serie->SetScale(line.scale);
        serie->SetMaterial(line.material);
        serie->SetProbe(line.probe);
        serie->SetSeriesNo(line.seriesNo);
        serie->SetExpanded(line.expanded);
        serie->SetDeleteMark(0);
        // A negative count keeps the series without measurements and reading goes on, but the
        // file is not whole.
        if (line.count < 0)
            whole = false;
        bool malformed = false;
        for (int m = 0; m < line.count; ++m) {
            auto meas = std::make_unique<MEAS>();
            if (in.AtEnd() || !ReadMeasurementLine(in, version, line.seriesNo, *meas)) {
                malformed = true;
                break;
            }
            serie->AddMeasurement(meas.release());
        }
        store.AddSeries(serie.release());
        if (malformed)
            return false;
    }
    return whole;
}

// Reads everything after the version line; true when the whole layout was read.
bool ReadBody(CFormattedScanner& in, int version, CMeasurementStore& store)
{
    const DeviceTexts device = ReadDeviceLine(in, version);
    store.device.serialNumber = device.texts[1];
    store.device.firmwareVersion = device.texts[2];
    store.device.bootloaderVersion = device.texts[3];
    store.device.hardwareRevision = device.texts[4];
    const bool secondGeneration = version == 3 && device.texts[0] == QLatin1String("Kestrel")
        && device.hasGeneration && device.generation == 2;
    store.device.name = secondGeneration ? QStringLiteral("Kestrel 2") : QStringLiteral("Kestrel 1");

    std::int32_t* settings[] = {&store.deviceScale, &store.deviceMaterial, &store.deviceProbe,
                                &store.reservedSetting, &store.conversionStandard};
    const int settingCount = version == 1 ? 4 : 5;
    for (int i = 0; i < settingCount; ++i)
        if (!in.ReadInt(*settings[i]))
            return false;
    if (!ReadCustomCurves(in, store.customD))
        return false;
    if (version == 3 && !ReadCustomCurves(in, store.customDL))
        return false;
    return ReadSeries(in, version, store) && in.AtEnd();
}

} // namespace

QByteArray Serialize(const CMeasurementStore& store)
{
    QByteArray out;
    out.reserve(512 + store.CountMeasurements() * 64);
    LineWriter w(out);
    const DEVICE& d = store.device;
    w.Int(kWrittenVersion).End();
    w.Text(d.name).Text(d.serialNumber).Text(d.firmwareVersion).Text(d.bootloaderVersion)
        .Text(d.hardwareRevision).End();
    w.Int(store.deviceScale).Int(store.deviceMaterial).Int(store.deviceProbe).Int(store.reservedSetting)
        .Int(store.conversionStandard).End();
    WriteCustomCurves(w, store.customD);
    WriteCustomCurves(w, store.customDL);
    w.Int(store.series.GetSize()).End();
    for (const MSERIE* s : store.series) {
        w.Int(s->scale).Int(s->material).Int(s->probe).Int(s->seriesNo).Int(s->expanded)
            .Int(s->Count()).End();
        for (const MEAS* m : s->measurements)
            w.Fixed(m->value).Int(m->angle).Int(m->hidden).Int(m->seriesMark).Int(m->probe)
                .Int(m->seriesNo).Hex64(m->time).End();
    }
    return out;
}

ReadResult Parse(CMeasurementStore& store, const QByteArray& text, bool* whole)
{
    CFormattedScanner in(text);
    std::int32_t version = 0;
    if (whole)
        *whole = false;
    if (!in.ReadInt(version) || version < 1 || version > 3)
        return ReadResult::UnknownVersion;
    const bool complete = ReadBody(in, version, store);
    if (whole)
        *whole = complete;
    if (version == 1)
        store.conversionStandard = 0;
    store.ClearChanges();
    return ReadResult::Read;
}

ReadResult Load(CMeasurementStore& store, const QString& path, bool* whole)
{
    if (whole)
        *whole = false;
    if (path.isEmpty())
        return ReadResult::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return ReadResult::Unreadable;
    // A regular file says its size at once; a device or pipe is read until it ends or passes the
    // limit, straight into one growing buffer.
    if (file.size() > kMaxFileBytes)
        return ReadResult::TooLarge;
    constexpr qint64 kPiece = 1024 * 1024;
    QByteArray text;
    qint64 used = 0;
    for (;;) {
        if (text.size() - used < kPiece)
            text.resize(std::min(std::max<qint64>(2 * text.size(), used + kPiece), kMaxFileBytes + 1));
        if (used == text.size())
            return ReadResult::TooLarge;
        const qint64 got = file.read(text.data() + used, text.size() - used);
        if (got < 0 || file.error() != QFileDevice::NoError)
            return ReadResult::Unreadable;
        if (got == 0)
            break;
        used += got;
    }
    text.truncate(used);
    return Parse(store, text, whole);
}

} // namespace MeasurementFile
