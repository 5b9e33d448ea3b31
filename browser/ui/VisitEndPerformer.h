#pragma once

#include "browser/VisitRules.h"

namespace korvel {

// Carries out what the end of a visit does (VisitRules); the one place where a visitor's traces
// are removed.
namespace VisitEndPerformer {

// The visit ends by `end`: the rule's effects for the preferences of now, performed in order.
void endVisit(VisitEnd end, const VisitState& state);
void perform(const QList<VisitEffect>& effects);

}  // namespace VisitEndPerformer

}  // namespace korvel
