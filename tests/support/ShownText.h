#pragma once
#include "store/ShownNumber.h"

#include <QString>
#include <gtest/gtest.h>

// A box's number as the tests write it: "2,000" is 2 with three decimals.
inline store::ShownNumber shown(const QString& text) {
    const std::optional<store::ShownNumber> n = store::ShownNumber::read(text);
    EXPECT_TRUE(n.has_value()) << qPrintable(text);
    return n.value_or(store::ShownNumber());
}
