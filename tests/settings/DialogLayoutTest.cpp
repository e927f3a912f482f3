// The dialog's controls as the dialog resource lists them: ids, kinds, texts, digits-only and
// alignment, their places in dialog units at two font sizes, and the Tab order.
#include "conversion/ConversionTables.h"
#include "data/MeasurementStore.h"
#include "settings/DialogUnits.h"
#include "settings/Settings.h"
#include "settings/SettingsControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <gtest/gtest.h>

namespace {

TEST(DialogUnits, MapEdgesWithTheFontsAverageCharacterSize)
{
    // The dialog font of the original layout measures 6 x 13 pixels.
    const SDialogBaseUnits base{6, 13};
    EXPECT_EQ(DialogUnitsToPixelsX(354, base), 531);
    EXPECT_EQ(DialogUnitsToPixelsY(170, base), 276); // 276.25
    EXPECT_EQ(DialogUnitsToPixelsY(149, base), 242); // 242.125
    EXPECT_EQ(DialogUnitsToPixelsX(-3, base), -5);   // -4.5, away from zero
    // Edges are mapped one by one: two controls that touch in dialog units touch in pixels.
    const QRect left = DialogUnitsToPixels(QRect(7, 73, 151, 97), base);
    const QRect right = DialogUnitsToPixels(QRect(158, 73, 10, 10), base);
    EXPECT_EQ(left.x() + left.width(), right.x());
    EXPECT_EQ(DialogUnitsToPixels(QRect(276, 149, 71, 17), {7, 16}), QRect(483, 298, 124, 34));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    const SDialogBaseUnits measured = DialogBaseUnits(QFontMetrics(font));
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    EXPECT_NEAR(measured.x, letters / 52.0, 0.5);
    EXPECT_EQ(measured.y, metrics.height());
}

class DialogLayout : public ::testing::Test {
protected:
    void SetUp() override { BuildConversionTables(store); }

    CMeasurementStore store;
};

TEST_F(DialogLayout, EveryControlHasItsIdKindTextAndAlignment)
{
    CSettings dialog(store, nullptr, {});
    EXPECT_EQ(dialog.windowTitle(), "Device Settings");
    const auto label = [&](int id) { return qobject_cast<QLabel*>(dialog.Control(id)); };
    const auto edit = [&](int id) { return qobject_cast<QLineEdit*>(dialog.Control(id)); };
    const auto list = [&](int id) { return qobject_cast<QComboBox*>(dialog.Control(id)); };
    const auto button = [&](int id) { return qobject_cast<QPushButton*>(dialog.Control(id)); };

    ASSERT_TRUE(label(1014));
    EXPECT_EQ(label(1014)->text(), "Kestrel");
    EXPECT_EQ(label(279)->text(), "Impact counter:");
    EXPECT_EQ(label(278)->text(), "Measurement counter:");
    EXPECT_EQ(label(280)->text(), "Fixed number of impacts:");
    EXPECT_TRUE(label(277)->text().isEmpty());
    EXPECT_TRUE(label(277)->alignment() & Qt::AlignRight);
    for (int id : {58013, 58014}) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(edit(id));
        EXPECT_TRUE(edit(id)->alignment() & Qt::AlignRight);
        ASSERT_TRUE(edit(id)->validator());
        QString typed = QStringLiteral("12a");
        int position = 0;
        EXPECT_EQ(edit(id)->validator()->validate(typed, position), QValidator::Invalid);
        typed = QStringLiteral("120");
        EXPECT_EQ(edit(id)->validator()->validate(typed, position), QValidator::Acceptable);
    }
    for (int id : {58010, 58011, 58012}) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(edit(id));
        EXPECT_TRUE(edit(id)->alignment() & Qt::AlignHCenter);
        EXPECT_FALSE(edit(id)->validator()); // a sign and a decimal point belong to an offset
    }
    ASSERT_TRUE(qobject_cast<QCheckBox*>(dialog.Control(1027)));
    EXPECT_EQ(qobject_cast<QCheckBox*>(dialog.Control(1027))->text(), "Lock Keys");
    const char* radios[] = {"HC1 Custom1", "HC2 Custom2", "HC3 Custom3"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = qobject_cast<QRadioButton*>(dialog.Control(1015 + i));
        ASSERT_TRUE(radio);
        EXPECT_EQ(radio->text(), radios[i]);
    }
    for (int id : {300, 301, 58000, 58001, 58002, 58003, 58004, 58005, 58006, 58007}) {
        EXPECT_TRUE(list(id)) << id;
    }
    EXPECT_EQ(button(1010)->text(), "Receive Settings");
    EXPECT_EQ(button(1011)->text(), "Send Settings");
    EXPECT_EQ(button(1012)->text(), "Exit");
    EXPECT_EQ(dialog.Control(4711), nullptr);
    // The two labels without an id are there too.
    QStringList texts;
    for (QLabel* l : dialog.findChildren<QLabel*>())
        texts << l->text();
    EXPECT_TRUE(texts.contains("Conversion Standard:"));
    EXPECT_TRUE(texts.contains("Impact Body:"));
}

