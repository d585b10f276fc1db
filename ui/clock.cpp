#include "clock.h"

#include <QDateTime>

namespace zenlith {

std::string SystemClock::dateText() const {
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
}

std::string SystemClock::timeText() const {
    return QTime::currentTime().toString(QStringLiteral("H:mm:ss")).toStdString();
}

}  // namespace zenlith
