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

QString ModalPrintFailureDialogs::pdfFileName() {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), printText::saveTitle,
                                        QDir::home().filePath(QStringLiteral("zenlith.pdf")), printText::pdfFilter,
                                        nullptr, QFileDialog::DontUseNativeDialog);  // follows the night view
}

void ModalPrintFailureDialogs::tell(const QString& prompt) {
    QMessageBox::warning(QApplication::activeWindow(), printText::title, prompt);
}

}  // namespace zenlith
