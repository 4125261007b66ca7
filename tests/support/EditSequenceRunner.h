#pragma once
// Runs edit sequences on a fresh designer: random ones from a seed, or a
// given step list (to replay or shrink a failure).  Every run starts from an
// empty card in a new main window, with no settings, card or clipboard file
// left from an earlier run, and checks every step with EditChecks.

#include "support/EditChecks.h"
#include "support/EditStep.h"

#include <QSet>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace cw::test {

struct EditRunResult
{
    // The steps given, up to and including the one that failed.
    std::vector<EditStep> steps;
    std::optional<EditFailure> failure;
    double memoryGrowthMB = 0;
};

class EditSequenceRunner
{
public:
    // `pictures`: picture files the clip art tool may choose.
    explicit EditSequenceRunner(QStringList pictures);

    // Options handed to EditChecks.
    QSet<QString> Checks;
    int UndoEvery = 1;
    double MemoryLimitMB = 64;

    EditRunResult RunRandom(unsigned seed, int steps);
    EditRunResult Replay(const std::vector<EditStep> &steps);
    // The shortest step list found within `seconds` that still fails the
    // same check (steps left out one chunk at a time, then one by one).
    std::vector<EditStep> Shrink(std::vector<EditStep> steps, const QString &invariant, double seconds);

    // One numbered line per step.
    static QString Listing(const std::vector<EditStep> &steps);

private:
    using NextStep = std::function<std::optional<EditStep>(int index, int objects, int selected)>;
    EditRunResult run(const NextStep &next, int total);

    QStringList m_pictures;
};

} // namespace cw::test
