#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "qt_text.h"

namespace zenlith {

void ModalMessageBox::show(std::string_view prompt, std::string_view title) {
    // QMessageBox announces itself to assistive technology as an alert.
    QMessageBox box(QMessageBox::NoIcon, qtText(title), qtText(prompt), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setLayoutDirection(Qt::RightToLeft);
    box.exec();
}

}  // namespace zenlith
