// Exchange rules whose every field that a page edits holds a value of its own, all within the
// ranges of their controls, for copy-in and copy-out tests.
#pragma once

#include "common/Cp932.h"
#include "exchange/ExchangeRules.h"

#include <string>

namespace rule_samples {

inline ExchangeRules distinct() {
    ExchangeRules r;
    int n = 1;
    auto next = [&n] { return n++; };
    auto text = [&n] { return cp932::lit("規則") + std::to_string(n++); };
    for (ExchangeRules::ThreeParts* parts : {&r.sendNo, &r.recvNo, &r.logOperator, &r.logRemarks}) {
        for (std::size_t i = 0; i < parts->size(); ++i) {
            ExchangeComponent& c = (*parts)[i];
            c.choice = i == 0 ? 1 : static_cast<int>(i + 1); // ＱＳＯデータ, 連番, ＱＳＯデータ
            c.fixedText = text();
            c.qsoField = next() % 14;
            c.fromColumn = -next();
            c.toColumn = next();
            if (i > 0 && (parts == &r.sendNo || parts == &r.recvNo)) {
                c.digits = next();
            }
        }
    }
    for (ExchangeComponent* c : {&r.summaryMulti, &r.logMulti}) {
        c->choice = c == &r.summaryMulti ? 2 : 1;
        c->fixedText = text();
        c->qsoField = next() % 14;
        c->fromColumn = next();
        c->toColumn = next();
    }
    r.summaryCoef = {1, next()};
    r.logPoints = {2, next(), 13, next(), next()};
    return r;
}

} // namespace rule_samples
