#include "print/engine/TBaseReport.h"

#include "app/model/Exception.h"
#include "print/engine/Units.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace cw::engine {

TBaseReport::TBaseReport() = default;
TBaseReport::~TBaseReport() = default;

void TBaseReport::SetCopies(int copies)
{
    m_copies = std::max(1, copies);
}

void TBaseReport::SetPaperSize(int paperCode, double widthInches, double heightInches)
{
    m_paperSize = paperCode;
    if (widthInches > 0 && heightInches > 0)
        m_pageSize = QSizeF(widthInches, heightInches);
    else
        m_pageSize = PaperSizeInches(paperCode);
}

void TBaseReport::SetUnitsFactor(double factor)
{
    // A zero or negative factor would turn every position into infinity.
    if (factor > 0)
        m_unitsFactor = factor;
}

void TBaseReport::SetDeviceMetrics(double xdpi, double ydpi, int leftWaste, int topWaste, int rightWaste,
                                   int bottomWaste)
{
    m_xdpi = xdpi > 0 ? xdpi : 600;
    m_ydpi = ydpi > 0 ? ydpi : 600;
    m_leftWaste = std::max(0, leftWaste);
    m_topWaste = std::max(0, topWaste);
    m_rightWaste = std::max(0, rightWaste);
    m_bottomWaste = std::max(0, bottomWaste);
}

void TBaseReport::ClearEvents()
{
    OnBeforePrint = nullptr;
    OnNewPage = nullptr;
    OnPrint = nullptr;
    OnAfterPrint = nullptr;
}

void TBaseReport::CallEvent(const TReportEvent &event)
{
    if (event)
        event(*this);
}

void TBaseReport::Execute()
{
    if (m_printing)
        return; // a handler asked for a job inside the running one
    if (!HasPrinter())
        throw cw::Exception(QStringLiteral("No printers are defined, aborting print job."));

    m_aborted = false;
    m_currentPage = 0;
    ResetDrawingState();
    m_printing = true;
    bool started = false;
    try {
        CallEvent(OnBeforePrint);
        if (!m_aborted) {
            BeginJob();
            started = true;
        }
        m_currentPage = 1;
        if (started)
            BeginDevicePage();
        UpdateStatus();
        CallEvent(OnNewPage);
        CallEvent(OnPrint);
        if (started && !m_aborted) {
            EndDevicePage();
            EndJob();
        } else if (started) {
            AbandonJob();
        }
        started = false;
        m_printing = false;
        CallEvent(OnAfterPrint);
    } catch (...) {
        m_printing = false;
        if (started)
            AbandonJob();
        throw;
    }
}

void TBaseReport::NewPage()
{
    if (!m_printing)
        return;
    // After an abort the pages still count, so that a caller composing "until
    // the last sheet" comes to its end; nothing reaches the device.
    if (!m_aborted)
        EndDevicePage();
    ++m_currentPage;
    if (!m_aborted)
        BeginDevicePage();
    UpdateStatus();
    CallEvent(OnNewPage);
}

void TBaseReport::Abort()
{
    m_aborted = true;
}

QString TBaseReport::ExpandStatus(const QString &format, int page, const QStringList &lines)
{
    QString result;
    result.reserve(format.size() + 16);
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != u'%' || i + 1 >= format.size()) {
            result += c;
            continue;
        }
        const QChar next = format.at(i + 1);
        if (next == u'p' || next == u'P') {
            result += QString::number(page);
            ++i;
        } else if (next >= u'0' && next <= u'9') {
            const int index = next.unicode() - u'0';
            if (index < lines.size())
                result += lines.at(index);
            ++i;
        } else if (next == u'%') {
            result += u'%';
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

QString TBaseReport::StatusString() const
{
    return ExpandStatus(m_statusFormat, m_currentPage, m_statusText);
}

void TBaseReport::DefaultProcessEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

void TBaseReport::UpdateStatus()
{
    if (m_statusLabel) {
        QString text = StatusString();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        m_statusLabel(text);
    }
    if (m_processEvents)
        m_processEvents();
}

int TBaseReport::XI2D(double x) const
{
    return cw::Round(x / m_unitsFactor * m_xdpi) - m_leftWaste;
}

int TBaseReport::YI2D(double y) const
{
    return cw::Round(y / m_unitsFactor * m_ydpi) - m_topWaste;
}

double TBaseReport::XI2DF(double x) const
{
    return x / m_unitsFactor * m_xdpi - m_leftWaste;
}

double TBaseReport::YI2DF(double y) const
{
    return y / m_unitsFactor * m_ydpi - m_topWaste;
}

int TBaseReport::WidthToDevice(double inches) const
{
    return cw::Round(inches / m_unitsFactor * m_xdpi);
}

int TBaseReport::HeightToDevice(double inches) const
{
    return cw::Round(inches / m_unitsFactor * m_ydpi);
}

double TBaseReport::XD2I(double x) const
{
    return (x + m_leftWaste) / m_xdpi * m_unitsFactor;
}

double TBaseReport::YD2I(double y) const
{
    return (y + m_topWaste) / m_ydpi * m_unitsFactor;
}

QRect TBaseReport::CreateRect(double x1, double y1, double x2, double y2) const
{
    return QRect(QPoint(XI2D(x1), YI2D(y1)), QPoint(XI2D(x2) - 1, YI2D(y2) - 1));
}

QRectF TBaseReport::CreateRectF(double x1, double y1, double x2, double y2) const
{
    return QRectF(QPointF(XI2DF(x1), YI2DF(y1)), QPointF(XI2DF(x2), YI2DF(y2)));
}

QRect TBaseReport::CreateInnerRect(double x1, double y1, double x2, double y2) const
{
    // A hair of tolerance, so that an edge on a device pixel's border (up to
    // rounding of the inch value) keeps that pixel.
    constexpr double Hair = 1e-6;
    const auto first = [](double units) { return int(std::ceil(units - Hair)); };
    const auto last = [](double units) { return int(std::floor(units + Hair)) - 1; };
    return QRect(QPoint(first(x1 / m_unitsFactor * m_xdpi) - m_leftWaste,
                        first(y1 / m_unitsFactor * m_ydpi) - m_topWaste),
                 QPoint(last(x2 / m_unitsFactor * m_xdpi) - m_leftWaste,
                        last(y2 / m_unitsFactor * m_ydpi) - m_topWaste));
}

} // namespace cw::engine
