#include "print_failure_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "print_texts.h"

namespace zenlith {

bool ModalPrintFailureDialogs::offerPdf(const QString& prompt) {
    return QMessageBox::question(QApplication::activeWindow(), printText::title, prompt) == QMessageBox::Yes;
}

ModalPrintFailureDialogs::ModalPrintFailureDialogs(std::function<QString()> suggestedName)
    : suggestedName_(std::move(suggestedName)) {}

QString ModalPrintFailureDialogs::pdfFileName() {
    const QString name = suggestedName_ ? suggestedName_() : QStringLiteral("zenlith.pdf");
    QFileDialog dialog(QApplication::activeWindow(), printText::saveTitle, QDir::home().filePath(name),
                       printText::pdfFilter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);  // follows the night view
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setLayoutDirection(Qt::RightToLeft);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void ModalPrintFailureDialogs::tell(const QString& prompt) {
    QMessageBox::warning(QApplication::activeWindow(), printText::title, prompt);
}

}  // namespace zenlith
