// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/app/DeepLinkGate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    std::vector<double> arrivals; // monotonic seconds
    std::vector<bool> admitted;
};

TEST(DeepLinkGate, AdmitsLinksASecondApartFromTheLastAccepted)
{
    const Case cases[] = {
        {"the first link passes", {5.0}, {true}},
        {"0.4 s later is dropped, 1.2 s after the first passes", {10.0, 10.4, 11.2}, {true, false, true}},
        {"exactly a second is enough", {10.0, 11.0}, {true, true}},
        {"a dropped link does not restart the interval", {10.0, 10.6, 11.0, 11.5}, {true, false, true, false}},
        {"a burst passes once per second",
         {0.0, 0.3, 0.6, 0.9, 1.2, 1.5, 2.1},
         {true, false, false, false, true, false, false}},
        {"links at the same instant", {3.0, 3.0}, {true, false}},
        {"the clock's origin does not matter", {-100.0, -99.5, -99.0}, {true, false, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        double now = 0;
        DeepLinkGate gate([&] { return now; });
        std::vector<bool> admitted;
        for (double arrival : c.arrivals) {
            now = arrival;
            admitted.push_back(gate.admit());
        }
        EXPECT_EQ(admitted, c.admitted);
    }
}

} // namespace
