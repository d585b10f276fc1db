#pragma once
// The questions a failed print job asks the user, behind one seam so tests can
// answer them instead of a modal dialog.
#include <QString>
#include <functional>

namespace zenlith {

class PrintFailureDialogs {
public:
    virtual ~PrintFailureDialogs() = default;
    // True when the user wants the pages saved as a PDF file instead.
    virtual bool offerPdf(const QString& prompt) = 0;
    // The file to save into; empty when the user cancels.
    virtual QString pdfFileName() = 0;
    virtual void tell(const QString& prompt) = 0;
};

// The product's: standard modal boxes (announced as alerts) and the standard
// save dialog, with Qt's own translated buttons.
class ModalPrintFailureDialogs : public PrintFailureDialogs {
public:
    // The save dialog offers the name given, asked for when it opens.
    explicit ModalPrintFailureDialogs(std::function<QString()> suggestedName = {});
    bool offerPdf(const QString& prompt) override;
    QString pdfFileName() override;
    void tell(const QString& prompt) override;

private:
    std::function<QString()> suggestedName_;
};

}  // namespace zenlith
