#pragma once
// Answers a failed job's questions the way the test chose, and remembers what
// the user would have read.
#include <QStringList>

#include "print_failure_dialogs.h"

namespace zenlith::test {

class AnsweringDialogs : public PrintFailureDialogs {
public:
    AnsweringDialogs(bool acceptPdf, QString fileName) : acceptPdf_(acceptPdf), fileName_(std::move(fileName)) {}

    bool offerPdf(const QString& prompt) override {
        offers << prompt;
        return acceptPdf_;
    }
    QString pdfFileName() override {
        ++fileNameAsked;
        return fileName_;
    }
    void tell(const QString& prompt) override { told << prompt; }

    QStringList offers;
    QStringList told;
    int fileNameAsked = 0;

private:
    bool acceptPdf_;
    QString fileName_;
};

}  // namespace zenlith::test
