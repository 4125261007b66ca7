#include "help/TConfigurationInfo.h"

#include "app/model/Exception.h"
#include "app/model/ProgramFolder.h"
#include "app/model/TAtomicFile.h"
#include "app/model/TIniFile.h"
#include "widgets/Interaction.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

namespace cw::ui {

namespace {

QString Caption()
{
    return QCoreApplication::translate("cw::ui::TConfigurationInfo", "Configuration Information");
}

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(1 << 20); // /proc files report no size; a megabyte is plenty
}

// The machine's own locale (what a new user account gets), from the
// system-wide locale settings; the user's locale when there are none.
QLocale systemWideLocale()
{
    for (const char *path : {"/etc/default/locale", "/etc/locale.conf"}) {
        const QList<QByteArray> lines = readSmallFile(QString::fromLatin1(path)).split('\n');
        for (const QByteArray &raw : lines) {
            const QByteArray line = raw.trimmed();
            if (!line.startsWith("LANG="))
                continue;
            QByteArray value = line.mid(5);
            if (value.startsWith('"') && value.endsWith('"') && value.size() >= 2)
                value = value.mid(1, value.size() - 2);
            const qsizetype dot = value.indexOf('.');
            return QLocale(QString::fromLatin1(dot < 0 ? value : value.left(dot)));
        }
    }
    return QLocale::system();
}

} // namespace

TConfigurationInfo::TConfigurationInfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ConfigurationInfo"));
    setWindowTitle(Caption());
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    auto *column = new QVBoxLayout(this);
    auto *intro =
        new QLabel(tr("The information below helps our technical support staff to help you. Click \"Copy to "
                      "Clipboard\" to copy it, then paste it into your e-mail program and send it with your "
                      "question. You may add to the text or change it before you copy or save it."),
                   this);
    intro->setObjectName(QStringLiteral("Label1"));
    intro->setWordWrap(true);
    intro->setMinimumWidth(394);
    column->addWidget(intro);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setTabChangesFocus(false); // the report uses tabs; Tab types one
    // Labels are padded to 13 characters and a tab: in a fixed-pitch font with
    // tab stops every 14 characters the values line up in one column.
    m_memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_memo->setTabStopDistance(14 * QFontMetricsF(m_memo->font()).horizontalAdvance(QLatin1Char(' ')));
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setMinimumSize(397, 221);
    column->addWidget(m_memo, 1);

    auto *strip = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button2"));
    ok->setDefault(true);
    auto *copy = new QPushButton(tr("Copy to Clipboard"), this);
    copy->setObjectName(QStringLiteral("Button1"));
    copy->setAutoDefault(false);
    auto *save = new QPushButton(tr("Save As..."), this);
    save->setObjectName(QStringLiteral("Button3"));
    save->setAutoDefault(false);
    strip->addWidget(ok);
    strip->addStretch(1);
    strip->addWidget(copy);
    strip->addWidget(save);
    column->addLayout(strip);

    connect(ok, &QPushButton::clicked, this, &TConfigurationInfo::Button2Click);
    connect(copy, &QPushButton::clicked, this, &TConfigurationInfo::Button1Click);
    connect(save, &QPushButton::clicked, this, &TConfigurationInfo::Button3Click);

    resize(sizeHint().expandedTo(QSize(420, 373)));
}

model::TEnvironmentInfo TConfigurationInfo::GatherEnvironment()
{
    model::TEnvironmentInfo env;
    const QString kernel = QSysInfo::kernelType();
    env.KernelName = kernel.isEmpty() ? QStringLiteral("Linux") : kernel.left(1).toUpper() + kernel.mid(1);
    env.KernelVersion = QSysInfo::kernelVersion();
    env.OsName = QSysInfo::prettyProductName();
    env.Architecture = QSysInfo::currentCpuArchitecture();
    env.Desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    env.SessionType = qEnvironmentVariable("XDG_SESSION_TYPE");
    env.QtVersion = QString::fromLatin1(qVersion());
    env.Platform = QGuiApplication::platformName();
    env.CpuModel = model::TConfigReport::ParseCpuModel(readSmallFile(QStringLiteral("/proc/cpuinfo")));
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        env.ScreenWidth = screen->geometry().width();
        env.ScreenHeight = screen->geometry().height();
        env.BitsPerPixel = screen->depth();
        env.FontDpi = qRound(screen->logicalDotsPerInch());
        env.DevicePixelRatio = screen->devicePixelRatio();
    }
    env.Memory = model::TConfigReport::ParseMemInfo(readSmallFile(QStringLiteral("/proc/meminfo")));
    env.UserLocale = QLocale::system();
    env.SystemLocale = systemWideLocale();
    env.HasPrinterList = true;
    const QString defaultPrinter = QPrinterInfo::defaultPrinterName();
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
        env.Printers.append(
            {info.printerName(), info.makeAndModel(), info.location(), info.printerName() == defaultPrinter});
    return env;
}

QStringList TConfigurationInfo::ComposeReport(const model::TPreferences &prefs)
{
    const QLocale locale = QLocale::system();
    const QStringList environment = model::TConfigReport::EnvironmentLines(GatherEnvironment(), locale);
    const QString settings = QFileInfo(model::TIniFile::SettingsFileName()).absoluteFilePath();
    return model::TConfigReport::Lines(QDate::currentDate(), locale, environment, settings, prefs.DefaultFont,
                                       model::PrinterNudges());
}

void TConfigurationInfo::Execute(QWidget *mainWindow, const model::TPreferences &prefs)
{
    TConfigurationInfo dialog(mainWindow);
    dialog.SetReport(ComposeReport(prefs));
    Interaction::current().exec(dialog);
}

void TConfigurationInfo::SetReport(const QStringList &lines)
{
    m_memo->setPlainText(lines.join(QLatin1Char('\n')));
}

QString TConfigurationInfo::ReportText() const
{
    return m_memo->toPlainText();
}

void TConfigurationInfo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_memo->moveCursor(QTextCursor::Start);
    m_memo->ensureCursorVisible();
}

void TConfigurationInfo::Button1Click()
{
    QGuiApplication::clipboard()->setText(ReportText());
    Interaction::current().information(tr("Information copied to Windows clipboard"));
}

void TConfigurationInfo::Button2Click()
{
    accept();
}

void TConfigurationInfo::Button3Click()
{
    const QString path = Interaction::current().saveFileName(
        tr("Save As"), model::ProgramFolder::file(QStringLiteral("ConfigInfo.txt")), tr("Text files (*.TXT)"),
        QStringLiteral("TXT"));
    if (path.isEmpty())
        return;
    QString text = ReportText();
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    try {
        model::WriteFileAtomically(
            path, text.toUtf8(), [&path](model::TAtomicWriteStage, const QString &reason) {
                return tr("Unable to save ") + QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
            });
    } catch (const EInOutError &e) {
        // The file that was there (if any) is untouched; say why nothing was saved.
        Interaction::current().error(e.message(), Caption());
        return;
    }
    Interaction::current().information(tr("Information was saved as: ") + path);
}

} // namespace cw::ui
