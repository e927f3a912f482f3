#pragma once
// The seam through which printing asks the user for a printer. The desktop program uses the
// standard print dialog; tests install their own and print to a PDF file.

class QPrinter;
class QWidget;

struct PrintDialogChoice {
    bool accepted = false;     // false: cancelled, nothing is printed
    bool selectionOnly = false; // print only the selected rows
};

class IPrintDialog {
public:
    virtual ~IPrintDialog() = default;
    // Lets the user set up the printer; printing to a PDF file and printing only the selection
    // are offered, page ranges are not.
    virtual PrintDialogChoice Run(QPrinter& printer, QWidget* parent) = 0;
};

// The installed dialog (never null; by default the standard print dialog).
IPrintDialog& PrintDialog();
// Installs a dialog (not owned); nullptr restores the standard one.
void SetPrintDialog(IPrintDialog* dialog);
