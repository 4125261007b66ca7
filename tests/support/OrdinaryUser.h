#pragma once
// Runs one test function of this test program again as the user "nobody",
// as an ordinary user runs the designer: against the same private CUPS
// scheduler (CUPS_SERVER is inherited), with a home folder of its own.
// Used by print tests that run as root in CI, where file permissions and the
// scheduler's rules for users matter.

#include <QString>
#include <optional>

namespace cw::test {

// Why the run cannot be made here (not root, no setpriv, a sanitized build),
// or nothing.
std::optional<QString> OrdinaryUserUnavailable();

// Copies this program into `folder` (made inside `root`, opened to every
// user) and runs `testFunction` there as "nobody" with `flag` set in its
// environment, so that the copy knows it is the ordinary user's run.
// Returns the failure with the copy's output, or an empty text when the
// function passed.
QString RunAsOrdinaryUser(const QString &root, const QString &testFunction, const QString &flag);

} // namespace cw::test
