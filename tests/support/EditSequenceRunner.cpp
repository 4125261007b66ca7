#include "support/EditSequenceRunner.h"

#include "app/TMainScreen.h"
#include "app/model/ProgramFolder.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "support/DesignDriver.h"
#include "support/ScriptedInteraction.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <random>

namespace cw::test {

EditSequenceRunner::EditSequenceRunner(QStringList pictures) : m_pictures(std::move(pictures)) {}

EditRunResult EditSequenceRunner::RunRandom(unsigned seed, int steps)
{
    std::mt19937 rng(seed);
    return run(
        [&rng, steps](int index, int objects, int selected) -> std::optional<EditStep> {
            if (index >= steps)
                return std::nullopt;
            return EditStep::Random(rng, objects, selected);
        },
        steps);
}

EditRunResult EditSequenceRunner::Replay(const std::vector<EditStep> &steps)
{
    return run(
        [&steps](int index, int, int) -> std::optional<EditStep> {
            if (index >= int(steps.size()))
                return std::nullopt;
            return steps[size_t(index)];
        },
        int(steps.size()));
}

EditRunResult EditSequenceRunner::run(const NextStep &next, int total)
{
    // Nothing from an earlier run: no recent file to reopen, no clipboard.
    const QString saved = model::ProgramFolder::file(QStringLiteral("Saved"));
    QDir().mkpath(saved);
    const QString cardPath = saved + QStringLiteral("/EDIT.CWR");
    const QString checkPath = saved + QStringLiteral("/CHECK.CWR");
    for (const QString &path :
         {model::ProgramFolder::file(QStringLiteral("CWR.INI")),
          model::ProgramFolder::file(QStringLiteral("Clipbrd.tmp")), cardPath, checkPath})
        QFile::remove(path);

    ScriptedInteraction script;
    EditRunResult result;
    ui::TMainScreen window;
    window.resize(760, 520);
    window.show();
    window.FormActivate();
    window.activateWindow();
    QTest::qWaitForWindowActive(&window, 2000);
    DesignDriver driver(window, script, cardPath, m_pictures);
    EditChecks checks(driver, checkPath);
    checks.Enabled = Checks;
    checks.UndoEvery = UndoEvery;
    checks.MemoryLimitMB = MemoryLimitMB;

    DesignState state = checks.Capture();
    checks.StartHistory(state);
    for (int i = 0;; ++i) {
        const std::optional<EditStep> step =
            next(i, window.BusinessCardPanel()->ObjectCount(), window.BusinessCardPanel()->Frame().Count());
        if (!step)
            break;
        result.steps.push_back(*step);
        // Reopening starts a new history: the one that ends is checked first.
        if (step->kind == EditStep::Reopen && (result.failure = checks.CheckUndo(state)))
            break;
        const bool given = driver.Apply(*step);
        const DesignState after = checks.Capture();
        result.failure = checks.AfterStep(i, *step, given, state, after, i + 1 == total);
        script.log.clear();
        script.questions.clear();
        script.informations.clear();
        if (result.failure)
            break;
        state = checks.Capture(); // the checks may have reselected what the user had selected
    }
    result.memoryGrowthMB = checks.MemoryGrowthMB();
    return result;
}

std::vector<EditStep> EditSequenceRunner::Shrink(std::vector<EditStep> steps, const QString &invariant,
                                                 double seconds)
{
    QElapsedTimer clock;
    clock.start();
    const auto timeLeft = [&] { return clock.elapsed() < qint64(seconds * 1000); };
    // A shorter list is kept when it fails the same check, cut at its failure.
    const auto stillFails =
        [&](const std::vector<EditStep> &candidate) -> std::optional<std::vector<EditStep>> {
        EditRunResult r = Replay(candidate);
        if (r.failure && r.failure->invariant == invariant)
            return r.steps;
        return std::nullopt;
    };
    size_t parts = 2;
    while (steps.size() > 1 && timeLeft()) {
        const size_t chunk = (steps.size() + parts - 1) / parts;
        bool reduced = false;
        for (size_t start = 0; start < steps.size() && timeLeft(); start += chunk) {
            std::vector<EditStep> candidate(steps.begin(), steps.begin() + qsizetype(start));
            candidate.insert(candidate.end(),
                             steps.begin() + qsizetype(std::min(start + chunk, steps.size())), steps.end());
            if (auto shorter = stillFails(candidate)) {
                steps = std::move(*shorter);
                parts = std::max<size_t>(parts - 1, 2);
                reduced = true;
                break;
            }
        }
        if (!reduced) {
            if (parts >= steps.size())
                break;
            parts = std::min(parts * 2, steps.size());
        }
    }
    return steps;
}

QString EditSequenceRunner::Listing(const std::vector<EditStep> &steps)
{
    QString text;
    for (size_t i = 0; i < steps.size(); ++i)
        text += QStringLiteral("  %1. %2\n").arg(i + 1).arg(steps[i].Describe());
    return text;
}

} // namespace cw::test
