// Every language, read and reached: no text of the device area or the table clipped or
// overprinted at the window sizes operators use, access keys in every menu, the shortcuts of the
// tester's commands, and the keys of the table (Tab, Shift+F10, Ctrl+Home and Ctrl+End).

#include "AppTestEnvironment.h"

#include "app/App.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "common/ScriptedPrompts.h"
#include "grid/GridCtrl.h"
#include "table/TableContextMenu.h"
#include "table/TablePopulation.h"
#include "conversion/ConversionTypes.h"
#include "mirror/MirrorGeometry.h"
#include "resources/StringTable.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const char* const kLanguages[] = {"ENG", "DEU", "FRA", "ITA", "ESP", "PTB", "RUS", "CHS"};

// A start in language number `language` (0 English .. 7 Chinese) with the program's translations.
struct LanguageApp {
    explicit LanguageApp(int language)
    {
        SetTestRegistry("[Software\\Halvex\\Kestrel\\Settings]\n\"Language\"=dword:0000000"
                        + QByteArray::number(language) + "\n");
        CSCLERONApp::Options options;
        options.useWidgetPrompts = false;
        options.languageFolders = {qEnvironmentVariable("SCLERON_BINARY_DIR") + QStringLiteral("/app")};
        EXPECT_TRUE(app.InitInstance(options));
    }
    CMainFrame& Frame() { return *app.MainFrame(); }
    CSCLERONApp app;
};

// The access key of a menu text ("&&" is a plain ampersand); a null character when it has none.
QChar AccessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Every clash of access keys among the visible entries of `actions`, and of the menus below them.
void FindClashes(const QString& where, const QList<QAction*>& actions, QStringList& clashes)
{
    QMap<QChar, QString> seen;
    for (const QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QChar key = AccessKey(action->text());
        if (!key.isNull()) {
            if (seen.contains(key))
                clashes << where + QStringLiteral(": \"%1\" and \"%2\"").arg(seen[key], action->text());
            else
                seen[key] = action->text();
        }
        if (const QMenu* sub = action->menu())
            FindClashes(where + QStringLiteral(" > ") + action->text(), sub->actions(), clashes);
    }
}

class KeyboardTest : public ::testing::Test {
protected:
    ScriptedPrompts prompts;
};

// A tester with long identity texts and one series of every scale, each with a material.
void FillLikeALab(CMeasurementStore& store)
{
    store.device.name = QStringLiteral("Tamarin 2");
    store.device.serialNumber = QStringLiteral("TM2-0012345678");
    store.device.firmwareVersion = QStringLiteral("2.14.0815");
    store.device.bootloaderVersion = QStringLiteral("1.07.3");
    store.device.hardwareRevision = QStringLiteral("Rev. C 04-00000-0");
    for (int scale = 0; scale < ScaleType::Count; ++scale) {
        if (scale == ScaleType::RockwellA)
            continue;
        auto* serie = new MSERIE;
        serie->seriesNo = 1000 + scale;
        serie->scale = scale;
        const CONVERSION& entry = *store.scalesD[scale];
        serie->material = entry.materials.GetSize() > 0 ? entry.materials[0] : 0;
        serie->expanded = 1;
        for (const float value : {380.0f, 512.0f, 0.0f}) {
            auto* meas = new MEAS;
            meas->value = value;
            meas->angle = 90;
            serie->AddMeasurement(meas);
        }
        store.AddSeries(serie);
    }
    RefreshTable(store);
}