TEST_F(DialogLayout, ControlsSitAtTheirDialogUnitsAndKeepProportionsAtAnyFontSize)
{
    QSize sizes[2];
    int fontSizes[2] = {9, 18};
    for (int i = 0; i < 2; ++i) {
        CSettings dialog(store, nullptr, {});
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(fontSizes[i]);
        dialog.setFont(font);
        const SDialogBaseUnits base = DialogBaseUnits(dialog.fontMetrics());
        sizes[i] = dialog.size();
        // Texts may widen the units across, never shrink them; down they follow the font.
        EXPECT_GE(sizes[i].width(), DialogUnitsToPixelsX(354, base));
        EXPECT_EQ(sizes[i].height(), DialogUnitsToPixelsY(kSettingsHeightUnits, base));
        const double x = sizes[i].width() / 354.0;
        for (int id : {1014, 58013, 1027, 1015, 58012, 1010, 1012}) {
            SCOPED_TRACE(id);
            const QRect at = dialog.Control(id)->geometry();
            const auto entry = std::find_if(SettingsControls().begin(), SettingsControls().end(),
                                           [&](const SSettingsControl& c) { return c.id == id; });
            EXPECT_NEAR(at.x(), entry->units.x() * x, 2.0);
            EXPECT_NEAR(at.width(), entry->units.width() * x, 2.0);
            EXPECT_EQ(at.y(), DialogUnitsToPixelsY(entry->units.y(), base));
            EXPECT_EQ(at.height(), DialogUnitsToPixelsY(entry->units.y() + entry->units.height(), base) - at.y());
        }
        // Every fixed text fits its control.
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label != dialog.Control(1014)) {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
            }
        }
        // A drop-down list is as high as its closed box, its rectangle's rest is the dropped list.
        auto* scale = qobject_cast<QComboBox*>(dialog.Control(58000));
        EXPECT_EQ(scale->height(), scale->sizeHint().height());
        EXPECT_GE(scale->maxVisibleItems(), 3);
    }
    EXPECT_GT(sizes[1].width(), sizes[0].width() * 3 / 2);
    const double ratio0 = double(sizes[0].width()) / sizes[0].height();
    const double ratio1 = double(sizes[1].width()) / sizes[1].height();
    EXPECT_NEAR(ratio0, ratio1, 0.1 * ratio0);
}

TEST_F(DialogLayout, TabFollowsTheControlList)
{
    CSettings dialog(store, nullptr, {});
    std::vector<int> order;
    QWidget* first = dialog.Control(58013);
    QWidget* widget = first;
    do {
        if (widget->focusPolicy() & Qt::TabFocus) {
            const int id = widget->property("controlId").toInt();
            if (id != 0)
                order.push_back(id);
        }
        widget = widget->nextInFocusChain();
    } while (widget != first && order.size() < 40);
    const std::vector<int> expected = {58013, 58014, 1027, 300, 301, 58000, 58001, 1015, 58002, 58003, 58010, 1016,
                                       58004, 58005, 58011, 1017, 58006, 58007, 58012, 1010, 1011, 1012};
    EXPECT_EQ(order, expected);
}

} // namespace
