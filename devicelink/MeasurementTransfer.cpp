// Bulk transfer of measurements: function 0x10 (everything stored on the tester) and 0x11 (what
// was stored since the last transfer). The reply is a five-byte header EF 00 len-lo len-hi len-hh
// followed by the records, which are read one byte per read call like every other reply.
#include "devicelink/DeviceLink.h"
#include "devicelink/LinkFollowUps.h"
#include "devicelink/MeasurementRecords.h"
#include "devicelink/TesterModels.h"

#include "data/MeasurementStore.h"

#include <stdexcept>

namespace {
constexpr std::uint8_t kAllMeasurements = 0x10;
constexpr std::uint8_t kNewMeasurements = 0x11;
constexpr int kHeaderSize = 5;
constexpr int kHeaderAttempts = 8;

MSERIE* LastSeries(CMeasurementStore& store)
{
    const int n = store.series.GetSize();
    return n > 0 ? store.series[n - 1] : nullptr;
}
} // namespace

LinkResult CDeviceLink::ReadMeasurements()
{
    return Download(kAllMeasurements);
}

LinkResult CDeviceLink::ReadNewMeasurements()
{
    return Download(kNewMeasurements);
}

LinkResult CDeviceLink::Download(std::uint8_t function)
{
    // A closed port reads nothing: the transfer has not happened and stays pending.
    if (!stream.IsOpen())
        return LinkResult::NotOpen;
    EnsureConversionTables();
    CTransferRollback rollback(store);
    const LinkResult result = DownloadRecords(function);
    // A failed transfer is asked for again: the full one from the start, the new measurements
    // from the tester's download mark, which a reply that did not arrive whole has not moved.
    // What the failed attempt placed is taken back so that nothing is stored twice.
    if (result != LinkResult::Ok)
        rollback.Undo();
    return result;
}

LinkResult CDeviceLink::DownloadRecords(std::uint8_t function)
{
    try {
        PrepareRequest();
        const std::uint8_t request[] = {0xC1, 0xD0, function};
        WriteAll(request, sizeof request);
        std::uint8_t header[kHeaderSize] = {};
        // A missing or garbled header is a failed transfer, not an empty memory: an empty
        // tester answers with a well-formed header of length 0.
        const int headerBytes = ReadBytes(header, kHeaderSize, kHeaderAttempts);
        if (headerBytes == 0)
            return LinkResult::NoReply;
        if (headerBytes != kHeaderSize || header[0] != 0xEF || header[1] != 0)
            return LinkResult::BadReply;
        const int length = header[2] | (header[3] << 8);

        if (function == kNewMeasurements) {
            if (MSERIE* last = LastSeries(store); last && last->expanded)
                last->SetExpanded(0);
        }

        const int size = TesterModels::RecordSize(store.device.name);
        if (size > 0) {
            const int records = length / size;
            const int attempts = size == 11 ? 15 : 17;
            const int firmwareMajor = FirmwareMajor();
            std::uint8_t bytes[13] = {};
            ReportProgress(0, records);
            for (int i = 0; i < records; ++i) {
                if (ReadBytes(bytes, size, attempts) < size)
                    return LinkResult::BadReply;
                PlaceDeviceRecord(store, ParseDeviceRecord(bytes, size), firmwareMajor);
                ReportProgress(i + 1, records);
            }
            if (function == kNewMeasurements) {
                if (MSERIE* last = LastSeries(store))
                    last->SetExpanded(1);
            }
        }
        store.unsavedData = 1;
        return LinkResult::Ok;
    } catch (const StreamIO::CFileException&) {
        return LinkResult::StreamFailed;
    } catch (const std::invalid_argument&) {
        // A record the store cannot place (a scale code without a catalogue entry).
        return LinkResult::BadReply;
    }
}

void CDeviceLink::ReportProgress(int received, int announced)
{
    if (followUps)
        followUps->TransferProgress(received, announced);
}