TEST_F(KeyboardTest, NoTextIsClippedOrOverprintedInAnyLanguageOrWindowSize)
{
    for (int language = 0; language < 8; ++language) {
        SCOPED_TRACE(kLanguages[language]);
        LanguageApp running(language);
        CMainFrame& frame = running.Frame();
        CChildView& view = frame.View();
        FillLikeALab(view.store);
        for (const QSize size : {QSize(800, 600), QSize(1024, 700), QSize(1600, 1000)}) {
            SCOPED_TRACE(size.width());
            frame.resize(size);
            frame.show();
            QApplication::processEvents();
            view.grab(); // paints: the table takes its place and widths
            const int W = view.width();
            const CChildView::DeviceBand band = view.BandLayout(W);

            // Identity labels end before their values; values end before the tester's picture
            // (or the picture moved below them).
            QFont identity = view.font();
            identity.setPixelSize(14);
            const QFontMetrics metrics(identity);
            const QRectF picture = band.picture.mapRect(
                QRectF(W - MirrorGeometry::kPictureWidth, 0, MirrorGeometry::kPictureWidth, MirrorGeometry::kPictureHeight));
            const int lines[] = {61060, 61061, 61062, 61063, 61064, 61065};
            const QString values[] = {view.store.device.name, view.store.device.serialNumber,
                                      view.store.device.firmwareVersion, view.store.device.bootloaderVersion,
                                      view.store.device.hardwareRevision, view.MeasurementsText()};
            for (int i = 0; i < 6; ++i) {
                EXPECT_LE(10 + metrics.horizontalAdvance(ResString(lines[i])), band.valueX) << ResString(lines[i]).toStdString();
                const int valueEnd = band.valueX + metrics.horizontalAdvance(values[i]);
                const int lineTop = 40 + 17 * i;
                if (picture.top() < lineTop + 17 && picture.bottom() > lineTop) {
                    EXPECT_LE(valueEnd, picture.left()) << values[i].toStdString();
                }
            }
            EXPECT_GE(picture.top() >= 150 ? W : picture.left(), 350); // the device list box stays clear
            EXPECT_EQ(view.TableWindow()->geometry().top(), band.height);

            // Every cell's text (and every option of the Scale and Material lists) fits its column.
            const CGridCtrl& grid = *view.store.grid;
            for (int row = 0; row < grid.GetRowCount(); ++row) {
                for (int column = 0; column < grid.GetColumnCount(); ++column) {
                    const QFontMetrics cell(grid.GetItemFont(row, column));
                    const int image = grid.GetItemImage(row, column) >= 0 ? 22 : 0;
                    QStringList texts{grid.GetItemText(row, column)};
                    if (grid.GetCellType(row, column) == GridCellType::DropDown)
                        texts += grid.GetComboOptions(row, column);
                    for (const QString& text : texts)
                        EXPECT_LE(cell.horizontalAdvance(text) + 6 + image, grid.GetColumnWidth(column))
                            << row << "," << column << " " << text.toStdString();
                }
            }
        }
    }
}

TEST_F(KeyboardTest, EveryMenuOfEveryLanguageHasUniqueAccessKeys)
{
    for (int language = 0; language < 8; ++language) {
        SCOPED_TRACE(kLanguages[language]);
        LanguageApp running(language);
        CMainFrame& frame = running.Frame();
        QStringList clashes;
        FindClashes(QStringLiteral("menu bar"), frame.menuBar()->actions(), clashes);
        // The table's context menus (Leeb D and Leeb DL) are menus too.
        for (const int menuId : {156, 157}) {
            const std::unique_ptr<QMenu> menu = CreateContextMenu(frame.View().store, menuId);
            FindClashes(QStringLiteral("context menu %1").arg(menuId), menu->actions(), clashes);
        }
        EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QLatin1Char('\n')).toStdString();
        // Every menu of the bar opens with Alt and its key.
        for (const QAction* top : frame.menuBar()->actions())
            EXPECT_FALSE(AccessKey(top->text()).isNull()) << top->text().toStdString();
    }
}

TEST_F(KeyboardTest, TesterCommandsHaveShortcuts)
{
    LanguageApp running(0);
    EXPECT_EQ(running.Frame().Actions().Get(Cmd::ConnectDevice)->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
    EXPECT_EQ(running.Frame().Actions().Get(Cmd::DeviceSettings)->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
}

// A table of four series: the keys of the table move the selection and the focus.
class TableKeysTest : public KeyboardTest {
protected:
    void SetUp() override
    {
        CMeasurementStore& store = running.Frame().View().store;
        for (int k = 0; k < 4; ++k) {
            auto* serie = new MSERIE;
            serie->seriesNo = k + 1;
            auto* meas = new MEAS;
            meas->value = 500.0f;
            serie->AddMeasurement(meas);
            store.AddSeries(serie);
        }
        RefreshTable(store);
        running.Frame().show();
        running.Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&running.Frame()));
        grid = store.grid.get();
        grid->setFocus();
        grid->SetFocusCell(2, 1);
        grid->SetSelectedRange(2, 0, 2, 8);
    }
    LanguageApp running{0};
    CGridCtrl* grid = nullptr;
};

TEST_F(TableKeysTest, CtrlHomeAndCtrlEndSelectTheFirstAndLastRow)
{
    QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid->GetFocusCell().row, 1);
    EXPECT_EQ(grid->GetSelectedCellRange().minRow, 1);
    EXPECT_EQ(grid->GetSelectedCellRange().maxRow, 1);
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->GetFocusCell().row, 4);
    EXPECT_EQ(grid->GetSelectedCellRange().minRow, 4);
    EXPECT_EQ(grid->GetSelectedCellRange().maxRow, 4);
}

TEST_F(TableKeysTest, TabLeavesTheTable)
{
    ASSERT_TRUE(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_FALSE(grid->hasFocus());
    EXPECT_EQ(grid->GetFocusCell().row, 2); // the table's own focus cell stays where it was
}

TEST_F(TableKeysTest, ShiftF10OpensTheContextMenuOnTheFocusRow)
{
    QString title;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            title = menu->actions().isEmpty() ? QStringLiteral("<empty>") : menu->actions().first()->text();
            menu->close();
        }
    });
    QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_FALSE(title.isEmpty());
}

} // namespace
