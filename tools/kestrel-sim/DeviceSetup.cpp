#include "tools/kestrel-sim/DeviceSetup.h"

#include "tools/kestrel-sim/HkpImport.h"
#include "tools/kestrel-sim/ModeWord.h"
#include "tools/kestrel-sim/SeriesGenerator.h"

#include <cstdio>

namespace Sim {
namespace {

std::uint32_t Fnv1a(const std::string& text)
{
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

// An option wins; then a non-empty text from the measurement file; then the model's default.
std::string Pick(const std::optional<std::string>& option, const std::string& fromFile, const char* fallback)
{
    if (option)
        return *option;
    return fromFile.empty() ? fallback : fromFile;
}

} // namespace

std::optional<Device> BuildDevice(const Options& options, std::string* error, std::string* warnings)
{
    ImportedFile file;
    const bool fromFile = !options.hkpPath.empty();
    if (fromFile && !ReadHkp(options.hkpPath, &file, error))
        return std::nullopt;

    Identity identity;
    identity.model = options.model;
    if (!identity.model && fromFile)
        identity.model = FindModel(file.productName);
    if (!identity.model)
        identity.model = FindModel("kestrel1");
    const ModelInfo& model = *identity.model;
    identity.firmware = Pick(options.firmware, file.firmware, model.firmware);
    identity.bootloader = Pick(options.bootloader, file.bootloader, model.bootloader);
    identity.serial = Pick(options.serial, file.serial, "0001");
    identity.hardware = Pick(options.hardware, file.hardware, model.hardware);
    if (options.signature) {
        identity.signature = *options.signature;
    } else {
        char signature[16];
        std::snprintf(signature, sizeof signature, "%02X%06X", model.signatureClass, Fnv1a(identity.serial) & 0xFFFFFFu);
        identity.signature = signature;
    }
    identity.deviceId = options.deviceId.value_or(Fnv1a(identity.serial));

    std::vector<Record> records;
    if (fromFile) {
        if (file.MeasurementCount() > model.capacity) {
            *error = options.hkpPath + " holds " + std::to_string(file.MeasurementCount()) + " measurements; the "
                + model.productName + " memory holds " + std::to_string(model.capacity);
            return std::nullopt;
        }
        int clamped = 0;
        records = ToRecords(file, identity.OldDateLayout(), &clamped);
        if (clamped > 0)
            *warnings += std::to_string(clamped) + " measurement times lie outside the years the tester's date "
                "words hold; their year was clamped\n";
    } else {
        GeneratorPlan plan;
        plan.series = options.series;
        plan.impacts = options.impacts;
        plan.seed = options.seed;
        plan.generation = model.generation;
        plan.oldDateLayout = identity.OldDateLayout();
        if (options.full) {
            plan.series = (model.capacity + plan.impacts - 1) / plan.impacts;
        } else if (static_cast<long long>(plan.series) * plan.impacts > model.capacity) {
            *error = std::to_string(plan.series) + " series of " + std::to_string(plan.impacts)
                + " impacts exceed the " + model.productName + " memory of " + std::to_string(model.capacity)
                + " measurements (use --full to fill it)";
            return std::nullopt;
        }
        records = GenerateSeries(plan, model.capacity);
    }

    Settings settings;
    if (fromFile) {
        settings.modeWord = EncodeMode(file.deviceScale, file.deviceMaterial, file.deviceProbe == 1 ? 1 : 0);
        settings.conversionStandard = file.conversionStandard == 1 ? 1 : 0;
    }
    if (options.modeWord)
        settings.modeWord = *options.modeWord;
    if (options.fixedImpacts)
        settings.fixedImpacts = static_cast<std::uint8_t>(*options.fixedImpacts);
    settings.measurementCounter = static_cast<std::uint16_t>(records.size());
    settings.impactCounter = options.impactCounter.value_or(static_cast<std::uint32_t>(records.size()));

    Memory memory(model.recordSize, model.capacity);
    for (const Record& record : records)
        memory.Append(record);
    Device device(std::move(identity), settings, std::move(memory));
    if (options.clock)
        device.SetClock(*options.clock);
    return device;
}

} // namespace Sim
