#pragma once
// What the user reads when a print job goes wrong.
#include <QString>

namespace zenlith::printText {

inline const QString title = QStringLiteral("הדפסה");
inline const QString noPrinter = QStringLiteral("לא נמצאה מדפסת ברירת מחדל.");
inline const QString failed = QStringLiteral("ההדפסה נכשלה.");
inline const QString offerPdf = QStringLiteral("לשמור את הדפים כקובץ PDF במקום?");
inline const QString saveTitle = QStringLiteral("שמירת הדפים כקובץ PDF");
inline const QString pdfFilter = QStringLiteral("PDF (*.pdf)");
inline const QString saveFailed = QStringLiteral("שמירת הקובץ נכשלה.");

}  // namespace zenlith::printText
