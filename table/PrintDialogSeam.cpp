#include "table/PrintDialogSeam.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {
class StandardPrintDialog final : public IPrintDialog {
public:
    PrintDialogChoice Run(QPrinter& printer, QWidget* parent) override
    {
        QPrintDialog dialog(&printer, parent);
        // "Print to File (PDF)" stays: on a machine without a printer it is the only way to
        // print at all, and it is how a table is printed to a PDF file.
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
        dialog.setPrintRange(QAbstractPrintDialog::AllPages);
        PrintDialogChoice choice;
        choice.accepted = dialog.exec() == QDialog::Accepted;
        choice.selectionOnly = dialog.printRange() == QAbstractPrintDialog::Selection;
        return choice;
    }
};

StandardPrintDialog standardDialog;
IPrintDialog* installed = nullptr;
} // namespace

IPrintDialog& PrintDialog()
{
    return installed ? *installed : standardDialog;
}

void SetPrintDialog(IPrintDialog* dialog)
{
    installed = dialog;
}
