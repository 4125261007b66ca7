#include "support/EditChecks.h"

#include "app/TMainScreen.h"
#include "app/model/Exception.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "support/DesignDriver.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cmath>

#include <malloc.h>
#include <unistd.h>

namespace cw::test {

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<StoredObject> contentsOf(const QByteArray &bytes)
{
    try {
        return CardContents::Read(bytes);
    } catch (const Exception &) {
        return {};
    }
}

QString rectText(const QRect &r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

// The first object whose bounds differ, as a sentence; empty when none.
QString boundsDifference(const std::vector<QRect> &was, const std::vector<QRect> &is,
                         const std::vector<StoredObject> &objects, const QString &what)
{
    for (size_t i = 0; i < was.size() && i < is.size(); ++i)
        if (was[i] != is[i])
            return QStringLiteral("%1 moved object %2 (%3) on screen from %4 to %5")
                .arg(what)
                .arg(i)
                .arg(i < objects.size() ? objects[i].className : QString())
                .arg(rectText(was[i]), rectText(is[i]));
    return QString();
}

// Objects the document commands remove before saving: off the card or
// without area, by their bounds on screen.
bool isStray(const QRect &r, const QSize &surface)
{
    return r.top() > surface.height() - 10 || r.left() > surface.width() - 10 || r.width() < 1 ||
           r.height() < 1;
}

QString firstByteDifference(const QByteArray &a, const QByteArray &b)
{
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return QStringLiteral("the bytes differ from offset %1 (%2 and %3 bytes)")
        .arg(i)
        .arg(a.size())
        .arg(b.size());
}

double residentMB()
{
    // Memory freed but kept by the allocator is not the program's.
    ::malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

} // namespace

EditChecks::EditChecks(DesignDriver &driver, QString checkPath)
    : m_driver(driver), m_checkPath(std::move(checkPath)), m_second(std::make_unique<ui::TMainScreen>())
{
    m_second->FormActivate();
}

EditChecks::~EditChecks() = default;

bool EditChecks::on(const char *name) const
{
    return Enabled.isEmpty() || Enabled.contains(QLatin1String(name));
}

DesignState EditChecks::Capture() const
{
    ui::TGBusinessCardPanel32 &surface = m_driver.Surface();
    DesignState s;
    s.snapshot = surface.DesignSnapshot();
    s.contents = contentsOf(s.snapshot);
    for (int i = 0; i < surface.ObjectCount(); ++i)
        s.bounds.push_back(surface.ObjectAt(i)->BoundsRect());
    s.surface = surface.size();
    s.zoom = surface.Zoom();
    s.selected = surface.Frame().Count();
    s.clipboardObjects = int(contentsOf(bytesOf(surface.ClipboardPath())).size());
    return s;
}

void EditChecks::StartHistory(const DesignState &state)
{
    m_start = state.snapshot;
    m_changesSinceStart = 0;
}

std::optional<EditFailure> EditChecks::AfterStep(int index, const EditStep &step, bool given,
                                                 const DesignState &before, const DesignState &after,
                                                 bool last)
{
    if (step.kind == EditStep::Reopen && given)
        StartHistory(after); // opening a design starts its history afresh
    else if (after.snapshot != before.snapshot)
        ++m_changesSinceStart;
    const auto failed = [](const char *name, const QString &message) {
        return message.isEmpty() ? std::nullopt : std::optional<EditFailure>(EditFailure{name, message});
    };
    if (on("objects"))
        if (auto f = failed("objects", checkObjects(step, given, before, after)))
            return f;
    if (on("unchanged"))
        if (auto f = failed("unchanged", checkUnchanged(step, before, after)))
            return f;
    if (on("reopen"))
        if (auto f = failed("reopen", checkSaved(step, before, after)))
            return f;
    QByteArray reopened;
    if (on("reopen") || on("zoom"))
        if (auto f = failed("reopen", checkReopen(after, reopened)))
            return f;
    if (on("zoom")) {
        if (auto f = failed("zoom", checkZoom(step, before, after)))
            return f;
        if (auto f = failed("zoom", checkSecondZoom(index, reopened)))
            return f;
    }
    if (on("undo") && (last || (index + 1) % std::max(1, UndoEvery) == 0))
        if (auto f = failed("undo", checkUndo(after)))
            return f;
    if (on("memory"))
        if (auto f = failed("memory", checkMemory(index)))
            return f;
    return std::nullopt;
}

QString EditChecks::checkObjects(const EditStep &step, bool given, const DesignState &before,
                                 const DesignState &after)
{
    for (size_t i = 0; i < after.bounds.size(); ++i)
        if (after.bounds[i].width() < 1 || after.bounds[i].height() < 1)
            return QStringLiteral(
                       "object %1 (%2) was left without area, %3 on screen: the next save deletes it")
                .arg(i)
                .arg(i < after.contents.size() ? after.contents[i].className : QString())
                .arg(rectText(after.bounds[i]));
    const int count = int(before.bounds.size());
    int strays = 0;
    for (const QRect &r : before.bounds)
        strays += isStray(r, before.surface);
    std::vector<int> expected{count};
    switch (step.kind) {
    case EditStep::Draw:
    case EditStep::Clone:
        expected = {count + (given ? 1 : 0)};
        break;
    case EditStep::Paste:
        expected = {count + before.clipboardObjects};
        break;
    case EditStep::Cut:
    case EditStep::Delete:
        expected = {count - before.selected};
        break;
    case EditStep::Undo:
    case EditStep::Redo:
        return QString(); // checked by undoing to the start and redoing to the end
    case EditStep::Save:
    case EditStep::Reopen:
        expected = {count - strays};
        break;
    case EditStep::SaveAsCancel:
        // Objects off the card go when Save As starts, or not at all.
        expected = {count - strays, count};
        break;
    default:
        break;
    }
    const int found = int(after.bounds.size());
    if (std::find(expected.begin(), expected.end(), found) != expected.end())
        return QString();
    QStringList was, is;
    for (const StoredObject &o : before.contents)
        was << o.className;
    for (const StoredObject &o : after.contents)
        is << o.className;
    return QStringLiteral("%1 objects expected after the step, %2 found; before: %3; after: %4")
        .arg(expected.front())
        .arg(found)
        .arg(was.join(QLatin1Char(' ')), is.join(QLatin1Char(' ')));
}

QString EditChecks::checkUnchanged(const EditStep &step, const DesignState &before, const DesignState &after)
{
    // A click that selects and a copy edit nothing.
    if (step.kind != EditStep::Select && step.kind != EditStep::Copy)
        return QString();
    const QString what = QStringLiteral("\"%1\"").arg(step.Describe());
    const QString difference = CardContents::Difference(
        before.contents, after.contents, QStringLiteral("before"), QStringLiteral("after ") + what);
    if (!difference.isEmpty())
        return difference;
    return boundsDifference(before.bounds, after.bounds, after.contents, what);
}

QString EditChecks::checkSaved(const EditStep &step, const DesignState &before, const DesignState &after)
{
    const bool saved = step.kind == EditStep::Save || step.kind == EditStep::Reopen;
    if (saved) {
        const QString file = m_driver.Window().FileName;
        const QString difference =
            CardContents::Difference(contentsOf(bytesOf(file)), after.contents,
                                     QStringLiteral("in the saved file"), QStringLiteral("on the card"));
        if (!difference.isEmpty())
            return difference;
    }
    if (step.kind != EditStep::Save && step.kind != EditStep::SaveAsCancel)
        return QString();
    // Saving changes nothing on screen (objects off the card aside).
    std::vector<QRect> kept;
    for (const QRect &r : before.bounds)
        if (!isStray(r, before.surface) || after.bounds.size() == before.bounds.size())
            kept.push_back(r);
    return boundsDifference(kept, after.bounds, after.contents, QStringLiteral("saving"));
}

QString EditChecks::checkReopen(const DesignState &after, QByteArray &reopened)
{
    QFile file(m_checkPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(after.snapshot) != after.snapshot.size())
        return QStringLiteral("cannot write %1").arg(m_checkPath);
    file.close();
    m_second->OpenBCFile(m_checkPath);
    reopened = m_second->BusinessCardPanel()->DesignSnapshot();
    if (!on("reopen"))
        return QString();
    return CardContents::Difference(after.contents, contentsOf(reopened), QStringLiteral("on the card"),
                                    QStringLiteral("after saving and reopening"));
}

QString EditChecks::checkSecondZoom(int index, const QByteArray &reopened)
{
    // 100 % up to 110 … 150 % and back, in the window that just opened the design.
    ui::TGBusinessCardPanel32 &second = *m_second->BusinessCardPanel();
    std::vector<QRect> shown;
    for (int i = 0; i < second.ObjectCount(); ++i)
        shown.push_back(second.ObjectAt(i)->BoundsRect());
    const int steps = 1 + index % 5;
    for (int i = 0; i < steps; ++i)
        m_second->ZoomIn();
    for (int i = 0; i < steps; ++i)
        m_second->ZoomOut();
    std::vector<QRect> back;
    for (int i = 0; i < second.ObjectCount(); ++i)
        back.push_back(second.ObjectAt(i)->BoundsRect());
    const QByteArray zoomed = second.DesignSnapshot();
    const QString what =
        QStringLiteral("in a window that opened the design, zooming up %1 steps and back").arg(steps);
    QString difference =
        CardContents::Difference(contentsOf(reopened), contentsOf(zoomed), QStringLiteral("when opened"),
                                 QStringLiteral("after zooming"));
    if (!difference.isEmpty())
        return what + QStringLiteral(": ") + difference;
    difference = boundsDifference(shown, back, contentsOf(reopened), what);
    if (difference.isEmpty() && zoomed != reopened)
        difference = what + QStringLiteral(": ") + firstByteDifference(reopened, zoomed);
    return difference;
}

QString EditChecks::checkZoom(const EditStep &step, const DesignState &before, const DesignState &after)
{
    const int level = int(std::lround(after.zoom * 100.0f));
    const bool zoomStep = step.kind == EditStep::ZoomIn || step.kind == EditStep::ZoomOut;
    if (!zoomStep) {
        if (before.snapshot != after.snapshot || before.bounds != after.bounds)
            m_zoomMarks.clear();
        m_zoomMarks[level] = ZoomMark{after.contents, after.bounds};
        return QString();
    }
    const auto mark = m_zoomMarks.find(level);
    if (mark == m_zoomMarks.end()) {
        m_zoomMarks[level] = ZoomMark{after.contents, after.bounds};
        return QString();
    }
    const QString what = QStringLiteral("zooming away from %1 % and back").arg(level);
    QString difference = CardContents::Difference(mark->second.contents, after.contents,
                                                  QStringLiteral("before"), QStringLiteral("after ") + what);
    if (difference.isEmpty())
        difference = boundsDifference(mark->second.bounds, after.bounds, after.contents, what);
    return difference;
}

QString EditChecks::checkUndo(const DesignState &after)
{
    ui::TGBusinessCardPanel32 &surface = m_driver.Surface();
    std::vector<int> selection;
    for (model::TGGraphicControl *o : surface.Frame().Selection())
        selection.push_back(surface.IndexOfObject(o));
    // A command may make more than one step, but not many more.
    const int most = 2 * m_changesSinceStart + 20;
    int undos = 0;
    while (undos < most && m_driver.Trigger("mnuUndo")) {
        QCoreApplication::processEvents();
        ++undos;
    }
    const QByteArray start = surface.DesignSnapshot();
    QString problem;
    if (undos == most && m_driver.Window().findChild<QAction *>(QStringLiteral("mnuUndo"))->isEnabled())
        problem = QStringLiteral("Undo is still offered after %1 undos, with %2 changes made since the start")
                      .arg(undos)
                      .arg(m_changesSinceStart);
    else if (m_changesSinceStart <= UndoReach && start != m_start) {
        QString difference =
            CardContents::Difference(contentsOf(m_start), contentsOf(start), QStringLiteral("at the start"),
                                     QStringLiteral("after undoing"));
        if (difference.isEmpty())
            difference = firstByteDifference(m_start, start);
        problem = QStringLiteral("Undo back to the start (%1 undos) does not give the first file: %2")
                      .arg(undos)
                      .arg(difference);
    }
    // Back to where the user was (which may be short of the last change,
    // when the user has undone some).
    for (int i = 0; i < undos && m_driver.Trigger("mnuRedo"); ++i)
        QCoreApplication::processEvents();
    const QByteArray end = surface.DesignSnapshot();
    if (problem.isEmpty() && end != after.snapshot) {
        QString difference =
            CardContents::Difference(after.contents, contentsOf(end), QStringLiteral("before undoing"),
                                     QStringLiteral("after redoing"));
        if (difference.isEmpty())
            difference = firstByteDifference(after.snapshot, end);
        problem = QStringLiteral("Redo as often as Undo does not give the design back: ") + difference;
    }
    // Every object is shown where it was, at any zoom: an object drawn or
    // moved at a zoom is shown where its 100 % geometry puts it, as after Undo
    // and Redo.
    if (problem.isEmpty()) {
        std::vector<QRect> shown;
        for (int i = 0; i < surface.ObjectCount(); ++i)
            shown.push_back(surface.ObjectAt(i)->BoundsRect());
        problem =
            boundsDifference(after.bounds, shown, after.contents, QStringLiteral("undoing and redoing"));
    }
    // The user's selection, as it was.
    for (int i : selection)
        if (model::TGGraphicControl *o = surface.ObjectAt(i))
            surface.Frame().Add(o);
    m_driver.Hover(QPoint(0, 0));
    return problem;
}

std::optional<EditFailure> EditChecks::CheckUndo(const DesignState &current)
{
    if (!on("undo"))
        return std::nullopt;
    const QString problem = checkUndo(current);
    return problem.isEmpty() ? std::nullopt
                             : std::optional<EditFailure>(EditFailure{QStringLiteral("undo"), problem});
}

QString EditChecks::checkMemory(int index)
{
#ifdef CW_SANITIZED
    // Freed memory waits in the sanitizer's quarantine: resident memory says
    // nothing here.  The plain build checks it.
    Q_UNUSED(index);
    return QString();
#endif
    const double now = residentMB();
    // The first steps load fonts, pictures and dialogs once.
    if (index < 8) {
        m_baselineMB = now;
        return QString();
    }
    const double growth = now - m_baselineMB;
    m_peakGrowthMB = std::max(m_peakGrowthMB, growth);
    if (growth <= MemoryLimitMB)
        return QString();
    return QStringLiteral("resident memory grew by %1 MB since step 8 (from %2 MB to %3 MB; limit %4 MB)")
        .arg(growth, 0, 'f', 1)
        .arg(m_baselineMB, 0, 'f', 1)
        .arg(now, 0, 'f', 1)
        .arg(MemoryLimitMB, 0, 'f', 0);
}

double EditChecks::MemoryGrowthMB() const
{
    return m_peakGrowthMB;
}

} // namespace cw::test
