// Start-up to the first painted main window, and resident memory with a
// typical card open.
//
// In this process: from constructing the main window to its first paint
// event, beside a plain QMainWindow with one label.  As a program of its own:
// the designer started with CW_QUIT_AFTER_FIRST_PAINT=1 must print
// "cardwright: first paint" on stderr and quit right after its first paint;
// the baseline is the same program refusing a bad option (Qt started, no
// window).  A designer without that switch gives "n/a".

#include "BenchSupport.h"

#include "app/TMainScreen.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGImage.h"
#include "design/model/TGPicture.h"
#include "widgets/Interaction.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>

namespace cw::bench {

namespace {

class FirstPaint : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Milliseconds from making the window to its first paint (-1 after 5 s).
template <class Make> double toFirstPaint(Make make)
{
    QElapsedTimer clock;
    clock.start();
    auto window = make();
    FirstPaint watch;
    window->installEventFilter(&watch);
    window->show();
    while (!watch.painted && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = watch.painted ? double(clock.nsecsElapsed()) / 1e6 : -1.0;
    window->removeEventFilter(&watch);
    return ms;
}

// Milliseconds until the program exits; -1 when it does not within 10 s or
// `mark` is missing from what it printed.
double runProgram(const QString &program, const QStringList &args, const QByteArray &mark)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CW_QUIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, args);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
        return -1.0;
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    const QByteArray output = process.readAllStandardError() + process.readAllStandardOutput();
    return mark.isEmpty() || output.contains(mark) ? ms : -1.0;
}

class QuietInteraction final : public ui::Interaction
{
public:
    void information(const QString &) override {}
    bool question(const QString &, const QString &) override { return false; }
    void error(const QString &, const QString &) override {}
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    std::optional<QFont> chooseFont(const QFont &, const QString &) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    int exec(QDialog &) override { return 0; }
};

} // namespace

double ResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1.0;
}

void InstallQuietInteraction()
{
    static QuietInteraction quiet;
    ui::Interaction::install(&quiet);
}

void RunStartupRows(const char *argv0)
{
    const double mainWindow = toFirstPaint([] { return std::make_unique<ui::TMainScreen>(); });
    const double plain = toFirstPaint([] {
        auto w = std::make_unique<QMainWindow>();
        w->setCentralWidget(new QLabel(QStringLiteral("Cardwright")));
        w->resize(640, 480);
        return w;
    });
    PrintRow("start-up: main window to first paint", mainWindow, plain, 400.0, "ms");

    QString program = qEnvironmentVariable("CW_PROGRAM");
    if (program.isEmpty())
        program = QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath() + QStringLiteral("/../cardwright");
    if (!QFileInfo(program).isExecutable()) {
        std::printf("(no designer program at %s; set CW_PROGRAM)\n", qPrintable(program));
        return;
    }
    std::vector<double> starts, bases;
    for (int i = 0; i < 5; ++i) {
        starts.push_back(runProgram(program, {}, QByteArrayLiteral("cardwright: first paint")));
        bases.push_back(runProgram(program, {QStringLiteral("-no-such-option")}, QByteArrayLiteral("usage")));
    }
    std::sort(starts.begin(), starts.end());
    std::sort(bases.begin(), bases.end());
    const bool measured = starts.front() >= 0;
    PrintRow("start-up: program start to first paint", measured ? starts[starts.size() / 2] : -1.0,
             bases[bases.size() / 2], 400.0, "ms");
}

void RunMemoryRow()
{
    const double before = ResidentMb();
    {
        // A typical card: a picture, a dozen shapes, the main window showing it.
        auto window = std::make_unique<ui::TMainScreen>();
        window->show();
        ui::TGBusinessCardPanel32 &panel = *window->BusinessCardPanel();
        QImage logo(300, 200, QImage::Format_RGB32);
        logo.fill(qRgb(30, 90, 160));
        model::TGPicture picture;
        picture.SetBitmap(logo);
        auto image = std::make_unique<model::TGImage>();
        image->SetPicture(picture);
        panel.PlaceNewObject(std::move(image), QRect(10, 10, 90, 60));
        for (int i = 0; i < 12; ++i) {
            auto shape = std::make_unique<model::TBCShapes>();
            shape->SetShape(i % 2 ? model::stEllipse : model::stRoundRect);
            panel.PlaceNewObject(std::move(shape), QRect(110 + 15 * i, 20 + 10 * (i % 5), 40, 25));
        }
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents();
        const double with = ResidentMb();
        PrintRow("resident memory, typical card open", with, before, 120.0, "MB");
    }
}

} // namespace cw::bench
