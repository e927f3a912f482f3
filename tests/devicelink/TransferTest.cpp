// The bulk transfer against a scripted tester: record counts, headers, failures and retries.
#include "LinkFixture.h"
#include "TestRecords.h"

#include <cstring>

namespace {

const Bytes kAll{0xC1, 0xD0, 0x10};
const Bytes kNew{0xC1, 0xD0, 0x11};
const Bytes kDisplay{0xC1, 0xD0, 0x21};

std::vector<float> Values(const CMeasurementStore& store)
{
    std::vector<float> values;
    for (const MSERIE* s : store.series)
        for (const MEAS* m : s->measurements)
            values.push_back(m->value);
    return values;
}

TEST_F(LinkTest, HeaderLengthDecidesTheRecordCount)
{
    struct Case {
        const char* model;
        Bytes reply;
        std::vector<float> want;
    } cases[] = {
        {"Kestrel 1", BulkReply({MarkedRecord(401, 0), MarkedRecord(402, 0)}), {401, 402}},
        // 0x17 bytes announced: still two records; the 23rd byte is never read as data.
        {"Kestrel 1", BulkReply({MarkedRecord(401, 0), MarkedRecord(402, 0)}, 0x17, {0x07}), {401, 402}},
        {"Kestrel 2",
         BulkReply({RecordBytes(0, 0x2C21, 501, 0, 0x41, 1), RecordBytes(0, 0x2C21, 502, 0, 0x41, 1)}),
         {501, 502}},
        {"Kestrel 2", BulkReply({}), {}},
    };
    for (const Case& c : cases) {
        store.DeleteMeasurements(-1, -1);
        store.unsavedData = 0;
        SetDevice(c.model, 2, 1);
        tester.Answer(kAll, c.reply);
        EXPECT_EQ(link.ReadMeasurements(), kOk) << c.model << " " << c.reply.size();
        EXPECT_EQ(Values(store), c.want) << c.model << " " << c.reply.size();
        EXPECT_EQ(store.unsavedData, 1);
        // Whatever the transfer left unread must not be taken for the start of the next reply.
        tester.Answer(kDisplay, {0x05, 'a', 'b', 'c', 'd', 0x00});
        EXPECT_EQ(link.ReadDisplay(), kOk) << c.model << " " << c.reply.size();
        EXPECT_EQ(std::memcmp(store.displayCodes, "abcd", 4), 0);
    }
}

TEST_F(LinkTest, MissingOrGarbledHeaderFailsTheTransfer)
{
    SetDevice("Kestrel 1", 2, 1);
    const Bytes record = MarkedRecord(401, 0);
    Bytes wrongKind = BulkReply({record});
    wrongKind[1] = 0x01;
    Bytes wrongStart = BulkReply({record});
    wrongStart[0] = 0xEE;
    for (const Bytes& reply : {wrongKind, wrongStart, Bytes{0xEF, 0x00, 0x0B}, Bytes{0xF2}, Bytes{}}) {
        tester.Answer(kAll, reply);
        const LinkResult want = reply.empty() ? kNoReply : kBad;
        EXPECT_EQ(link.ReadMeasurements(), want) << reply.size();
        tester.Answer(kNew, reply);
        EXPECT_EQ(link.ReadNewMeasurements(), want) << reply.size();
        EXPECT_TRUE(store.series.IsEmpty());
        EXPECT_EQ(store.unsavedData, 0);
    }
}

TEST_F(LinkTest, TesterWithoutRecordFormatReadsNothing)
{
    SetDevice("Tamarin 2", 2, 1);
    tester.Answer(kAll, BulkReply({MarkedRecord(401, 0)}));
    EXPECT_EQ(link.ReadMeasurements(), kOk);
    EXPECT_TRUE(store.series.IsEmpty());
    EXPECT_EQ(store.unsavedData, 1);
}

TEST_F(LinkTest, FullTransferCutShortIsTakenBackAndItsRetryStoresEverythingOnce)
{
    SetDevice("Kestrel 1", 2, 1);
    // A series the user already has stays as it is.
    tester.Answer(kAll, BulkReply({MarkedRecord(300, 1)}));
    ASSERT_EQ(link.ReadMeasurements(), kOk);
    store.ClearChanges();
    store.unsavedData = 0;

    const std::vector<Bytes> records = {MarkedRecord(401, 1), MarkedRecord(402, 0), MarkedRecord(403, 0)};
    Bytes cut = BulkReply(records);
    cut.resize(cut.size() - 4); // the line dies inside the third record
    tester.AnswerInTurn(kAll, {cut, BulkReply(records)});

    EXPECT_EQ(link.ReadMeasurements(), kBad);
    EXPECT_EQ(Values(store), (std::vector<float>{300}));
    EXPECT_FALSE(store.HasChanges());
    EXPECT_EQ(store.unsavedData, 0);

    EXPECT_EQ(link.ReadMeasurements(), kOk);
    EXPECT_EQ(Values(store), (std::vector<float>{300, 401, 402, 403}));
    EXPECT_EQ(store.series.GetSize(), 2);
}

TEST_F(LinkTest, NewMeasurementsShowTheirSeriesAndCollapseThePreviousOne)
{
    SetDevice("Kestrel 1", 2, 1);
    tester.Answer(kAll, BulkReply({MarkedRecord(401, 0), MarkedRecord(402, 0)}));
    ASSERT_EQ(link.ReadMeasurements(), kOk);
    store.series[0]->SetExpanded(1);

    tester.Answer(kNew, BulkReply({MarkedRecord(501, 1), MarkedRecord(502, 1)}));
    EXPECT_EQ(link.ReadNewMeasurements(), kOk);
    ASSERT_EQ(store.series.GetSize(), 2);
    EXPECT_EQ(store.series[0]->expanded, 0);
    EXPECT_EQ(store.series[1]->expanded, 1);
    EXPECT_EQ(store.series[1]->seriesNo, 2);
    EXPECT_EQ(Values(store), (std::vector<float>{401, 402, 501, 502}));

    // New impacts that continue the last series keep it open.
    tester.Answer(kNew, BulkReply({MarkedRecord(503, 1)}));
    EXPECT_EQ(link.ReadNewMeasurements(), kOk);
    EXPECT_EQ(store.series.GetSize(), 2);
    EXPECT_EQ(store.series[1]->expanded, 1);
}

} // namespace
