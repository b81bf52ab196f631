#pragma once
// The checks of the self-test's sections that this build has, each run after
// its section line with the run's context.

#include "runmodes/TLSelfTest.h"

namespace TLSelfTest {

// Section 12: the Money Plan's arithmetic, amounts, plan file across a
// restart, the example plan with its PDF and CSV report, the tips and the
// help topic.
void moneyPlanChecks(Context &context);

} // namespace TLSelfTest
