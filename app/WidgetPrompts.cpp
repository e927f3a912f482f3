#include "app/WidgetPrompts.h"

#include "app/AppStrings.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::StandardButtons ButtonsOf(PromptButtons buttons)
{
    switch (buttons) {
    case PromptButtons::Ok: return QMessageBox::Ok;
    case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::None: return QMessageBox::NoIcon;
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Warning: return QMessageBox::Warning;
    case PromptIcon::Error: return QMessageBox::Critical;
    case PromptIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

PromptAnswer AnswerOf(int button, PromptButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok: return PromptAnswer::Ok;
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Cancel: return PromptAnswer::Cancel;
    default: break;
    }
    switch (buttons) {
    case PromptButtons::Ok: return PromptAnswer::Ok;
    case PromptButtons::YesNo: return PromptAnswer::No;
    default: return PromptAnswer::Cancel;
    }
}

QWidget* DialogParent()
{
    QWidget* parent = QApplication::activeModalWidget();
    return parent ? parent : QApplication::activeWindow();
}

} // namespace

PromptAnswer CWidgetPrompts::Message(const QString& text, PromptButtons buttons, PromptIcon icon)
{
    QMessageBox box(IconOf(icon), ResString(AppText::Title), text, ButtonsOf(buttons), DialogParent());
    if (buttons == PromptButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return AnswerOf(box.exec(), buttons);
}

QString CWidgetPrompts::FileName(const FileDialogRequest& request)
{
    QFileDialog dialog(DialogParent(), request.title);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(ToQtFileFilter(request.filter).split(QStringLiteral(";;"), Qt::SkipEmptyParts));
    dialog.setDefaultSuffix(request.defaultExtension);
    // An initial name with wild cards ("*.hkp") only repeats the filter; a real name is proposed.
    if (!request.initialName.isEmpty() && !request.initialName.contains(QLatin1Char('*'))
        && !request.initialName.contains(QLatin1Char('?')))
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return WithDefaultExtension(dialog.selectedFiles().constFirst(), request.defaultExtension);
}
