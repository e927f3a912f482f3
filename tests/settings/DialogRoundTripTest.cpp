// The dialog's settings on their way to the tester and back: what "Send Settings" sends is what
// the simulator reports holding, and what the tester's operator changes arrives with "Receive
// Settings".
#include "DialogOnSim.h"

#include "conversion/ConversionTables.h"

#include <QDateTime>

#include <cstring>

namespace {

// The four bytes of a float as the tester stores them, lowest first, as "AA BB CC DD".
QString FloatRegister(float value)
{
    unsigned char bytes[4];
    std::memcpy(bytes, &value, 4);
    return QStringLiteral("%1 %2 %3 %4")
        .arg(bytes[0], 2, 16, QLatin1Char('0'))
        .arg(bytes[1], 2, 16, QLatin1Char('0'))
        .arg(bytes[2], 2, 16, QLatin1Char('0'))
        .arg(bytes[3], 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString LimitsRegister(const PARA& curve)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(curve.low & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((curve.low >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(curve.high & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((curve.high >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// The value of one "key=value" field of a simulator answer.
QString Field(const QString& answer, const QString& key)
{
    for (const QString& field : answer.split(QLatin1Char(' ')))
        if (field.startsWith(key + QLatin1Char('=')))
            return field.mid(key.size() + 1);
    return {};
}

TEST_F(DialogOnSim, WhatIsSentIsWhatTheTesterHoldsAndWhatItHoldsIsReceived)
{
    ASSERT_TRUE(Connect({"--model", "kestrel2", "--empty", "--clock", "2020-01-01 00:00:00"}));
    ASSERT_TRUE(OpenAndRead());
    const PARA vickers2 = (*CurveTable(store, 2, 0))[2];
    const PARA brinell4 = (*CurveTable(store, 3, 0))[4];

    // HC1 on Vickers, work tool steel, +10 becomes the measuring mode; 7 impacts per series.
    Click(1015);
    Choose(58002, 2);
    Choose(58003, 1);
    Type(58010, "10");
    Type(58014, "7");
    Type(58013, "321");
    ASSERT_EQ(Text(58003), "2 Work tool steel");
    Click(1011);
    EXPECT_EQ(store.link->jobs, CDeviceLink::jobsSendSettings);
    const qint64 sentAt = QDateTime::currentSecsSinceEpoch();
    EXPECT_LE(std::abs(store.clockTime - sentAt), 2);
    ASSERT_TRUE(RunJobs());

    const QString settings = Sim("show settings");
    EXPECT_EQ(Field(settings, "mode"), "0x0160"); // custom-curve scale code 11: HC1, Leeb D
    EXPECT_EQ(Field(settings, "fixed"), "7");
    EXPECT_EQ(Field(settings, "counter"), "321");
    EXPECT_EQ(Field(settings, "standard"), "0");
    const QDateTime clock = QDateTime::fromString(Field(settings, "clock"), Qt::ISODate);
    EXPECT_LE(std::abs(clock.toSecsSinceEpoch() - sentAt), 5) << settings.toStdString();
    EXPECT_EQ(Sim("show reg 0x06"), "42 00"); // Vickers, material 2, Leeb D
    EXPECT_EQ(Sim("show reg 0x00"), LimitsRegister(vickers2));
    EXPECT_EQ(Sim("show reg 0x01"), FloatRegister(vickers2.coef[0] + 10.0f));
    EXPECT_EQ(Sim("show reg 0x02"), FloatRegister(vickers2.coef[1]));
    EXPECT_EQ(Sim("show reg 0x05"), FloatRegister(vickers2.coef[4]));

    // The tester's operator measures Rockwell B on steel, 12 impacts per series, and rebuilds HC1
    // on Brinell, gray cast iron, +25.
    Sim("set mode 0x00A1");
    Sim("set fixed 12");
    Sim("set reg 0x06 64 00");
    Sim("set reg 0x01 " + FloatRegister(brinell4.coef[0] + 25.0f));
    Click(1010);
    EXPECT_EQ(store.link->jobs, CDeviceLink::jobsSettingsDialog);
    ASSERT_TRUE(RunJobs());
    EXPECT_EQ(Text(58000), "HRB Rockwell B");
    EXPECT_EQ(Text(58001), "1 Steel and cast steel");
    EXPECT_EQ(Text(58014), "12");
    EXPECT_EQ(Text(58002), "HB    Brinell (F=30D\u00b2)");
    EXPECT_EQ(Text(58003), "4 Gray cast iron (GG)");
    EXPECT_EQ(Text(58010), "+25.0");
    EXPECT_FALSE(Enabled(58010)); // HC1 is no longer the measuring mode
}

} // namespace
