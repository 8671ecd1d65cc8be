// Every test fails when the framework reported an error (the line on standard error and the
// error box a teacher would see) that the test did not declare beforehand.
#pragma once

namespace sw_test {

// The current test provokes error reports on purpose and checks them itself.
void ExpectErrorReports();

}  // namespace sw_test
