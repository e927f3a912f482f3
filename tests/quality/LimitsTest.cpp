#include "quality/LimitsSettings.h"
#include "resources/Registry.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::optional<float> None() { return std::nullopt; }

TEST(ToleranceTableTest, SetRejectsBadLimitsAndKeys)
{
    CToleranceTable table;
    EXPECT_FALSE(table.Set({3, 1}, {320.0f, 280.0f}));     // lower above upper
    EXPECT_FALSE(table.Set({3, 1}, {0.0f, 280.0f}));       // values are always > 0
    EXPECT_FALSE(table.Set({3, 1}, {None(), std::numeric_limits<float>::infinity()}));
    EXPECT_FALSE(table.Set({10, 1}, {1.0f, 2.0f}));        // no scale 10
    EXPECT_FALSE(table.Set({3, 17}, {1.0f, 2.0f}));        // no material 17
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_TRUE(table.Set({3, 1}, {280.0f, 320.0f}));
    EXPECT_TRUE(table.Set({3, 1}, {}));                   // unset limits remove the entry
    EXPECT_TRUE(table.IsEmpty());
}

TEST(ToleranceTableTest, TextRoundTripAndDamagedEntries)
{
    CToleranceTable table;
    ASSERT_TRUE(table.Set({3, 1}, {280.0f, 320.0f}));
    ASSERT_TRUE(table.Set({2, 1}, {None(), 450.5f}));
    ASSERT_TRUE(table.Set({4, 2}, {45.3f, None()}));
    ASSERT_TRUE(table.Set({9, 14}, {0.1f, 1234567.0f}));
    const QString text = table.ToText();
    EXPECT_EQ(text, QStringLiteral("2,1,,450.5;3,1,280,320;4,2,45.3,;9,14,0.1,1234567"));
    EXPECT_EQ(CToleranceTable::FromText(text), table);

    // Damaged entries lose only themselves; a later entry of the same key wins.
    const CToleranceTable read = CToleranceTable::FromText(
        QStringLiteral("3,1,280,320;x,1,1,2;3,1,300;5,1,90,80;12,1,1,2;2,1,,;2,1,abc,;4,2,1e999,;7,3, 40 , 60 ;3,1,281,319"));
    CToleranceTable expected;
    expected.Set({3, 1}, {281.0f, 319.0f});
    expected.Set({7, 3}, {40.0f, 60.0f});
    EXPECT_EQ(read, expected);
}

TEST(ToleranceTableTest, ParseLimitNumber)
{
    bool ok = false;
    EXPECT_EQ(ParseLimitNumber(QStringLiteral(" 45,5 "), &ok), 45.5f); // a decimal comma is read too
    EXPECT_TRUE(ok);
    EXPECT_EQ(ParseLimitNumber(QString(), &ok), None());
    EXPECT_TRUE(ok);
    EXPECT_EQ(ParseLimitNumber(QStringLiteral("12 HB"), &ok), None());
    EXPECT_FALSE(ok);
    EXPECT_EQ(ParseLimitNumber(QStringLiteral("nan"), &ok), None());
    EXPECT_FALSE(ok);
}

TEST(LimitsSettingsTest, KeptInTheUsersRegistry)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("conf/registry"));
    qputenv("SCLERON_REGISTRY", path.toLocal8Bit());

    EXPECT_TRUE(LimitsSettings::Load().IsEmpty()); // no file yet
    CToleranceTable table;
    table.Set({3, 1}, {280.0f, 320.0f});
    ASSERT_TRUE(LimitsSettings::Save(table));
    EXPECT_EQ(LimitsSettings::Load(), table);

    CRegistryKey key;
    ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, QLatin1String(LimitsSettings::kKey), RegistryAccess::Read));
    EXPECT_EQ(key.ReadText(QStringLiteral("Limits"), QString()), QStringLiteral("3,1,280,320"));

    ASSERT_TRUE(LimitsSettings::Save(CToleranceTable()));
    EXPECT_TRUE(LimitsSettings::Load().IsEmpty());
    qunsetenv("SCLERON_REGISTRY");
}

} // namespace
