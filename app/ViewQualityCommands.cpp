// The view's commands on tolerance limits and the inspection report.
#include "app/ChildView.h"
#include "app/CommandIds.h"
#include "app/ToleranceLimitsDialog.h"
#include "app/VerdictOverlay.h"
#include "conversion/ConversionTypes.h"
#include "data/UserPrompts.h"
#include "grid/GridCtrl.h"
#include "quality/LimitsSettings.h"
#include "quality/QualityStrings.h"
#include "report/InspectionReport.h"
#include "report/ReportStrings.h"
#include "resources/Registry.h"
#include "resources/StringTable.h"
#include "table/TableHost.h"

#include <QDateTime>

namespace {
FileDialogRequest ReportDialog()
{
    FileDialogRequest request;
    request.filter = ResString(ReportIds::FileFilter) + QStringLiteral("|*.pdf|All Files (*.*)|*.*||");
    request.initialName = QStringLiteral("*.pdf");
    request.defaultExtension = QStringLiteral("pdf");
    request.save = true;
    request.title = ResString(ReportIds::SaveDialogTitle);
    return request;
}
} // namespace

void CChildView::AddQualityCommands()
{
    m_commands.Add(Cmd::Report, [this] { WriteReport(); },
                   [this](CommandState& state) { state.enabled = store.series.GetSize() > 0; });
    m_commands.Add(Cmd::ToleranceLimits, [this] { EditToleranceLimits(); });
}

int CChildView::FocusSeries() const
{
    if (!store.grid)
        return -1;
    const GridCellId focus = store.grid->GetFocusCell();
    if (focus.IsValid())
        return SeriesOfTableRow(store, focus.row);
    const GridRange selected = store.grid->GetSelectedCellRange();
    return selected.IsValid() ? SeriesOfTableRow(store, selected.minRow) : -1;
}

void CChildView::EditToleranceLimits()
{
    // Opened on the focus series' scale and material, else on Vickers of the first material group.
    LimitKey initial{ScaleType::Vickers, MaterialIndex::FirstGroup};
    if (const int series = FocusSeries(); series >= 0)
        initial = LimitKey{store.series[series]->scale, store.series[series]->material};
    CToleranceLimitsDialog dialog(store, m_limits, initial, window());
    if (dialog.exec() != QDialog::Accepted || dialog.Table() == m_limits)
        return;
    // The limits hold for this session even when they cannot be kept; the user is told so.
    m_limits = dialog.Table();
    if (!LimitsSettings::Save(m_limits))
        Prompts().Message(ResString(LimitsDialogIds::SaveFailed).arg(Registry::FilePath()), PromptButtons::Ok,
                          PromptIcon::Error);
    if (store.grid)
        store.grid->Invalidate();
    emit LimitsChanged();
}

void CChildView::WriteReport()
{
    ShowStatus(ResString(ReportIds::Writing));
    const QString path = WithDefaultExtension(Prompts().FileName(ReportDialog()), QStringLiteral("pdf"));
    bool written = false;
    if (!path.isEmpty()) {
        ReportResult result;
        {
            // Only while the file is written: the dialog and an error box keep the ordinary pointer.
            CWaitCursor wait;
            result = WriteInspectionReport(store, m_limits, path, QDateTime::currentDateTime());
        }
        written = result.written;
        if (!written)
            Prompts().Message(result.error, PromptButtons::Ok, PromptIcon::Error);
    }
    ShowStatus(written ? WithWrittenNote(ConnectionText(), path) : ConnectionText());
}
