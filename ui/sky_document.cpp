#include "sky_document.h"

namespace zenlith {

SkyDocument::SkyDocument(const ClockRules& clockRules, QObject* parent)
    : QObject(parent), clockRules_(&clockRules) {}

void SkyDocument::setComputed(const SkyState& computed) {
    state_ = computed;
    emit stateChanged();
}

}  // namespace zenlith
