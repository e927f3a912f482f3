// The tolerance limits and the series verdict in the statistics CSV and the JSON export.
#include "conversion/Conversion.h"
#include "export/CsvExport.h"
#include "export/JsonExport.h"
#include "quality/ToleranceLimits.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

class LimitColumnsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildConversionTables(store);
        for (const float raw : {500.0f, 540.0f, 600.0f}) { // raw Leeb, no material
            auto* serie = new MSERIE;
            serie->SetSeriesNo(store.series.GetSize() + 1);
            auto* meas = new MEAS;
            meas->SetValue(raw);
            serie->AddMeasurement(meas);
            store.AddSeries(serie);
        }
        limits.Set({0, 0}, {500.0f, 540.5f});
    }

    CMeasurementStore store;
    CToleranceTable limits;
};

TEST_F(LimitColumnsTest, StatisticsCsvEndsWithLimitsAndVerdict)
{
    const QList<QByteArray> lines = StatisticsCsv(store, CsvDialect::C(), &limits).split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[0].endsWith(",status,lower_limit,upper_limit,verdict\r"));
    EXPECT_TRUE(lines[1].endsWith(",500,540.5,OK\r")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].endsWith(",500,540.5,OK\r"));
    EXPECT_TRUE(lines[3].endsWith(",500,540.5,NOT OK\r"));

    // Without limits the columns are there, empty.
    const QList<QByteArray> none = StatisticsCsv(store, CsvDialect::C()).split('\n');
    EXPECT_TRUE(none[1].endsWith(",,,\r")) << none[1].toStdString();
}

// The mean angle of the visible measurements is written also for a series without statistics
// (it does not depend on the conversion), and left empty when nothing is visible.
TEST_F(LimitColumnsTest, MeanAngleWithoutStatistics)
{
    auto* unconverted = new MSERIE; // HV of steel, out of the curve's range
    unconverted->SetScale(2);
    unconverted->SetMaterial(1);
    for (const int angle : {135, 180, 90, 90, 180}) {
        auto* meas = new MEAS;
        meas->SetValue(200.0f);
        meas->SetAngle(angle);
        unconverted->AddMeasurement(meas);
    }
    store.AddSeries(unconverted);
    store.series[0]->measurements[0]->SetHidden(1);
    const QList<QByteArray> lines = StatisticsCsv(store, CsvDialect::C()).split('\n');
    const int column = QString::fromUtf8(lines[0]).split(QLatin1Char(',')).indexOf(QStringLiteral("mean_angle"));
    ASSERT_GE(column, 0);
    const auto meanAngle = [&](int series) { return QString::fromUtf8(lines[series + 1]).split(QLatin1Char(','))[column]; };
    EXPECT_EQ(meanAngle(3), QStringLiteral("135"));
    EXPECT_EQ(meanAngle(0), QString());
    EXPECT_EQ(meanAngle(1), QStringLiteral("0"));
}

TEST_F(LimitColumnsTest, JsonStatisticsCarryLimitsAndVerdict)
{
    const QJsonArray series = QJsonDocument::fromJson(MeasurementsJson(store, &limits)).object()["series"].toArray();
    ASSERT_EQ(series.size(), 3);
    const QJsonObject third = series[2].toObject()["statistics"].toObject();
    EXPECT_EQ(third["lower_limit"].toDouble(), 500.0);
    EXPECT_EQ(third["upper_limit"].toDouble(), 540.5);
    EXPECT_EQ(third["verdict"].toString(), QStringLiteral("NOT OK"));

    const QJsonObject without =
        QJsonDocument::fromJson(MeasurementsJson(store)).object()["series"].toArray()[0].toObject()["statistics"].toObject();
    EXPECT_TRUE(without["lower_limit"].isNull());
    EXPECT_TRUE(without["verdict"].isNull());
}

} // namespace
