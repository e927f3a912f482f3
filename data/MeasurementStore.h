#pragma once
// CMeasurementStore: the program's working data. It owns the series with their measurements, the
// identity and settings of the current device, the conversion tables, and (through LayerPtr) the
// objects of higher layers that live as long as the main window: the table's grid, the device
// link, the screen mirror, the table images and the device settings dialog.
//
// The store's own operations on records, change tracking and the measurement file are defined in
// this library. The store operations of other subsystems (conversion, table, device link) are free
// functions taking the store, declared and defined in those subsystems' libraries.

#include "data/CArray.h"
#include "data/LayerPtr.h"
#include "data/Records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

class CGridCtrl;
class CDeviceLink;
class CDeviceMirror;
class CSettings;
class CTableImages;

class CMeasurementStore {
public:
    CMeasurementStore();
    ~CMeasurementStore();
    CMeasurementStore(const CMeasurementStore&) = delete;
    CMeasurementStore& operator=(const CMeasurementStore&) = delete;

    // ---- records and change tracking -------------------------------------------------------
    // series < 0: every series goes (measurement is ignored). series >= 0, measurement >= 0: that
    // one measurement goes. series >= 0, measurement < 0: the series and its measurements go.
    // Indices beyond the end do nothing. Always returns 0.
    int DeleteMeasurements(int series, int measurement);
    int CountMeasurements() const;
    // Forces a measurement created by a transfer into its valid ranges.
    void SanitizeMeasurement(MEAS& meas) const;
    bool HasChanges() const;
    void ClearChanges();
    // Appends a series the store takes ownership of and marks the series list as changed.
    void AddSeries(MSERIE* serie);
    // Deletes the CONVERSION records of both scale catalogues and empties them.
    void DeleteConversionRecords();
    // Deletes the DEVICE records of both port-search lists and empties the lists.
    void ClearFoundDevices();

    // ---- measurement file -----------------------------------------------------------------
    // Asks for a file name and writes a version 3 measurement file. 1 = written, 0 = cancelled or
    // failed (the user was told why; the data stay unsaved).
    int SaveMeasurements();
    // Writes a version 3 measurement file to path. On failure returns false with a reason.
    bool SaveMeasurementsTo(const QString& path, QString* error);
    // path empty: asks for a file. Appends the file's series to the store.
    void OpenMeasurements(const QString& path);
    // The measurement file the last of the two operations above wrote or read; empty when it
    // was cancelled or failed. The program keeps its list of recent files with it.
    const QString& LastFilePath() const { return lastFilePath; }

    // ---- members, in declaration order ----------------------------------------------------
    QStringList columnTitles;
    CArray<CONVERSION*> scalesD;
    CArray<CONVERSION*> scalesDL;
    CArray<ANGLE> anglesD1;
    CArray<ANGLE> anglesD2;
    CArray<ANGLE> anglesDL;
    QStringList materialNames;
    DEVICE device;
    std::int64_t clockTime = 0;
    std::int32_t deviceScale = 0;
    std::int32_t deviceMaterial = 0;
    std::int32_t deviceProbe = 0;
    std::int32_t reservedSetting = 0;
    std::int32_t conversionStandard = 0; // 0 "default", 1 "Custom J"
    std::uint8_t fixedImpacts = 0;
    std::uint32_t measurementCounter = 0;
    std::uint32_t impactCounter = 0;
    CArray<MSERIE*> series;
    std::uint8_t seriesListChanged = 0;
    CArray<CPARA> customD;
    CArray<CPARA> customDL;
    // Leeb D Vickers, Brinell, Rockwell C, Rockwell B, Rockwell A, Shore, tensile strength, then
    // the same seven for Leeb DL; element index = material index.
    CArray<PARA> curves[14];
    LayerPtr<CGridCtrl> grid = NullLayerPtr<CGridCtrl>();
    LayerPtr<CDeviceLink> link = NullLayerPtr<CDeviceLink>();
    LayerPtr<CDeviceMirror> screen = NullLayerPtr<CDeviceMirror>();
    LayerPtr<CTableImages> images = NullLayerPtr<CTableImages>();
    std::uint16_t timeWord = 0;
    std::uint16_t dateWord = 0;
    std::uint8_t displayCodes[4] = {' ', ' ', ' ', ' '};
    std::uint8_t displayMode = 0;
    std::int32_t portNumber = 0;
    std::int32_t unsavedData = 0;
    std::int32_t bootloaderMode = 0;
    CArray<DEVICE*> foundDevices;
    CArray<int> foundPorts;
    CArray<DEVICE*> laterDevices;
    CArray<int> laterPorts;
    LayerPtr<CSettings> settingsDialog = NullLayerPtr<CSettings>();

private:
    QString lastFilePath;

public:

    // Custom-curve slots: HC1..HC3 live at indices 14..16 of customD and customDL.
    static constexpr int kCustomCurveFirst = 14;
    static constexpr int kCustomCurveCount = 17;
};
